// Plug-in macros: each .mcr file in \Data\Macro whose header carries this
// version and a name not in use becomes a macro on a free slot.
#include "macro/MacroEditor.h"
#include "macro/MacroLibrary.h"
#include "macro/MacroPickers.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString Assign = QStringLiteral(":=");
const QString CommentStart = QStringLiteral("<Comment>");
const QString CommentEnd = QStringLiteral("</Comment>");

QString PluginName(const QString& header) {
    const qsizetype assign = header.indexOf(Assign);
    return assign >= 0 ? header.mid(assign + Assign.size()) : header.mid(1);
}

} // namespace

void MacroLibrary::ReadPlugins() {
    const QDir folder(p_.folder.path(runtime::Place::MacroFolder));
    const QStringList files =
        folder.entryList({QStringLiteral("*.mcr")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        const QString path = folder.filePath(file);
        if (ReadPlugin(path)) continue;
        p_.messages.ShowMessage(p_.texts.Say("Data in %1 is corrupt. Press 'Ok' to cancel reading.",
                                             MessageWindow::Verbatim(path)),
                                KindStop, QStringLiteral("ok"), QStringLiteral("Plugin Error"));
        return;
    }
    frmMain& main = p_.main();
    if (main.macroPickers.Combo5.listCount() == 0) return;
    main.macroPickers.Combo5.setListIndex(0);
    main.macroEditor.Command36.setEnabled(true);
    main.macroEditor.rtfMacroName.setEnabled(true);
}

// False for a file that cannot be read, a macro with no free slot or more
// lines than a macro holds; a file of another version, without a name or
// with a name in use is skipped (true).
bool MacroLibrary::ReadPlugin(const QString& path) {
    const runtime::TextFileContent read = runtime::ReadTextFile(path);
    if (!read.ok) return false;
    const QStringList& lines = read.lines;
    if (lines.isEmpty() || !lines[0].startsWith(p_.shell.ProgramVersion)) return true;
    const QString name = MacroLibrary::OneLine(PluginName(lines[0]));
    MacroEditor& editor = p_.main().macroEditor;
    if (name.trimmed().isEmpty() || editor.HasMacroNamed(name)) return true;
    QStringList body;
    bool comment = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i] == CommentStart) comment = true;
        if (!comment) body << lines[i];
        if (lines[i] == CommentEnd) comment = false;
    }
    while (!body.isEmpty() && body.last().isEmpty())
        body.removeLast();
    if (body.size() > Lines - 1) return false;
    const int slot = editor.AddMacroEntry(name);
    if (slot < 0) return false;
    for (qsizetype l = 0; l < body.size(); ++l)
        MacroStore[static_cast<std::size_t>(slot)][static_cast<std::size_t>(l + 1)] = body[l];
    WizardList << name;
    if (WizardListIndex < 0) WizardListIndex = 0;
    pluginFiles_.insert(name.toLower(), path);
    return true;
}

bool MacroLibrary::HasPluginFile(const QString& name) const {
    const QString path = pluginFiles_.value(name.toLower());
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool MacroLibrary::SetAsidePluginOf(const QString& name, QString* error) {
    const QString path = pluginFiles_.take(name.toLower());
    if (path.isEmpty() || !QFileInfo::exists(path)) return true;
    // A file of that name already there (an earlier deletion's, or the
    // user's own) is kept: the next free number is taken.
    QString aside = path + QStringLiteral(".deleted");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".deleted.") + QString::number(n);
    if (QFile::rename(path, aside)) return true;
    if (error)
        *error = p_.texts.Say("'%1' comes from the plug-in file %2, which could not be set "
                              "aside: the macro comes back at the next start.",
                              MessageWindow::Verbatim(name), MessageWindow::Verbatim(path));
    return false;
}
