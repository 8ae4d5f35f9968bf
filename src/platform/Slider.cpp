#include "platform/Slider.h"

#include <QCursor>
#include <QSlider>
#include <QToolTip>

namespace platform {

namespace {
QSlider* sliderOf(QWidget* w) {
    return static_cast<QSlider*>(w);
}
} // namespace

Slider::Slider(Container& parent, const QString& name)
    : Control(parent, name, new QSlider(Qt::Horizontal)) {
    initColors(SysButtonFace, SysButtonText);
    QSlider* s = sliderOf(widget());
    s->setRange(0, 10);
    s->setSingleStep(1);
    s->setPageStep(5);
    s->setTickPosition(QSlider::TicksBelow);
    QObject::connect(s, &QSlider::valueChanged, s, [this] { valueChanged(); });
    QObject::connect(s, &QSlider::sliderPressed, s, [this] { valueAtPress_ = value(); });
    QObject::connect(s, &QSlider::sliderReleased, s, [this] { released(); });
    move(0, 0, 2415, 375);
}

void Slider::valueChanged() {
    QSlider* s = sliderOf(widget());
    if (!s->isSliderDown()) {
        if (onChange) onChange();
        return;
    }
    if (!text_.isEmpty()) QToolTip::showText(QCursor::pos(), text_, s);
    if (onScroll) onScroll();
}

void Slider::released() {
    QToolTip::hideText();
    if (value() != valueAtPress_ && onChange) onChange();
}

int Slider::value() const {
    return sliderOf(widget())->value();
}
void Slider::setValue(int v) {
    sliderOf(widget())->setValue(v);
}
int Slider::min() const {
    return sliderOf(widget())->minimum();
}
void Slider::setMin(int v) {
    sliderOf(widget())->setMinimum(v);
}
int Slider::max() const {
    return sliderOf(widget())->maximum();
}
void Slider::setMax(int v) {
    sliderOf(widget())->setMaximum(v);
}
int Slider::smallChange() const {
    return sliderOf(widget())->singleStep();
}
void Slider::setSmallChange(int v) {
    sliderOf(widget())->setSingleStep(v);
}
int Slider::largeChange() const {
    return sliderOf(widget())->pageStep();
}
void Slider::setLargeChange(int v) {
    sliderOf(widget())->setPageStep(v);
}

} // namespace platform
