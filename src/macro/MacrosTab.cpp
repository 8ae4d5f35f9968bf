#include "macro/MacrosTab.h"

MacrosTab::MacrosTab(Program& p, platform::Container& page)
    : SSTab4(page, "SSTab4", {"Macro", "Wizard"}), p_(p) {
    SSTab4.move(120, 420, 9975, 4335);
}
