#include "diagnose/DiagnoseTab.h"

DiagnoseTab::DiagnoseTab(Program& p, platform::Container& page) : p_(p), page_(page) {}
