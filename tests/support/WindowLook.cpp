#include "support/WindowLook.h"

#include "platform/Control.h"
#include "platform/TabStrip.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QWidget>
#include <vector>

namespace window_look {

namespace {

bool Clickable(QWidget* w, const platform::Control& c) {
    if (c.onClick || c.onMouseDown || c.onDblClick) return true;
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QTextEdit*>(w) || qobject_cast<QAbstractSlider*>(w);
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

QStringList CoveredControls(QWidget* window) {
    QApplication::processEvents();
    QStringList covered;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const platform::Control* c = platform::Control::ofWidget(w);
        if (!c || !w->isVisible() || !w->isEnabled() || !Clickable(w, *c)) continue;
        if (w->width() < 2 || w->height() < 2) continue;
        const QPoint middle = w->mapTo(window, w->rect().center());
        QWidget* top = window->childAt(middle);
        if (top == w || w->isAncestorOf(top)) continue;
        covered << QStringLiteral("%1 at (%2, %3) under %4")
                       .arg(c->name())
                       .arg(middle.x())
                       .arg(middle.y())
                       .arg(NameOf(top));
    }
    return covered;
}

QStringList CutCaptions(QWidget* window) {
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const platform::Control* c = platform::Control::ofWidget(w);
        if (!c || !w->isVisible()) continue;
        QString text;
        int room = w->contentsRect().width();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || label->textFormat() == Qt::RichText) continue;
            text = label->text();
            room -= 2 * label->margin() + label->indent() * 0;
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
            if (!qobject_cast<QAbstractButton*>(w)->icon().isNull()) continue;
            // A check or option box gives its mark about 20 pixels.
            if (w->inherits("QCheckBox") || w->inherits("QRadioButton")) room -= 20;
        } else {
            continue;
        }
        text.remove(QLatin1Char('&'));
        if (text.isEmpty() || text.contains(QLatin1Char('\n'))) continue;
        const int needed = QFontMetrics(w->font()).horizontalAdvance(text);
        if (needed > room)
            cut << QStringLiteral("%1: \"%2\" (%3 of %4 px)")
                       .arg(c->name(), text)
                       .arg(needed)
                       .arg(room);
    }
    return cut;
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
