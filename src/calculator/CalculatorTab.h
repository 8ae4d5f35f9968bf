#pragma once
// The Calculator tab of the main window: the advanced (tablet) and classic
// calculators on the sub-tabs of tabCalculator.

#include "platform/TabStrip.h"

class Program;

class CalculatorTab {
public:
    CalculatorTab(Program& p, platform::Container& page);

    platform::TabStrip tabCalculator;

private:
    Program& p_;
};
