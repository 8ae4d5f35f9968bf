#pragma once
// A progress bar from Min to Max (0 to 100 unless set). Value is a real
// number, as the program writes percentages; a value outside the range is
// taken as the nearest end. A Min not below Max (or a Max not above Min) is
// ignored, and the value is moved into the new range.

#include "platform/Control.h"

namespace platform {

class ProgressBar : public Control {
public:
    ProgressBar(Container& parent, const QString& name);

    double value() const { return value_; }
    void setValue(double v);
    double min() const { return min_; }
    void setMin(double v);
    double max() const { return max_; }
    void setMax(double v);

private:
    void showValue();

    double min_ = 0, max_ = 100, value_ = 0;
};

} // namespace platform
