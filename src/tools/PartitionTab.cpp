#include "tools/PartitionTab.h"

PartitionTab::PartitionTab(Program& p, platform::Container& page) : p_(p), page_(page) {}
