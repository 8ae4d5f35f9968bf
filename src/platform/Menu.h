#pragma once
// A menu item of a main window's menu bar: a caption ("-" makes a separator),
// Enabled, Checked and Visible, and a Click handler. An item that gets items of
// its own becomes a submenu; its Click runs when it opens.

#include <QPointer>
#include <QString>
#include <functional>

class QAction;
class QMenu;

namespace platform {

class Form;

class Menu {
public:
    Menu(Form& form, const QString& name, const QString& caption);   // on the menu bar
    Menu(Menu& parent, const QString& name, const QString& caption); // inside a menu
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const QString& name() const { return name_; }
    QString caption() const { return caption_; }
    void setCaption(const QString& text);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool checked() const { return checked_; }
    void setChecked(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);

    // Runs the Click handler, as choosing the item does.
    void click();
    std::function<void()> onClick;

    QAction* action() const;
    // The menu item an action belongs to (null for any other action).
    static Menu* ofAction(QAction* action);

private:
    QMenu* submenu();
    void nameAction();
    QString name_;
    QString caption_;
    bool enabled_ = true, checked_ = false, visible_ = true;
    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
};

} // namespace platform
