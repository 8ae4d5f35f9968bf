#include "platform/OptionButton.h"

#include <QRadioButton>

namespace platform {

OptionButton::OptionButton(Container& parent, const QString& name, const QString& caption)
    : ButtonControl(parent, name, new QRadioButton(caption), 1455, 255) {
    // Click comes from the button coming on. Auto-exclusive radio buttons
    // group by parent widget, which is the container.
    QObject::connect(button(), &QAbstractButton::toggled, widget(), [this](bool on) {
        if (on && onClick) onClick();
    });
}

bool OptionButton::value() const {
    return button()->isChecked();
}

void OptionButton::setValue(bool on) {
    QAbstractButton* r = button();
    if (on == r->isChecked()) return;
    if (on) {
        r->setChecked(true); // the group turns the others off; toggled runs Click
        return;
    }
    // An auto-exclusive group refuses to turn off its checked button.
    r->setAutoExclusive(false);
    r->setChecked(false);
    r->setAutoExclusive(true);
}

} // namespace platform
