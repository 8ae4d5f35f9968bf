#include "calculator/CalcClip.h"

#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

void AddClipboardItem(Program& p, const QString& label, const QString& value) {
    ClipboardTab& clipboard = p.main().clipboard;
    platform::ListBox& list = clipboard.List1;
    list.addItem(label + runtime::TrimStr(list.listCount() + 1) + QLatin1Char('>') + value);
    list.setListIndex(list.listCount() - 1);
    for (int i = ClipboardTab::CopyB; i < ClipboardTab::ActionCount; ++i)
        clipboard.command4[i].setEnabled(true);
}
