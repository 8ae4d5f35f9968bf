#include "platform/ProgressBar.h"

#include <QProgressBar>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {
// The widget counts in steps of this fraction of the range, so that fractions
// of a unit (and any Min and Max) show.
constexpr int WidgetSteps = 10000;
} // namespace

ProgressBar::ProgressBar(Container& parent, const QString& name)
    : Control(parent, name, new QProgressBar) {
    initColors(SysButtonFace, SysButtonText);
    auto* bar = static_cast<QProgressBar*>(widget());
    bar->setRange(0, WidgetSteps);
    bar->setTextVisible(false);
    showValue();
    move(0, 0, 1935, 255);
}

void ProgressBar::showValue() {
    const double fraction = (value_ - min_) / (max_ - min_);
    static_cast<QProgressBar*>(widget())->setValue(int(std::lround(fraction * WidgetSteps)));
}

void ProgressBar::setValue(double v) {
    if (std::isnan(v)) return;
    value_ = std::clamp(v, min_, max_);
    showValue();
}

void ProgressBar::setMin(double v) {
    if (!(v < max_)) return;
    min_ = v;
    setValue(value_);
}

void ProgressBar::setMax(double v) {
    if (!(v > min_)) return;
    max_ = v;
    setValue(value_);
}

} // namespace platform
