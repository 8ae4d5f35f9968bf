#pragma once
// A check box. Value is 0 unchecked, 1 checked, 2 greyed. Click runs when the
// value changes: by the user's click (0 and 1 swap; a greyed box becomes
// checked) or by code that sets a different value. Setting the value it
// already has runs nothing.

#include "platform/ButtonControl.h"

namespace platform {

class CheckBox : public ButtonControl {
public:
    enum { Unchecked = 0, Checked = 1, Grayed = 2 };

    CheckBox(Container& parent, const QString& name, const QString& caption = {});

    int value() const;
    // Values other than 0, 1 and 2 are ignored.
    void setValue(int v);
};

} // namespace platform
