#include "platform/ButtonControl.h"

#include <QAbstractButton>

namespace platform {

ButtonControl::ButtonControl(Container& parent, const QString& name, QAbstractButton* button,
                             int width, int height)
    : Control(parent, name, button) {
    setClickFromMouse(false);
    initColors(SysButtonFace, SysButtonText);
    move(0, 0, width, height);
}

QAbstractButton* ButtonControl::button() const {
    return static_cast<QAbstractButton*>(widget());
}

QString ButtonControl::caption() const {
    return button()->text();
}

void ButtonControl::setCaption(const QString& text) {
    button()->setText(text);
}

} // namespace platform
