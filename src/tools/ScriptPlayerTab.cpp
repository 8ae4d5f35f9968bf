#include "tools/ScriptPlayerTab.h"

ScriptPlayerTab::ScriptPlayerTab(Program& p, platform::Container& page) : p_(p), page_(page) {}
