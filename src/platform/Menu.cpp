#include "platform/Menu.h"

#include "platform/Form.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace platform {

namespace {
QAction* makeAction(QWidget* owner, const QString& caption) {
    auto* a = new QAction(caption, owner);
    a->setSeparator(caption == QLatin1String("-"));
    return a;
}
} // namespace

Menu::Menu(Form& form, const QString& name, const QString& caption)
    : name_(name), caption_(caption) {
    QMenuBar* bar = form.mainWindow() ? form.mainWindow()->menuBar() : nullptr;
    action_ = makeAction(bar ? static_cast<QWidget*>(bar) : form.window(), caption);
    if (bar) bar->addAction(action_);
    QObject::connect(action_, &QAction::triggered, action_, [this] { click(); });
}

Menu::Menu(Menu& parent, const QString& name, const QString& caption)
    : name_(name), caption_(caption) {
    QMenu* m = parent.submenu();
    action_ = makeAction(m, caption);
    m->addAction(action_);
    QObject::connect(action_, &QAction::triggered, action_, [this] { click(); });
}

Menu::~Menu() {
    delete menu_.data();
    delete action_.data();
}

QMenu* Menu::submenu() {
    if (!menu_) {
        menu_ = new QMenu(caption_, qobject_cast<QWidget*>(action_->parent()));
        action_->setMenu(menu_);
        QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] { click(); });
    }
    return menu_;
}

void Menu::setCaption(const QString& text) {
    caption_ = text;
    action_->setText(text);
    action_->setSeparator(text == QLatin1String("-"));
    if (menu_) menu_->setTitle(text);
}

void Menu::setEnabled(bool on) {
    enabled_ = on;
    action_->setEnabled(on);
}

void Menu::setChecked(bool on) {
    checked_ = on;
    action_->setCheckable(on || action_->isCheckable());
    action_->setChecked(on);
}

void Menu::setVisible(bool on) {
    visible_ = on;
    action_->setVisible(on);
}

QAction* Menu::action() const {
    return action_;
}

void Menu::click() {
    if (enabled_ && onClick) onClick();
}

} // namespace platform
