#include "platform/Menu.h"

#include "platform/Form.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace platform {

namespace {
// The menu item an action belongs to, so that a window finds it by name.
constexpr const char* MenuProperty = "mirelMenu";

bool IsSeparator(const QString& caption) {
    return caption == QLatin1String("-");
}

// A separator carries no text: some styles draw a separator's text beside its line.
QAction* makeAction(QWidget* owner, const QString& caption) {
    auto* a = new QAction(IsSeparator(caption) ? QString() : caption, owner);
    a->setSeparator(IsSeparator(caption));
    return a;
}
} // namespace

Menu::Menu(Form& form, const QString& name, const QString& caption)
    : name_(name), caption_(caption) {
    QMenuBar* bar = form.mainWindow() ? form.mainWindow()->menuBar() : nullptr;
    action_ = makeAction(bar ? static_cast<QWidget*>(bar) : form.window(), caption);
    nameAction();
    if (bar) bar->addAction(action_);
    QObject::connect(action_, &QAction::triggered, action_, [this] { click(); });
}

Menu::Menu(Menu& parent, const QString& name, const QString& caption)
    : name_(name), caption_(caption) {
    QMenu* m = parent.submenu();
    action_ = makeAction(m, caption);
    nameAction();
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
    action_->setText(IsSeparator(text) ? QString() : text);
    action_->setSeparator(IsSeparator(text));
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

void Menu::nameAction() {
    action_->setObjectName(name_);
    action_->setProperty(MenuProperty, QVariant::fromValue(static_cast<void*>(this)));
}

Menu* Menu::ofAction(QAction* action) {
    if (!action) return nullptr;
    return static_cast<Menu*>(action->property(MenuProperty).value<void*>());
}

QAction* Menu::action() const {
    return action_;
}

void Menu::click() {
    if (enabled_ && onClick) onClick();
}

} // namespace platform
