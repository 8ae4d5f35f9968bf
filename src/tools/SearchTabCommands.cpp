// The macro commands of the Search/Replace tab, and the store of a field's
// value as a macro variable that the Editor's "mcrVar.Set" commands share.

#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "tools/SearchTab.h"
#include "tools/TimingTools.h"

void AddVariableCommand(Program& p, const char* name, int code, std::function<QString()> value) {
    p.commands.add(QString::fromLatin1(name), code,
                   [&p, code, value = std::move(value)](const QString& data) {
                       p.macro.StoreVariable(data, value());
                       p.macro.SetMacroAction(QString(), code);
                   });
}

void SearchTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    timing::AddFieldCommand(p_, "Editor.SR.Search.Text", 506, rtfSearch);
    timing::AddFieldCommand(p_, "Editor.SR.Replace.Text", 507, rtfReplace);
    c.add(QStringLiteral("Editor.SR.Go"), 508, [this] { SearchReplaceGo(); });
    c.add(QStringLiteral("Editor.SR.Set.Search"), 509, [this] { Option1[0].setValue(true); });
    c.add(QStringLiteral("Editor.SR.Set.Replace"), 510, [this] { Option1[1].setValue(true); });
    AddVariableCommand(p_, "Editor.mcrVar.Set.Search", 551, [this] { return rtfSearch.text(); });
    AddVariableCommand(p_, "Editor.mcrVar.Set.Replace", 552, [this] { return rtfReplace.text(); });
}
