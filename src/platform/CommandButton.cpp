#include "platform/CommandButton.h"

#include <QPushButton>
#include <QShortcut>

namespace platform {

CommandButton::CommandButton(Container& parent, const QString& name, const QString& caption)
    : ButtonControl(parent, name, new QPushButton(caption), 1215, 375) {
    QObject::connect(button(), &QAbstractButton::clicked, widget(), [this] { click(); });
}

void CommandButton::click() {
    if (onClick) onClick();
}

void CommandButton::setDefault(bool on) {
    default_ = on;
    auto* push = static_cast<QPushButton*>(widget());
    push->setAutoDefault(on);
    push->setDefault(on);
}

void CommandButton::setCancel(bool on) {
    if (on == cancel()) return;
    if (!on) {
        delete cancel_;
        cancel_ = nullptr;
        return;
    }
    cancel_ = new QShortcut(QKeySequence(Qt::Key_Escape), widget());
    cancel_->setContext(Qt::WindowShortcut);
    QObject::connect(cancel_, &QShortcut::activated, widget(), [this] {
        if (widget()->isEnabled() && widget()->isVisible()) click();
    });
}

} // namespace platform
