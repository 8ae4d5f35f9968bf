#include "platform/CheckBox.h"

#include <QCheckBox>

namespace platform {

namespace {

// A click moves between checked and unchecked only: the greyed state is one
// that code sets, and a click on it checks the box.
class TwoWayCheckBox : public QCheckBox {
public:
    explicit TwoWayCheckBox(const QString& caption) : QCheckBox(caption) {}

protected:
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};

QCheckBox* boxOf(QWidget* w) {
    return static_cast<QCheckBox*>(w);
}

} // namespace

CheckBox::CheckBox(Container& parent, const QString& name, const QString& caption)
    : ButtonControl(parent, name, new TwoWayCheckBox(caption), 1455, 255) {
    QObject::connect(button(), &QAbstractButton::clicked, widget(), [this] {
        if (onClick) onClick();
    });
}

int CheckBox::value() const {
    switch (boxOf(widget())->checkState()) {
    case Qt::Checked:
        return Checked;
    case Qt::PartiallyChecked:
        return Grayed;
    default:
        return Unchecked;
    }
}

void CheckBox::setValue(int v) {
    if (v < Unchecked || v > Grayed || v == value()) return;
    const Qt::CheckState s = v == Checked  ? Qt::Checked
                             : v == Grayed ? Qt::PartiallyChecked
                                           : Qt::Unchecked;
    boxOf(widget())->setCheckState(s);
    if (onClick) onClick();
}

} // namespace platform
