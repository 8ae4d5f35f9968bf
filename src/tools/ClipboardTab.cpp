#include "tools/ClipboardTab.h"

ClipboardTab::ClipboardTab(Program& p, platform::Container& page) : p_(p), page_(page) {}
