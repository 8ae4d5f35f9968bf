#include "fileio/FileWindowCommands.h"

#include "fileio/frmFile.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmControl.h"

void RegisterFileWindowCommands(Program& p) {
    CommandRegistry& c = p.commands;
    c.add(QStringLiteral("File.Handling.Set.Settings.Type"), 1401, [&p](const QString& data) {
        p.fileChooser().List3.setListIndex(static_cast<int>(runtime::Val(data)));
    });
    c.add(QStringLiteral("File.Handling.Set.Check.SA.On"), 1402,
          [&p] { p.fileChooser().Check1.setValue(platform::CheckBox::Checked); });
    c.add(QStringLiteral("File.Handling.Set.Check.SA.Off"), 1403,
          [&p] { p.fileChooser().Check1.setValue(platform::CheckBox::Unchecked); });
    c.add(QStringLiteral("File.Handling.Load"), 1404, [&p](const QString& data) {
        QString name = data;
        int format = 0, startRow = 1;
        p.loader.LoadSubFile(name, format, startRow, false, false, false);
    });
    c.add(QStringLiteral("File.Control.Set.AutoClose.On"), 1501,
          [&p] { p.control().chkClose.setValue(platform::CheckBox::Checked); });
    c.add(QStringLiteral("File.Control.Set.AutoClose.Off"), 1502,
          [&p] { p.control().chkClose.setValue(platform::CheckBox::Unchecked); });
}
