#include "tools/History.h"

#include "shell/Program.h"
#include "shell/frmMain.h"

History::History(Program& p) : p_(p) {}

void History::SaveSnapshot(const QString& action, const QString& details) {
    snapshots_.push_back({action, details});
}

void History::ClearHistoryWindow() {
    snapshots_.clear();
    p_.main().editor.SSTab2.setEnabled(true);
    p_.main().editor.SSTab3.setEnabled(true);
}
