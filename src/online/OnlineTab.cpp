#include "online/OnlineTab.h"

OnlineTab::OnlineTab(Program& p, platform::Container& page)
    : SSTab5(page, "SSTab5", {"Do&wnload", "&Upload"}), p_(p) {
    SSTab5.move(120, 420, 9975, 4335);
}
