#include "platform/StatusBar.h"

#include "platform/Form.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

namespace platform {

StatusBar::StatusBar(Form& form, const QString& name, int panels)
    : Control(form.host(), name, new QStatusBar) {
    auto* bar = static_cast<QStatusBar*>(widget());
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < panels; ++i) {
        auto* l = new QLabel;
        l->setFrameShape(QFrame::StyledPanel);
        l->setFrameShadow(QFrame::Sunken);
        // Panels share the bar in proportion to their widths and never force
        // the window wider than it is.
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        l->setMinimumWidth(0);
        bar->addWidget(l, 1);
        panels_.push_back(l);
        widths_.push_back(2400);
    }
    form.setStatusBarWidget(bar);
}

QLabel* StatusBar::panel(int i) const {
    return (i >= 1 && i <= panelCount()) ? panels_[std::size_t(i - 1)] : nullptr;
}

QString StatusBar::panelText(int i) const {
    QLabel* l = panel(i);
    return l ? l->text() : QString();
}

void StatusBar::setPanelText(int i, const QString& text) {
    if (QLabel* l = panel(i)) l->setText(text);
}

int StatusBar::panelWidth(int i) const {
    return panel(i) ? widths_[std::size_t(i - 1)] : 0;
}

void StatusBar::setPanelWidth(int i, int twips) {
    QLabel* l = panel(i);
    if (!l) return;
    widths_[std::size_t(i - 1)] = std::max(0, twips);
    auto* bar = static_cast<QStatusBar*>(widget());
    bar->removeWidget(l);
    bar->insertWidget(i - 1, l, std::max(1, toPixels(widths_[std::size_t(i - 1)])));
    l->show();
}

int StatusBar::textWidth(int i, const QString& text) const {
    QLabel* l = panel(i);
    if (!l) return 0;
    const int margins = 2 * l->frameWidth() + l->contentsMargins().left() +
                        l->contentsMargins().right() + 2 * l->margin() + 12;
    return toTwips(QFontMetrics(l->font()).horizontalAdvance(text) + margins);
}

} // namespace platform
