#pragma once
// What the push button, the check box and the option button share: a caption
// on the button's face, the button colours, and a Click that comes from the
// button's own signal rather than from a mouse press and release.

#include "platform/Control.h"

class QAbstractButton;

namespace platform {

class ButtonControl : public Control {
public:
    QString caption() const;
    void setCaption(const QString& text);

protected:
    // A button of width x height twips.
    ButtonControl(Container& parent, const QString& name, QAbstractButton* button, int width,
                  int height);
    QAbstractButton* button() const;
};

} // namespace platform
