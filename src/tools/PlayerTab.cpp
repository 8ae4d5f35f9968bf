#include "tools/PlayerTab.h"

PlayerTab::PlayerTab(Program& p, platform::Container& page) : p_(p), page_(page) {}
