#include "calculator/CalculatorTab.h"

CalculatorTab::CalculatorTab(Program& p, platform::Container& page)
    : tabCalculator(page, "tabCalculator", {"&Advanced", "C&lassic"}), p_(p) {
    tabCalculator.move(120, 420, 9975, 4095);
}
