#include "platform/TabStrip.h"

#include <QResizeEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QWidget>

namespace platform {

// The tab row across the top and the pages below it; each page covers the whole
// control, so a control's position on it is measured from the control's corner.
class TabStripWidget : public QWidget {
public:
    TabStripWidget() {
        bar = new QTabBar(this);
        bar->setDrawBase(false);
        bar->setExpanding(false);
        bar->setUsesScrollButtons(true);
    }
    QTabBar* bar;
    int barHeightPx = 24;
    std::vector<QWidget*>* pages = nullptr;

    void layoutChildren() {
        bar->setGeometry(0, 0, width(), barHeightPx);
        if (pages)
            for (QWidget* p : *pages)
                p->setGeometry(0, 0, width(), height());
        bar->raise();
    }

protected:
    void resizeEvent(QResizeEvent*) override { layoutChildren(); }
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionTabWidgetFrame opt;
        opt.initFrom(this);
        opt.rect = QRect(0, barHeightPx - 1, width(), height() - barHeightPx + 1);
        p.drawPrimitive(QStyle::PE_FrameTabWidget, opt);
    }
};

Host& TabPage::host() const {
    return strip_.host();
}

TabStrip::TabStrip(Container& parent, const QString& name, const QStringList& captions)
    : Control(parent, name, new TabStripWidget) {
    TabStripWidget* w = strip();
    w->pages = &pageWidgets_;
    for (const QString& c : captions) {
        w->bar->addTab(c);
        auto* page = new QWidget(w);
        page->setVisible(pageWidgets_.empty());
        pageWidgets_.push_back(page);
        pages_.push_back(std::make_unique<TabPage>(*this, page));
    }
    setTabHeight(tabHeight_);
    QObject::connect(w->bar, &QTabBar::currentChanged, w, [this](int i) { userChanged(i); });
    move(0, 0, 4800, 3600);
}

TabStrip::~TabStrip() = default;

TabStripWidget* TabStrip::strip() const {
    return static_cast<TabStripWidget*>(widget());
}

void TabStrip::showPage(int index) {
    for (std::size_t i = 0; i < pageWidgets_.size(); ++i)
        pageWidgets_[i]->setVisible(static_cast<int>(i) == index);
    strip()->bar->raise();
}

void TabStrip::setTab(int index) {
    if (index < 0 || index >= tabs() || index == current_) return;
    const int previous = current_;
    current_ = index;
    settingTab_ = true;
    strip()->bar->setCurrentIndex(index);
    settingTab_ = false;
    showPage(index);
    if (onChange) onChange(previous);
}

void TabStrip::userChanged(int index) {
    if (settingTab_ || index < 0 || index == current_) return;
    const int previous = current_;
    current_ = index;
    showPage(index);
    if (onChange) onChange(previous);
}

QString TabStrip::tabCaption(int index) const {
    return strip()->bar->tabText(index);
}
void TabStrip::setTabCaption(int index, const QString& caption) {
    strip()->bar->setTabText(index, caption);
}
bool TabStrip::tabEnabled(int index) const {
    return strip()->bar->isTabEnabled(index);
}
void TabStrip::setTabEnabled(int index, bool on) {
    strip()->bar->setTabEnabled(index, on);
}
bool TabStrip::tabVisible(int index) const {
    return strip()->bar->isTabVisible(index);
}
void TabStrip::setTabVisible(int index, bool on) {
    settingTab_ = true; // hiding the current tab must not count as a click
    strip()->bar->setTabVisible(index, on);
    settingTab_ = false;
    strip()->bar->setCurrentIndex(current_);
}

void TabStrip::setTabHeight(int twips) {
    tabHeight_ = twips;
    strip()->barHeightPx = toPixels(twips);
    strip()->layoutChildren();
    strip()->update();
}

} // namespace platform
