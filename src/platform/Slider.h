#pragma once
// A horizontal slider from Min to Max (0 to 10 unless set), moved by
// SmallChange with the arrow keys and by LargeChange with Page Up/Down or a
// click beside the handle. Change runs once for each change of Value by code,
// by a key or a click; while the user drags the handle, Scroll runs for each
// step and Change once when the handle is let go (if the value moved). Text is
// the tip shown beside the handle while it is dragged.

#include "platform/Control.h"

namespace platform {

class Slider : public Control {
public:
    Slider(Container& parent, const QString& name);

    // Values outside Min..Max are taken as the nearest end.
    int value() const;
    void setValue(int v);
    int min() const;
    void setMin(int v);
    int max() const;
    void setMax(int v);
    int smallChange() const;
    void setSmallChange(int v);
    int largeChange() const;
    void setLargeChange(int v);
    QString text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

    std::function<void()> onChange;
    std::function<void()> onScroll;

private:
    void valueChanged();
    void released();

    QString text_;
    int valueAtPress_ = 0;
};

} // namespace platform
