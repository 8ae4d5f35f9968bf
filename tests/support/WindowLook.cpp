#include "support/WindowLook.h"

#include "platform/Control.h"
#include "platform/Label.h"
#include "platform/TabStrip.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace window_look {

namespace {

bool Clickable(QWidget* w, const platform::Control& c) {
    if (c.onClick || c.onMouseDown || c.onDblClick) return true;
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QTextEdit*>(w) || qobject_cast<QAbstractSlider*>(w);
}

// What shows of the widget: its rectangle in the window cut to each parent's.
QRect ShownRect(QWidget* window, QWidget* w) {
    QRect shown(w->mapTo(window, QPoint(0, 0)), w->size());
    for (QWidget* x = w->parentWidget(); x && x != window; x = x->parentWidget())
        shown &= QRect(x->mapTo(window, QPoint(0, 0)), x->size());
    return shown & window->rect();
}

platform::TabStrip* StripOf(QWidget* page) {
    QWidget* parent = page ? page->parentWidget() : nullptr;
    return parent ? dynamic_cast<platform::TabStrip*>(platform::Control::ofWidget(parent))
                  : nullptr;
}

} // namespace

QString NameOf(QWidget* w) {
    for (QWidget* x = w; x; x = x->parentWidget())
        if (const platform::Control* c = platform::Control::ofWidget(x)) return c->name();
    return w ? QString::fromLatin1(w->metaObject()->className()) : QStringLiteral("nothing");
}

QString CoveredAt(QWidget* window, QWidget* w, QPoint inWindow) {
    QWidget* top = window->childAt(inWindow);
    return top == w || w->isAncestorOf(top) ? QString() : NameOf(top);
}

QStringList CoveredControls(QWidget* window) {
    QApplication::processEvents();
    QStringList covered;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const platform::Control* c = platform::Control::ofWidget(w);
        if (!c || !w->isVisible() || !w->isEnabled() || !Clickable(w, *c)) continue;
        const QRect shown = ShownRect(window, w); // a control wider than its frame is met there
        if (shown.width() < 2 || shown.height() < 2) continue;
        const QPoint middle = shown.center();
        const QString top = CoveredAt(window, w, middle);
        if (top.isEmpty()) continue;
        covered << QStringLiteral("%1 at (%2, %3) under %4")
                       .arg(c->name())
                       .arg(middle.x())
                       .arg(middle.y())
                       .arg(top);
    }
    return covered;
}

// "needed px of had" when the caption needs more room than it has, else "".
static QString Over(int needed, int had, const char* what = "%1 px of %2") {
    return needed > had ? QString::fromLatin1(what).arg(needed).arg(had) : QString();
}

QString CaptionCut(QWidget* w) {
    const QFontMetrics fm(w->font());
    if (auto* tabs = dynamic_cast<platform::TabStrip*>(platform::Control::ofWidget(w))) {
        const QTabBar* bar = w->findChild<QTabBar*>();
        int needed = 0;
        for (int i = 0; i < tabs->tabs(); ++i)
            if (bar->isTabVisible(i)) needed += bar->tabRect(i).width();
        return Over(needed, w->width(), "tabs need %1 px of %2");
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString text = label->text();
        if (text.isEmpty() || !label->pixmap().isNull()) return {};
        if (dynamic_cast<platform::Label*>(platform::Control::ofWidget(w)) &&
            text.contains(QRegularExpression("&[^&]")))
            return QStringLiteral("shows a literal &");
        const int room = label->contentsRect().width() - 2 * label->margin();
        if (label->wordWrap())
            return Over(label->heightForWidth(room), label->height(), "wraps to %1 px of %2");
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, fm.horizontalAdvance(line));
        return Over(widest, room);
    }
    if (auto* box = qobject_cast<QGroupBox*>(w))
        return Over(fm.horizontalAdvance(box->title()) + 16, box->width());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QString text = button->text();
        text.remove(QRegularExpression("&(?!&)"));
        if (text.isEmpty()) return {};
        const bool mark = button->inherits("QCheckBox") || button->inherits("QRadioButton");
        return Over(fm.horizontalAdvance(text) + (mark ? 20 : 6), button->width());
    }
    return {};
}

QStringList CutCaptions(QWidget* window) {
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const platform::Control* c = platform::Control::ofWidget(w);
        if (!c || !w->isVisible()) continue;
        const QString wrong = CaptionCut(w);
        if (!wrong.isEmpty()) cut << c->name() + QStringLiteral(": ") + wrong;
    }
    return cut;
}

