#include "tools/History.h"

#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/InstantHelp.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"
#include "tools/HistorySnapshot.h"
#include "tools/frmHistory.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

using runtime::TrimStr;

namespace {
const QString Title = QStringLiteral("History");
constexpr int HistoryHelpPage = 27;

// The time in the system's long format, without a time zone.
QString TimeNow() {
    const QLocale locale = QLocale::system();
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(QTime::currentTime(), format.trimmed());
}
} // namespace

History::History(Program& p) : p_(p) {}

QString History::SnapshotNumber(int number) {
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

QString History::SnapshotFile(int number) const {
    return p_.folder.path(runtime::Place::ScratchFolder,
                          SnapshotNumber(number) + QStringLiteral(".shd"));
}

QString History::NewEntry(const QString& number, const QString& action) const {
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    return number + QStringLiteral(" [") + date + QLatin1Char(',') + TimeNow() +
           QStringLiteral("] ") + action;
}

bool History::SaveSnapshot(const QString& action, const QString& details) {
    if (off_) return true; // said once at the start
    const int number = static_cast<int>(snapshots_.size());
    if (number >= MaxSnapshots) {
        Tell(QStringLiteral("The change history is full: it holds 10,000 snapshots, numbered "
                            "0000 to 9999. The change was not made./nSave the file and load it "
                            "again to start a new history."));
        return false;
    }
    // A full disk takes no lock file: the run has no scratch folder then.
    const QString scratch = p_.folder.path(runtime::Place::ScratchFolder);
    const double room = p_.folder.holdsScratch() ? MinRoom : FreeRoom(NearestScratchFolder());
    if (room >= 0 && room < MinRoom)
        return GoOnWithout(
            p_.texts.Say("Cannot write %1: no room for this run's scratch folder", scratch));
    QDir().mkpath(scratch);
    QString error;
    int failure = 0;
    const QString file = SnapshotFile(number);
    if (!WriteSnapshotFile(file, p_.shell.ProgramVersion, p_.doc.grid(), p_.doc.FileNodes, error,
                           &failure)) {
        // A full folder stays full, and a limit stays as it was.
        if (failure == ENOSPC || failure == EDQUOT) return GoOnWithout(error);
        if (failure == EFBIG) return GoOnOverSizeLimit(error);
        Tell(p_.texts.Say("History snapshot %1 could not be written, so the change was not "
                          "made:/n%2",
                          SnapshotNumber(number), MessageWindow::Verbatim(p_.texts.Told(error))));
        return false;
    }
    snapshots_.push_back({NewEntry(SnapshotNumber(number), action), action, details});
    if (p_.hasHistoryWindow())
        p_.historyWindow().AddEntry(snapshots_.back().entry, snapshots_.back().details);
    return true;
}

bool History::RestoreSnapshot(const QString& entry) {
    const QString number = entry.left(4);
    const bool digits = number.size() == 4 && std::all_of(number.begin(), number.end(),
                                                          [](QChar c) { return c.isDigit(); });
    // Only this document's history: a file of an earlier document's history
    // may still carry a higher number.
    if (!digits || number.toInt() >= static_cast<int>(snapshots_.size())) {
        Tell(p_.texts.Say("\"%1\" names no history snapshot.", MessageWindow::Verbatim(entry)));
        return false;
    }
    const runtime::TextFileContent file = runtime::ReadTextFile(SnapshotFile(number.toInt()));
    SnapshotContent content;
    QString fault = file.error;
    if (!file.ok || !ParseSnapshot(file.lines, content, fault)) {
        Tell(p_.texts.Say("History snapshot %1 cannot be restored: %2/nThe document was left as "
                          "it was.",
                          number, MessageWindow::Verbatim(p_.texts.Told(fault))));
        return false;
    }
    Restore(content);
    return true;
}

// A restore is a change of the document: it differs from its file, and the
// player's line list is built again when next needed.
void History::Restore(const SnapshotContent& content) {
    platform::Grid& g = p_.doc.grid();
    g.holdRowColChange();
    RestoreGrid(content);
    RestoreParts(content);
    FitFontList();
    EditorTab& editor = p_.main().editor;
    editor.rtfEdit.setVisible(false);
    editor.cmdInvCalc.setVisible(false);
    p_.doc.MarkNodes(1);
    p_.doc.FileChanged = true;
    p_.doc.LineListValid = false;
    g.releaseRowColChange();
    p_.diag.GoDiagnose();
    p_.edit.ShowCurrentLine();
}

// Every row is written afresh (the old colours go with the old rows); the
// last row is the spare row and takes no number. The current cell stays
// where it was as far as the restored rows reach.
void History::RestoreGrid(const SnapshotContent& content) {
    platform::Grid& g = p_.doc.grid();
    const int row = g.row(), col = g.col();
    g.setRows(1);
    g.setRows(content.rows + 1);
    for (int r = 1; r <= content.rows; ++r) {
        g.setTextMatrix(r, 0, r < content.rows ? TrimStr(r) : QString());
        const qsizetype at = qsizetype(r - 1) * SnapshotCols;
        for (int c = 0; c < SnapshotCols; ++c)
            g.setTextMatrix(r, SnapshotFirstCol + c, content.cells[at + c]);
    }
    g.setCurrentCell(std::clamp(row, 1, content.rows), col);
}

void History::RestoreParts(const SnapshotContent& content) {
    NodeTable& nodes = p_.doc.FileNodes;
    nodes.clear();
    nodes.setCount(static_cast<int>(content.parts.size()) - 1);
    for (int i = 0; i < static_cast<int>(content.parts.size()); ++i) {
        const SnapshotPart& part = content.parts[std::size_t(i)];
        nodes.setName(i, part.name);
        nodes.setFirstRow(i, part.firstRow);
        nodes.setLastRow(i, part.lastRow);
        nodes.setInIndex(i, part.inIndex);
    }
    nodes.setCurrent(content.current);
}

// One font entry per line after entry 0: lines the snapshot brings back get
// the default font, entries past the last line go.
void History::FitFontList() {
    QStringList& fonts = p_.doc.lstFont;
    const int entries = p_.doc.lineCount() + 1;
    if (fonts.isEmpty()) fonts.append(QString());
    while (fonts.size() < entries)
        fonts.append(p_.doc.DefaultFontSpec());
    if (fonts.size() > entries) fonts.resize(entries);
}

// A loaded subtitle file is what the file menu's Add, Save, Print and Preview
// need; their enabled state tells the navigation tree that there is one.
void History::ClearHistoryWindow() {
    snapshots_.clear();
    ReleaseEditing();
    if (p_.hasHistoryWindow()) p_.historyWindow().ClearEntries();
}

void History::ReleaseEditing() {
    frmMain& main = p_.main();
    main.editor.SSTab2.setEnabled(true);
    main.editor.SSTab3.setEnabled(true);
    for (platform::Menu* item :
         {&main.mnuAddFile, &main.mnuSavesubfile, &main.mnuPrint, &main.mnuPreview, &main.mnuExit})
        item->setEnabled(true);
    main.online.Combo8[1].setEnabled(true);
    main.editor.rtfEdit.setEnabled(true);
    main.editor.cmdInvCalc.setEnabled(true);
}

void History::MenuHistory() {
    frmMain& main = p_.main();
    if (p_.settings().autoHelp()) {
        main.SSTab1.setTab(1);
        ShowHelpPage(p_, HistoryHelpPage);
    }
    frmHistory& window = p_.historyWindow();
    window.CentreOver(main);
    window.showModal();
}

// The scratch folder, where the snapshots go, or the nearest folder above
// it that exists: may this process write there (permissions, a read-only
// disk), and is there room? Nothing is written to find out.
void History::CheckProgramFolder() {
    const QString folder = NearestScratchFolder();
    const QByteArray name = QFile::encodeName(folder);
    if (::access(name.constData(), W_OK | X_OK) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        TurnOff(p_.texts.Say("Mirel cannot write to its program folder %1 (%2: %3).",
                             MessageWindow::Verbatim(p_.folder.root()),
                             MessageWindow::Verbatim(folder), reason),
                QStringLiteral("Program folder not writable"), p_.texts.Say("are not"));
        return;
    }
    const double room = FreeRoom(folder);
    if (room < 0 || room >= MinRoom) return;
    TurnOff(p_.texts.Say("Mirel's program folder %1 is full (%2: %3 bytes free).",
                         MessageWindow::Verbatim(p_.folder.root()), MessageWindow::Verbatim(folder),
                         QLocale::system().toString(room, 'f', 0)),
            QStringLiteral("Program folder full"), p_.texts.Say("may not be"));
}

// The scratch folder, or the nearest folder above it that exists.
QString History::NearestScratchFolder() const {
    QString folder =
        p_.folder.path(runtime::ProgramFolder::relative(runtime::Place::ScratchFolder));
    while (!QFileInfo(folder).isDir() && folder.size() > p_.folder.root().size())
        folder = QFileInfo(folder).path();
    return folder;
}

// The bytes this process may still write on the folder's disk; -1 unknown.
double History::FreeRoom(const QString& folder) {
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(folder).constData(), &disk) != 0) return -1;
    const auto blocks = geteuid() == 0 ? disk.f_bfree : disk.f_bavail;
    return double(blocks) * double(disk.f_frsize);
}

