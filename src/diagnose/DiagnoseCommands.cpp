// The Diagnose group of commands: a pair (On, Off) for each option box, Go
// and Print. A box command sets the box as a click would, so the box reports
// its action itself.

#include "diagnose/DiagnoseTab.h"
#include "shell/Program.h"

void DiagnoseTab::registerCommands() {
    const char* boxNames[OptionCount] = {
        "Set.Check.EL",    "Set.Check.OL",         "Set.Check.ITL", "Set.Check.NL",
        "Set.Count.Words", "Set.Count.Multilines", "Set.Count.DT",  "Set.Repair.Overlapping",
        "Set.Repair.IL",   "Set.Repair.EL"};
    CommandRegistry& c = p_.commands;
    const QString group = QStringLiteral("Diagnose.");
    for (int i = 0; i < OptionCount; ++i) {
        const QString name = group + QString::fromLatin1(boxNames[i]);
        c.add(name + QStringLiteral(".On"), TickedAction(i),
              [this, i] { Check3[i].setValue(platform::CheckBox::Checked); });
        c.add(name + QStringLiteral(".Off"), TickedAction(i) + 1,
              [this, i] { Check3[i].setValue(platform::CheckBox::Unchecked); });
    }
    c.add(group + QStringLiteral("Go"), 719, [this] { DiagnoseGoClick(); });
    c.add(group + QStringLiteral("Print"), 720, [this] { DiagnosePrint(); });
}
