// Export: the macro being edited, as the editor shows it, to a .mcr file
// chosen in \Data\Macro\Export.
#include "fileio/frmFile.h"
#include "macro/MacroEditor.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTime>
#include <pwd.h>
#include <unistd.h>

namespace {

// The macro's name as a file name: letters and digits only, a capital at the
// start and after each "." or blank ("my first.macro" gives MyFirstMacro).
QString ProposedFileName(const QString& name) {
    QString file;
    bool capital = true;
    for (const QChar c : name) {
        if (c == u'.' || c == u' ') {
            capital = true;
            continue;
        }
        const bool ascii = c.unicode() < 128;
        if (!ascii || !c.isLetterOrNumber()) continue;
        file += capital ? c.toUpper() : c;
        capital = false;
    }
    return file;
}

// The chosen path with ".mcr" in place of the file name's own extension; a
// "." in a folder name stays.
QString WithMacroExtension(const QString& chosen) {
    const QFileInfo info(chosen);
    const QString file = info.fileName();
    const qsizetype dot = file.lastIndexOf(u'.');
    const QString base = dot < 0 ? file : file.left(dot);
    return QDir(info.path()).filePath(base + QStringLiteral(".mcr"));
}

// The user's name from the environment, else the account's own name (a
// session started by a service or a desktop launcher may have no USER).
QString UserName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty()) name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        if (const passwd* account = getpwuid(getuid()))
            name = QString::fromLocal8Bit(account->pw_name);
    return name;
}

void PresetChooser(Program& p, frmFile& chooser, const QString& name) {
    const QString folder = p.folder.path(runtime::Place::MacroExportFolder);
    QDir().mkpath(folder);
    chooser.ShowFolder(folder);
    chooser.List3.setListIndex(frmFile::TypeMacro);
    chooser.txtFilename.setText(ProposedFileName(name));
    chooser.txtFilename.setEnabled(true);
    chooser.txtFilename.setLocked(false);
    chooser.Check1.setEnabled(false);
    chooser.lblInfo.setCaption(p.texts.Say("Export Macro"));
    chooser.Label6.setEnabled(false);
    chooser.List3.setVisible(false);
}

} // namespace

void MacroEditor::MacroExport() {
    if (currentSlot() < 0) return;
    frmFile& chooser = p_.fileChooser();
    const bool typesShown = chooser.List3.visible();
    const QString name = rtfMacroName.text();
    PresetChooser(p_, chooser, name);
    chooser.showModal();
    chooser.Label6.setEnabled(true);
    chooser.List3.setVisible(typesShown);
    if (p_.messages.MsgResult == AnswerCancel) return;
    const QString path = WithMacroExtension(chooser.lblFullName.caption());
    const QLocale locale = QLocale::system();
    QStringList lines = {
        p_.shell.ProgramVersion + QStringLiteral(":=") + name,
        QStringLiteral("<Comment>"),
        QStringLiteral("  This macro was created by: ") + UserName(),
        QStringLiteral("  Date: ") + locale.toString(QDate::currentDate(), QLocale::ShortFormat),
        QStringLiteral("  Time: ") + locale.toString(QTime::currentTime(), QLocale::ShortFormat),
        QStringLiteral("</Comment>")};
    for (int i = 0; i < List7.listCount(); ++i)
        lines << List7.list(i);
    QString error;
    if (!runtime::WriteTextFile(path, lines, &error))
        p_.messages.ShowMessage(p_.texts.Say("The macro was not exported: %1",
                                             MessageWindow::Verbatim(p_.texts.Told(error))),
                                KindExclamation, QStringLiteral("ok"), QStringLiteral("Export"));
}