namespace {

// Overlaps drawn on purpose (cell fields and their buttons, ends of caption rows, the splash's
// surface): the first over each of the others; a name without "(index)" means each element.
constexpr std::pair<const char*, const char*> IntendedOverlaps[] = {
    {"rtfEdit", "grdSubEdit"},
    {"cmdInvCalc", "grdSubEdit rtfEdit"},
    {"btnNode", "grdSubEdit"},
    {"Label74 Label75", "grdSubEdit"},
    {"rtfCalc", "Calc"},
    {"rtfSplitEdit", "grid"},
    {"command55", "SSTab3"},
    {"cmdInvokeCalc", "Label4 Label9 Label10 Label11 Label15"},
    {"pMove Picture1 Line1 lblTitle Label3 lblVersion lblBuild Label1 Label2", "picSurface"}};

bool Intended(const QString& one, const QString& other) {
    auto names = [](const char* list, const QString& name) {
        const QStringList l = QString::fromLatin1(list).split(QLatin1Char(' '));
        return l.contains(name) || l.contains(name.section(QLatin1Char('('), 0, 0));
    };
    for (const auto& [over, under] : IntendedOverlaps)
        if ((names(over, one) && names(under, other)) || (names(over, other) && names(under, one)))
            return true;
    return false;
}

// A frame holds what is drawn inside it; an open picker's list lies over its caption.
bool HeldOrPicked(QWidget* a, const QRect& ra, QWidget* b, const QRect& rb) {
    for (bool (*is)(QWidget*) :
         {+[](QWidget* w) { return qobject_cast<QGroupBox*>(w) != nullptr; },
          +[](QWidget* w) { return qobject_cast<QComboBox*>(w) != nullptr; }})
        if (is(a) != is(b)) return is(a) ? ra.contains(rb) : rb.contains(ra);
    return false;
}

} // namespace

QStringList OverlappingControls(QWidget* window) {
    QApplication::processEvents();
    std::vector<std::pair<QWidget*, QRect>> shown;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (platform::Control::ofWidget(w) && w->isVisible() && !ShownRect(window, w).isEmpty())
            shown.emplace_back(w, ShownRect(window, w));
    QStringList overlaps;
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            auto [a, ra] = shown[i];
            auto [b, rb] = shown[j];
            const QRect both = ra & rb;
            if (both.isEmpty() || a->isAncestorOf(b) || b->isAncestorOf(a) ||
                HeldOrPicked(a, ra, b, rb))
                continue;
            if (!Intended(NameOf(a), NameOf(b)))
                overlaps << QStringLiteral("%1 and %2 overlap by %3 x %4 px")
                                .arg(NameOf(a), NameOf(b), QString::number(both.width()),
                                     QString::number(both.height()));
        }
    return overlaps;
}

QStringList Faults(QWidget* window, const QStringList& knownCut) {
    QStringList faults = CoveredControls(window);
    faults += OverlappingControls(window);
    for (const QString& cut : CutCaptions(window))
        if (!knownCut.contains(cut.section(QLatin1Char(':'), 0, 0))) faults << cut;
    return faults;
}

void SaveShot(QWidget* widget, const QString& file) {
    QApplication::processEvents();
    const QPixmap shot = widget->grab();
    EXPECT_FALSE(shot.isNull()) << file.toStdString();
    EXPECT_TRUE(shot.save(file)) << file.toStdString();
}

void BringToView(QWidget* widget) {
    std::vector<QWidget*> chain;
    for (QWidget* x = widget; x; x = x->parentWidget())
        chain.push_back(x);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        platform::TabStrip* strip = StripOf(*it);
        if (!strip) continue;
        for (int i = 0; i < strip->tabs(); ++i)
            if (strip->page(i).containerWidget() == *it && strip->tab() != i) strip->setTab(i);
    }
    QApplication::processEvents();
}

void ForEachPage(QWidget* window, const std::function<void(const QString& page)>& check) {
    std::vector<QWidget*> pages;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (StripOf(w)) pages.push_back(w);
    if (pages.empty()) {
        check(QStringLiteral("the window"));
        return;
    }
    for (QWidget* page : pages) {
        BringToView(page);
        // A page of a strip on a tab that cannot be chosen is not met.
        if (!page->isVisible()) continue;
        platform::TabStrip* strip = StripOf(page);
        int index = 0;
        while (index < strip->tabs() && strip->page(index).containerWidget() != page)
            ++index;
        check(strip->name() + QStringLiteral(" tab ") + QString::number(index));
    }
}

} // namespace window_look
