#pragma once
// A tab control. Controls sit on its tabs with coordinates relative to the
// whole control (tab row included), as they were drawn. Setting the current
// tab from code runs the same change handler as a click, with the previous tab.

#include "platform/Control.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace platform {

class TabStrip;
class TabStripWidget;

// One tab's page: a container for the controls on that tab.
class TabPage : public Container {
public:
    TabPage(TabStrip& strip, QWidget* page) : strip_(strip), page_(page) {}
    QWidget* containerWidget() const override { return page_; }
    Host& host() const override;

private:
    TabStrip& strip_;
    QWidget* page_;
};

class TabStrip : public Control {
public:
    TabStrip(Container& parent, const QString& name, const QStringList& captions);
    ~TabStrip() override;

    int tabs() const { return static_cast<int>(pages_.size()); }
    int tab() const { return current_; }
    // Changing the tab (by code or by a click) runs onChange(previous tab).
    void setTab(int index);

    QString tabCaption(int index) const;
    void setTabCaption(int index, const QString& caption);
    bool tabEnabled(int index) const;
    void setTabEnabled(int index, bool on);
    bool tabVisible(int index) const;
    void setTabVisible(int index, bool on);
    int tabHeight() const { return tabHeight_; }
    void setTabHeight(int twips);

    TabPage& page(int index) { return *pages_.at(static_cast<std::size_t>(index)); }

    std::function<void(int previousTab)> onChange;

private:
    friend class TabStripWidget;
    TabStripWidget* strip() const;
    void userChanged(int index);
    void showPage(int index);

    std::vector<std::unique_ptr<TabPage>> pages_;
    std::vector<QWidget*> pageWidgets_;
    int current_ = 0;
    int tabHeight_ = 360;
    bool settingTab_ = false;
};

} // namespace platform
