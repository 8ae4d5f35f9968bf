#pragma once
// An option button. The option buttons on one container (a form, a frame, a
// picture box, a tab page) form one group: at most one of them is on. Click
// runs for the button that comes on, whether the user clicked it or code set
// its Value to true; nothing runs when it was already on, nor for the buttons
// that go off. Setting Value to false from code turns the button off, leaving
// the group with none on, and runs nothing.

#include "platform/ButtonControl.h"

namespace platform {

class OptionButton : public ButtonControl {
public:
    OptionButton(Container& parent, const QString& name, const QString& caption = {});

    bool value() const;
    void setValue(bool on);
};

} // namespace platform