// A snapshot that found no room: the change goes on, and so does editing,
// without the history from here on.
bool History::GoOnWithout(const QString& error) {
    TurnOff(p_.texts.Say("%1/nThere is no room left for the change history.",
                         MessageWindow::Verbatim(p_.texts.Told(error))),
            QStringLiteral("Program folder full"), p_.texts.Say("may not be"));
    return true;
}

// A snapshot larger than a file this process may write: the folder has room,
// but the limit holds for every file Mirel writes.
bool History::GoOnOverSizeLimit(const QString& error) {
    off_ = true;
    rlimit limit{};
    const bool known = ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
    const QString bytes = known ? QLocale::system().toString(qulonglong(limit.rlim_cur))
                                : p_.texts.Say("a number of");
    p_.messages.ShowMessage(
        p_.texts.Say("%1/nMirel was started under a limit on the size of the files it may write "
                     "(%2 bytes; a shell sets it with \"ulimit -f\"), and a snapshot of this "
                     "document is larger. Its program folder is not full./n/nYou can edit all "
                     "the same, but without the change history (no snapshots, nothing to "
                     "restore), and no file larger than the limit can be saved: subtitle files, "
                     "settings, macros and lists alike. Start Mirel without the limit to have "
                     "them back.",
                     MessageWindow::Verbatim(p_.texts.Told(error)), bytes),
        KindExclamation, QStringLiteral("ok"), QStringLiteral("File too large"), false,
        {QString(), Question::Notice});
    return true;
}

void History::TurnOff(const QString& what, const QString& title, const QString& kept) {
    off_ = true;
    p_.messages.ShowMessage(
        p_.texts.Say("%1/n/nYou can edit and save subtitle files all the same, but without the "
                     "change history (no snapshots, nothing to restore), and settings, macros, "
                     "lists and the parts of subtitle files %2 kept for the next start.",
                     what, kept),
        KindExclamation, QStringLiteral("ok"), title, false, {QString(), Question::Notice});
}

void History::Tell(const QString& text) {
    p_.messages.ShowMessage(text, KindExclamation, QStringLiteral("ok"), Title);
}
