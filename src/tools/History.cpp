#include "tools/History.h"

#include "shell/Program.h"
#include "shell/frmMain.h"

History::History(Program& p) : p_(p) {}

void History::SaveSnapshot(const QString& action, const QString& details) {
    snapshots_.push_back({action, details});
}

// A loaded subtitle file is what the file menu's Add, Save, Print and Preview
// need; their enabled state tells the navigation tree that there is one.
void History::ClearHistoryWindow() {
    snapshots_.clear();
    frmMain& main = p_.main();
    main.editor.SSTab2.setEnabled(true);
    main.editor.SSTab3.setEnabled(true);
    for (platform::Menu* item :
         {&main.mnuAddFile, &main.mnuSavesubfile, &main.mnuPrint, &main.mnuPreview})
        item->setEnabled(true);
}
