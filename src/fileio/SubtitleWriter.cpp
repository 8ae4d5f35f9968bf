// The subtitle writer: the grid's rows (or the partition engine's parts of
// them) as files in one of the sixteen formats, the format's extension and the
// overwrite question.
//
// A run first asks its questions and builds every file's lines in memory,
// then writes the files, each through a temporary file that replaces the
// target only when it was written whole. So a number that does not fit its
// field stops the run before any file is touched, and a failed write leaves
// the old file as it was.
//
// No row is left out in silence: a row whose start or end is not a time code
// cannot be written, and the user is told which rows those are and decides
// whether the file is written without them; the run then does not count as
// complete, so the document stays unsaved.

#include "document/FontSpec.h"
#include "document/Formats.h"
#include "document/MessageWindow.h"
#include "document/TimeCode.h"
#include "fileio/Files.h"
#include "fileio/SubtitleFormats.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "platform/ListBox.h"
#include "runtime/Strings.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace {

namespace sf = subtitle_formats;

const QString ZeroTime = QStringLiteral("00:00:00,000");
// The end of the one part of a write that is not a partition write.
const QString EndOfTime = QStringLiteral("99:59:59,999");
// Preview files are numbered in three digits.
constexpr int PreviewPartLimit = 999;

// The folder of a path, with its last "/" ("" when it has none).
QString folderOf(const QString& path) {
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

int askOverwrite(Program& p, const QString& fileName) {
    return p.messages.ShowMessage(p.texts.Say("File %1 already exists. \r\n\r\nDo you want to "
                                              "overwrite this file?",
                                              MessageWindow::Verbatim(fileName)),
                                  KindQuestion, QStringLiteral("yesno"),
                                  QStringLiteral("File exists"), false,
                                  {fileName, Question::Overwrite});
}

bool samePath(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

// "7, 12 and 30"; past twenty rows the rest are counted.
QString rowList(const TextTables& t, const std::vector<int>& rows) {
    constexpr std::size_t Named = 20;
    QStringList named;
    for (std::size_t i = 0; i < rows.size() && i < Named; ++i)
        named << QString::number(rows[i]);
    QString text = named.join(QStringLiteral(", "));
    if (rows.size() > Named) text += t.Say(" and %1 more", rows.size() - Named);
    return text;
}

// One file of a run, built in memory before anything is written.
struct PlannedFile {
    QString path;
    QStringList lines;
    Files::DiskState seen; // the file before the run's questions about it
};

class WriterRun {
public:
    WriterRun(Program& p, bool preview, bool fromPartitionList, int format, int firstRow,
              int lastRow, bool showProgress)
        : p_(p), preview_(preview), fromPartitionList_(fromPartitionList), format_(format),
          firstRow_(firstRow), lastRow_(lastRow), showProgress_(showProgress),
          layout_(sf::LayoutOf(format)) {}

    bool run();

private:
    // Refused: an overwrite was refused, and the parts before it are written.
    // Stopped: the user chose to write nothing.
    enum class Plan { Complete, Refused, Stopped, Failed };

    void begin();
    void finish();
    int partCount();
    Plan plan(int parts);
    bool planPart(int part, const QString& target, const Files::DiskState& seen);
    void readPartWindow(int part);
    QString targetName() const;
    QString previewPath(int part) const;
    bool mayWrite(const QString& target);
    bool mayReplacePartialFile(const QString& target);
    bool askSkippedRows();
    QString writeRows(const QString& target, QStringList& lines);
    bool askNegativeTime(const QString& target, int row);
    QString rebase(const QString& time) const;
    sf::RowInput rowInput(int row, const QString& start) const;
    void showProgress(int row);
    bool writePlanned();
    void recordWritten(const QString& path);
    bool fail(const QString& description);

    Program& p_;
    const bool preview_, fromPartitionList_;
    const int format_, firstRow_, lastRow_;
    const bool showProgress_;
    const sf::Layout* layout_;
    sf::LayoutContext context_;

    QString partStart_, partEnd_, partName_;
    bool partStartsAtZero_ = true;
    int cursor_ = 0;  // the next grid row to write, carried from part to part
    int counter_ = 0; // the current part's line number
    std::vector<PlannedFile> planned_;
    std::vector<int> skipped_; // rows that could not be written
    bool stopped_ = false;     // the user stopped the run at a question
};

bool WriterRun::run() {
    begin();
    const int parts = partCount();
    if (preview_ && parts > PreviewPartLimit)
        return fail(p_.texts.Say("%1 parts do not fit the three-digit preview file names", parts));
    Plan outcome = plan(parts);
    if (outcome == Plan::Failed) return false;
    if (outcome != Plan::Stopped && !askSkippedRows()) outcome = Plan::Stopped;
    if (outcome == Plan::Stopped) {
        finish();
        return false;
    }
    if (!writePlanned()) return false;
    finish();
    return outcome == Plan::Complete && (preview_ || skipped_.empty());
}

// Rows left out: the user is told which and decides whether the files are
// written without them. A preview shows, without asking, what a save would
// write.
bool WriterRun::askSkippedRows() {
    if (skipped_.empty() || preview_) return true;
    const QString text =
        p_.texts.Say(skipped_.size() == 1 ? "Row %1 cannot be written: a start or end time is not "
                                            "a time code (hh:mm:ss,fff).\r\nWrite the file "
                                            "without them? The document stays marked as not "
                                            "saved."
                                          : "Rows %1 cannot be written: a start or end time is "
                                            "not a time code (hh:mm:ss,fff).\r\nWrite the file "
                                            "without them? The document stays marked as not "
                                            "saved.",
                     rowList(p_.texts, skipped_));
    // Rows left out are lost from the file: no answer recorded for another question takes it.
    return p_.messages.ShowMessage(text, KindExclamation, QStringLiteral("yesno"),
                                   QStringLiteral("Rows not written"), false,
                                   {targetName(), Question::LinesNotRead}) == AnswerYes;
}

void WriterRun::begin() {
    if (showProgress_) p_.control().show();
    p_.host.screen.setMousePointer(platform::Screen::PointerHourglass);
    p_.main().partition.List2.clear();
    cursor_ = firstRow_;
    counter_ = 0;
    context_.frameRateMilli = sf::FrameRateMilli(p_.shell.FrameRateText);
    context_.fontName = p_.main().editor.font.Combo9[0].text();
    const StyleWords words = StyleWords::of(p_.texts);
    context_.boldWord = words.bold;
    context_.italicWord = words.italic;
}

void WriterRun::finish() {
    if (showProgress_ && !preview_) p_.control().ProgressBar1.setValue(0);
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
    if (showProgress_) p_.control().hide();
}

int WriterRun::partCount() {
    if (!fromPartitionList_) return 1;
    return std::max(0, p_.main().partition.grid.rows() - 2);
}

WriterRun::Plan WriterRun::plan(int parts) {
    for (int part = 1; part <= parts; ++part) {
        readPartWindow(part);
        const QString target = targetName();
        const Files::DiskState seen = Files::DiskStateOf(target);
        if (!preview_ && !mayWrite(target)) return Plan::Refused;
        if (!planPart(part, target, seen)) return Plan::Failed;
        if (stopped_) return Plan::Stopped;
    }
    return Plan::Complete;
}

// Header, rows and footer of one part, kept for writing.
bool WriterRun::planPart(int part, const QString& target, const Files::DiskState& seen) {
    PlannedFile file{preview_ ? previewPath(part) : target, {}, seen};
    if (layout_ && layout_->header) file.lines = layout_->header(context_);
    const QString error = writeRows(target, file.lines);
    if (!error.isEmpty()) return fail(error);
    if (layout_ && layout_->footer) file.lines += layout_->footer();
    planned_.push_back(std::move(file));
    return true;
}

// The part's start and end. Parts follow one another from 00:00:00,000, each
// as long as its length cell; the list is read through its current cell,
// which ends on the last part's length.
void WriterRun::readPartWindow(int part) {
    if (!fromPartitionList_) {
        partStart_ = ZeroTime;
        partEnd_ = EndOfTime;
        partStartsAtZero_ = true;
        return;
    }
    partStart_ = part == 1 ? ZeroTime : partEnd_;
    partStartsAtZero_ = partStart_ == ZeroTime;
    platform::Grid& list = p_.main().partition.grid;
    list.setCurrentCell(part, 1);
    partName_ = list.text();
    list.setCurrentCell(part, 2);
    partEnd_ = TimeCalc(partStart_, list.text(), QStringLiteral("+"));
}

// A part file is named by its name cell (up to its first ".") in the current
// file's folder; any other write goes to the file chooser's answer with the
// format's extension (an extension of the format already there stays).
QString WriterRun::targetName() const {
    const QString ext = Files::SetSubFileExt(format_);
    if (fromPartitionList_) {
        QString name = partName_.left(partName_.indexOf(QLatin1Char('.')));
        name.replace(QLatin1Char('/'), QLatin1Char('_')); // a name, never a path
        return folderOf(p_.files.CurFileName) + name + ext;
    }
    return formats::WithExtension(p_.fileChooser().lblFullName.caption(), format_);
}

QString WriterRun::previewPath(int part) const {
    return p_.folder.path(runtime::Place::ScratchFolder,
                          QStringLiteral("Splitprv.") +
                              QString::number(part).rightJustified(3, u'0'));
}

// The overwrite question; a file that an earlier part of this run is about to
// write counts as existing, as it will by then. A file another program saved
// over since Mirel read it asks about that change instead: one save, one
// question, whichever command saves.
bool WriterRun::mayWrite(const QString& target) {
    if (!mayReplacePartialFile(target)) return false;
    for (const PlannedFile& f : planned_)
        if (f.path == target) return askOverwrite(p_, target) == AnswerYes;
    if (p_.files.ChangedOnDisk(target)) return p_.files.MayOverwriteChange(target);
    return p_.files.FileExist(target) == AnswerYes;
}

// The file of a document that was read only in part is replaced only when
// the user agrees: the document lacks the lines that were not read.
bool WriterRun::mayReplacePartialFile(const QString& target) {
    const Document& doc = p_.doc;
    if (!samePath(target, doc.PartialReadFile)) return true;
    const QString lines = QString::number(doc.PartialReadLines);
    const QString text =
        p_.texts.Say("Only %1 lines of %2 were read; the rest of the file is not in the "
                     "document.\r\nSaving under this name replaces the whole file with these %1 "
                     "lines. Replace it?",
                     lines, MessageWindow::Verbatim(target));
    return p_.messages.ShowMessage(text, KindExclamation, QStringLiteral("yesno"),
                                   QStringLiteral("File read in part"), false,
                                   {target, Question::LinesNotRead}) == AnswerYes;
}

// The part's rows from the cursor on; in a partition write, as long as each
// starts before the part's end. A row whose times are not time codes is left
// out and remembered. Returns "" or the description of a number that does not
// fit its field.
QString WriterRun::writeRows(const QString& target, QStringList& lines) {
    const platform::Grid& grid = p_.doc.grid();
    for (int r = cursor_; r <= lastRow_; ++r) {
        showProgress(r);
        const QString start = grid.textMatrix(r, 1);
        if (!IsValidTimeCode(start) || !IsValidTimeCode(grid.textMatrix(r, 2))) {
            skipped_.push_back(r);
            cursor_ = r + 1;
            continue;
        }
        if (fromPartitionList_ && !(start < partEnd_)) { // this row opens the next part
            counter_ = 0;
            break;
        }
        cursor_ = r + 1;
        ++counter_;
        const sf::RowInput row = rowInput(r, start);
        if (row.start.startsWith(QLatin1Char('-')) && !askNegativeTime(target, r)) {
            // In a partition write the row is dropped and the part ends here;
            // any other write stops, since it has no later part to go on with.
            counter_ = 0;
            stopped_ = !fromPartitionList_;
            break;
        }
        if (!layout_) continue;
        const QString error = layout_->row(context_, row, lines);
        if (!error.isEmpty()) return error;
    }
    return {};
}

// True for "hh:mm:ss,fff" written with digits, which taking 00:00:00,000 off
// leaves as it is.
bool isPlainTimeCode(const QString& t) {
    if (t.size() != 12) return false;
    for (qsizetype i = 0; i < 12; ++i) {
        const QChar c = t[i];
        const bool ok = i == 2 || i == 5 ? c == u':'
                        : i == 8         ? c == u','
                                         : (c >= u'0' && c <= u'9');
        if (!ok) return false;
    }
    return true;
}

// A time less the part's start.
QString WriterRun::rebase(const QString& time) const {
    if (partStartsAtZero_ && isPlainTimeCode(time)) return time; // the common case, quickly
    return TimeCalc(time, partStart_, QStringLiteral("-"));
}

sf::RowInput WriterRun::rowInput(int row, const QString& start) const {
    const platform::Grid& grid = p_.doc.grid();
    sf::RowInput in;
    in.start = ShownTime(rebase(start));
    in.end = ShownTime(rebase(grid.textMatrix(row, 2)));
    for (int i = 0; i < 3; ++i)
        in.cells[static_cast<std::size_t>(i)] = grid.textMatrix(row, 3 + i);
    in.fontSpec = p_.doc.lstFont.value(row);
    in.number = counter_;
    in.row = row;
    return in;
}

// A row that starts before zero, or before its part: write it with its
// negative time unless the user says No. The question names the cause.
bool WriterRun::askNegativeTime(const QString& target, int row) {
    const QString error = p_.texts.TextTable(9, 13);
    const TextTables& t = p_.texts;
    const QString where = preview_ ? t.Say(" calculating Preview file. ")
                                   : t.Say(" creating %1. ", MessageWindow::Verbatim(target));
    const QString start = p_.doc.grid().textMatrix(row, 1);
    const QString cause =
        start.startsWith(QLatin1Char('-'))
            ? t.Say("Line %1 starts at %2, before 00:00:00,000.\r\n", row, ShownTime(start))
            : t.Say("Negative time calculated during Partitioning.\r\nPlease do not partition "
                    "in subtitle display time. ");
    return p_.messages.ShowMessage(error + where + cause + t.Say("Continue?"), KindExclamation,
                                   QStringLiteral("yesno"), error, false,
                                   {target, Question::Routine, QStringLiteral("Negative time")}) !=
           AnswerNo;
}

void WriterRun::showProgress(int row) {
    if (!showProgress_ || preview_) return;
    const double rows = lastRow_ - firstRow_ + 1;
    p_.control().ProgressBar1.setValue((row - firstRow_ + 1) / rows * 100);
}

// Each file is looked at once more just before it is written: the run's
// questions may have been open while another program saved over it. A No
// there keeps that file and writes none after it.
bool WriterRun::writePlanned() {
    if (preview_) QDir().mkpath(p_.folder.path(runtime::Place::ScratchFolder));
    for (auto f = planned_.begin(); f != planned_.end(); ++f) {
        if (!preview_ && !p_.files.MayOverwriteSince(f->path, f->seen)) {
            finish();
            return false;
        }
        QString error;
        if (!runtime::WriteTextFile(f->path, f->lines, &error)) return fail(error);
        if (preview_) continue;
        recordWritten(f->path);
        const Files::DiskState now = Files::DiskStateOf(f->path); // a later part of the same name
        for (auto later = f + 1; later != planned_.end(); ++later)
            if (later->path == f->path) later->seen = now;
    }
    return true;
}

// A file written with every row becomes the current file; a part file is
// listed by its name and leaves the current file alone: the document is still
// the whole file. Once the file that was read in part is replaced, it holds
// what the document holds, and replacing it again asks nothing more.
void WriterRun::recordWritten(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (fromPartitionList_) {
        if (slash >= 0) p_.main().partition.List2.addItem(path.mid(slash + 1));
    } else if (skipped_.empty()) {
        p_.files.CurFileName = path;
        p_.files.RememberDiskState(path);
    } else if (p_.files.IsRememberedFile(path)) {
        p_.files.RememberDiskState(path); // this Mirel's own write, rows left out
    }
    if (samePath(path, p_.doc.PartialReadFile)) {
        p_.doc.PartialReadFile.clear();
        p_.doc.PartialReadLines = 0;
    }
}

bool WriterRun::fail(const QString& description) {
    if (showProgress_ && !preview_) p_.control().ProgressBar1.setValue(0);
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
    p_.messages.ShowMessage(p_.texts.Say("Error writing file (%1).",
                                         MessageWindow::Verbatim(p_.texts.Told(description))),
                            KindStop, QStringLiteral("ok"), p_.texts.TextTable(9, 13));
    if (showProgress_) p_.control().hide();
    return false;
}

} // namespace

bool Files::CreateSubFile(bool preview, bool fromPartitionList, int format, int firstRow,
                          int lastRow, bool showProgress) {
    return WriterRun(p_, preview, fromPartitionList, format, firstRow, lastRow, showProgress).run();
}

QString Files::SetSubFileExt(int format) {
    return formats::WrittenExtension(format);
}

int Files::FileExist(const QString& fileName) {
    if (!OverwriteAgreed.isEmpty() && fileName == OverwriteAgreed) {
        OverwriteAgreed.clear();
        return AnswerYes;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return AnswerYes;
    file.close();
    return askOverwrite(p_, fileName);
}
