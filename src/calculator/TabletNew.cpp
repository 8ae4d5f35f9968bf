// A new, empty tablet: named in the file chooser, written to \Data\Calculator
// and made current.
#include "calculator/Tablets.h"

#include "fileio/frmFile.h"
#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString Extension = QStringLiteral(".sac");
const QString Title = QStringLiteral("Tablet Error");

// The chooser offers the tablet folder and type, without the type list.
frmFile& PresetChooser(Program& p, int tablets) {
    frmFile& chooser = p.fileChooser();
    const QString folder = p.folder.path(runtime::Place::CalculatorFolder);
    QDir().mkpath(folder);
    chooser.ShowFolder(folder);
    chooser.List3.setListIndex(frmFile::TypeTablet);
    chooser.txtFilename.setText(QStringLiteral("Tablet") + runtime::TrimStr(tablets + 1));
    chooser.PresetQuestion(true, p.texts.Say("Create new calculator tablet"), false);
    chooser.Label6.setVisible(false);
    chooser.List3.setVisible(false);
    return chooser;
}
} // namespace

void Tablets::CalcTabletNew() {
    frmFile& chooser = p_.fileChooser();
    const bool typesShown = chooser.List3.visible();
    PresetChooser(p_, static_cast<int>(TabletNames.size()));
    chooser.showModal();
    chooser.Label6.setVisible(true); // the type list is offered again to the next caller
    chooser.List3.setVisible(typesShown);
    if (p_.messages.MsgResult == AnswerCancel) return;
    const QString typed = chooser.txtFilename.text().trimmed();
    const QString path = NewTabletPath(chooser.lblFullName.caption(), typed);
    if (path.isEmpty() || !WriteNewTablet(path, typed)) return;
    LoadCalcTablets(false);
    const int entry = EntryOfFile(path);
    if (entry >= 0) p_.main().calculator.List11.setListIndex(entry);
    p_.macro.SetMacroAction(QString(), 210);
}

// The chosen file with the extension ".sac" in place of its own; "" (and
// told) for a name that leaves the tablet folder, an empty name, a name in
// use by another tablet, or an existing file the user keeps.
QString Tablets::NewTabletPath(const QString& chosen, const QString& typed) {
    const QString folder = p_.folder.path(runtime::Place::CalculatorFolder);
    const QFileInfo info(chosen);
    const QString file = info.fileName();
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? file : file.left(dot);
    if (typed.isEmpty() || base.isEmpty()) {
        ShowError(QStringLiteral("Please type a name for the new tablet."), Title);
        return {};
    }
    if (QDir::cleanPath(info.absolutePath()) != QDir::cleanPath(folder)) {
        ShowError(p_.texts.Say("Tablets are kept in %1: the tablet %2 was not created.",
                               MessageWindow::Verbatim(folder), MessageWindow::Verbatim(typed)),
                  Title);
        return {};
    }
    const QString path = QDir(folder).filePath(base + Extension);
    for (int i = 0; i < TabletNames.size(); ++i)
        if (TabletNames[i].compare(typed, Qt::CaseInsensitive) == 0 &&
            QDir::cleanPath(TabletFiles[i]) != QDir::cleanPath(path)) {
            ShowError(p_.texts.Say("A tablet named %1 exists already. Please choose another name.",
                                   MessageWindow::Verbatim(TabletNames[i])),
                      Title);
            return {};
        }
    if (p_.files.FileExist(path) != AnswerYes) return {};
    return path;
}

// The header and 1300 empty cells, written whole or not at all.
bool Tablets::WriteNewTablet(const QString& path, const QString& name) {
    QStringList lines{p_.shell.ProgramVersion + QStringLiteral(":=") + name};
    for (int i = 0; i < CellLines; ++i)
        lines << QStringLiteral("@");
    QString error;
    if (runtime::WriteTextFile(path, lines, &error)) return true;
    ShowError(p_.texts.Say("The tablet %1 was not created:/n%2", MessageWindow::Verbatim(name),
                           MessageWindow::Verbatim(p_.texts.Told(error))),
              Title);
    return false;
}
