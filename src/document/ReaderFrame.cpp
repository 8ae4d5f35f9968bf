#include "document/ReaderFrame.h"

#include "document/MessageWindow.h"
#include "document/TimeCode.h"
#include "platform/ComboBox.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace {
using runtime::CrLf;
constexpr int FirstTextColumn = 3, LastTextColumn = 5;

QString Today() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}
QString Now() {
    return QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat);
}

// hh:mm:ss,fff with digits only, minutes and seconds below 60.
bool IsPlainTimeCode(const QString& t) {
    if (t.size() != 12 || t[2] != u':' || t[5] != u':' || t[8] != u',') return false;
    for (int i : {0, 1, 3, 4, 6, 7, 9, 10, 11})
        if (t[i] < u'0' || t[i] > u'9') return false;
    return t[3] < u'6' && t[6] < u'6';
}
} // namespace

ReaderFrame::ReaderFrame(Program& p, LineSource& source, const ReadRequest& request)
    : p_(p), source_(source), request_(request), rowCounter_(request.firstRow),
      startRow_(request.firstRow) {
    // An add continues the timeline after the document's last end time.
    appendOffset_ = request.firstRow > 1 ? p_.doc.grid().textMatrix(request.firstRow - 1, 2)
                                         : QStringLiteral("00:00:00,000");
    offsetIsZero_ = appendOffset_ == QLatin1String("00:00:00,000");
    defaultFont_ = p_.doc.DefaultFontSpec();
}

double ReaderFrame::frameRate() {
    if (!frameRate_) frameRate_ = runtime::Val(p_.shell.FrameRateText);
    return *frameRate_;
}

QString ReaderFrame::text(int col, int row) const {
    return p_.texts.TextTable(col, row);
}

// ---- Count pass and reading limit ---------------------------------------------

void ReaderFrame::CountPass(const SubtitleReader& reader) {
    const QStringList& lines = source_.lines();
    const qsizetype counted = reader.countEntries
                                  ? reader.countEntries(lines)
                                  : std::count_if(lines.begin(), lines.end(), reader.countsLine);
    rowCounter_ = request_.firstRow + static_cast<int>(counted);
}

bool ReaderFrame::FindsASubtitle(Program& p, LineSource& source, const ReadRequest& request,
                                 const SubtitleReader& reader) {
    ReadRequest quiet = request;
    quiet.showProgress = quiet.interactive = false;
    ReaderFrame trial(p, source, quiet);
    trial.trial_ = true;
    const QString fontName = p.shell.CurFontName; // some readers note the font they read
    source.rewind();
    reader.parse(trial);
    source.rewind();
    p.shell.CurFontName = fontName;
    return trial.foundTime_;
}

// The limit named is the most lines a document holds.
QString ReaderFrame::ReadingLimitText() const {
    return p_.texts.Say(
        "File '%1' reached limit of%2 lines. File contains%3 lines. Select 'Cancel' to exit.",
        MessageWindow::Verbatim(request_.fileName), runtime::Str(MaxLines),
        runtime::Str(rowCounter_ - 1));
}

// ---- The read -----------------------------------------------------------------

ReadOutcome ReaderFrame::Read(const SubtitleReader& reader) {
    // The count pass told how many rows come: the grid takes room for them at once.
    p_.doc.grid().reserveRows(std::min(rowCounter_, MaxLines) + 2);
    setFontTab(reader.fontTab);
    openingLog();
    matchFontList();
    source_.rewind();
    ReadOutcome outcome = reader.parse(*this);
    endOpenRows();
    tellRewrittenMarkup();
    tellNotKept();
    if (failed_) outcome = ReadOutcome::Failed;
    if (outcome == ReadOutcome::Finished) closingLog();
    return outcome;
}

// The font list holds one item per grid row (item 0 for the header), so the
// read's first row appends at the right place.
void ReaderFrame::matchFontList() {
    QStringList& fonts = p_.doc.lstFont;
    while (fonts.size() > request_.firstRow)
        fonts.removeLast();
    if (fonts.isEmpty()) fonts.append(QString());
    while (fonts.size() < request_.firstRow)
        fonts.append(defaultFont_);
}

void ReaderFrame::setFontTab(const FontTabSupport& support) {
    FontTab& tab = p_.main().editor.font;
    tab.Command42.setEnabled(support.goButton);
    tab.Combo9[0].setEnabled(support.fontNames);
    tab.Label20.setEnabled(support.fontNames);
    tab.Combo9[1].setEnabled(support.styles);
    tab.Label44.setEnabled(support.styles);
    tab.Label48[0].setCaption(text(9, support.fontNames ? 20 : 19));
    tab.Label48[1].setCaption(text(9, support.styles ? 20 : 19));
}

void ReaderFrame::appendLog(const QString& line) {
    platform::RichTextBox& log = p_.control().Text1;
    log.setText(log.text() + line);
    log.refresh();
}

void ReaderFrame::setStatus(int textRow) {
    if (request_.showProgress) p_.control().lblEnd.setCaption(text(9, textRow));
}

void ReaderFrame::openingLog() {
    if (!request_.showProgress) return;
    const QString formatName = p_.main().partition.combo3.list(request_.format - 1);
    appendLog(text(9, 3) + CrLf + text(9, 1) + Today() + QStringLiteral(", ") + Now() + CrLf +
              text(9, 2) + CrLf + request_.fileName + CrLf + text(9, 4) + formatName + CrLf +
              text(9, 5) + runtime::Str(rowCounter_ - 1) + CrLf);
}

void ReaderFrame::closingLog() {
    if (request_.showProgress) appendLog(text(9, 6));
}

// ---- Lines ----------------------------------------------------------------------

const QString& ReaderFrame::nextLine() {
    const QString& line = source_.nextLine();
    currentFileLine_ = &line; // the source's lines stay for the whole read
    return line;
}

void ReaderFrame::setCurrentFileLine(const QString& line) {
    changedFileLine_ = line;
    currentFileLine_ = &changedFileLine_;
}

// ---- Row steps ------------------------------------------------------------------

bool ReaderFrame::addRow() {
    if (stopped_) return false;
    if (trial_) {
        ++startRow_;
        textColumn_ = FirstTextColumn - 1;
        return true;
    }
    if (startRow_ > MaxLines) {
        refuseRow();
        return false;
    }
    platform::Grid& grid = p_.doc.grid();
    grid.setRows(grid.rows() + 1);
    grid.setTextMatrix(startRow_, 0, QString::number(startRow_));
    ++startRow_;
    p_.doc.lstFont.append(defaultFont_);
    textColumn_ = FirstTextColumn - 1;
    return true;
}

// The document is full: reading stops with what it has.
void ReaderFrame::refuseRow() {
    stopped_ = failed_ = true;
    if (request_.interactive)
        p_.messages.ShowMessage(
            p_.texts.Say("File '%1' reached limit of%2 lines. Reading stopped after line%2.",
                         MessageWindow::Verbatim(request_.fileName), runtime::Str(MaxLines)),
            KindExclamation, QStringLiteral("ok"), QStringLiteral("Reading limit"));
    setStatus(14);
}

void ReaderFrame::ensureRow() {
    if (!hasRow()) addRow();
}

void ReaderFrame::progress() {
    ++entryNumber_;
    if (!request_.showProgress) return;
    const int span = rowCounter_ - request_.firstRow;
    const double percent = span > 0 ? std::clamp(100.0 * entryNumber_ / span, 0.0, 100.0) : 100.0;
    // The bar moves (and repaints) only when the whole percent moves, at
    // most every RepaintMs, and at the end: a large file shows its progress
    // smoothly, a small one loads without waiting for the screen.
    constexpr int RepaintMs = 40;
    const int whole = static_cast<int>(std::floor(percent));
    if (whole == shownPercent_) return;
    // The clock is read every few entries only: reading it is not free either.
    constexpr int ClockEvery = 16;
    if (sinceRepaint_.isValid() && whole != 100 &&
        (entryNumber_ % ClockEvery != 0 || sinceRepaint_.elapsed() < RepaintMs))
        return;
    shownPercent_ = whole;
    platform::ProgressBar& bar = p_.control().ProgressBar1;
    bar.setValue(whole);
    bar.refresh();
    sinceRepaint_.start();
}

void ReaderFrame::setCell(int column, const QString& value) {
    ensureRow();
    if (!hasRow() || stopped_) return;
    if (trial_) { // the first time found ends the trial
        if ((column == 1 || column == 2) && !value.isEmpty()) foundTime_ = stopped_ = true;
        return;
    }
    p_.doc.grid().setTextMatrix(currentRow(), column, value);
}

// The time plus the append offset. Adding nothing to a time code whose
// fields are all in range gives the time code itself.
QString ReaderFrame::shifted(const QString& time) const {
    if (offsetIsZero_ && IsPlainTimeCode(time)) return time;
    return TimeCalc(time, appendOffset_, QStringLiteral("+"));
}

void ReaderFrame::setStartTime(const QString& time) {
    setCell(1, shifted(time));
}

void ReaderFrame::setEndTime(const QString& time) {
    setCell(2, shifted(time));
}

void ReaderFrame::setTimes(const QString& start, const QString& end) {
    setStartTime(start);
    setEndTime(end);
}

void ReaderFrame::setEndTimeAfterStart(const QString& time) {
    if (trial_ || !hasRow()) return setEndTime(time);
    const QString end = shifted(time);
    const QString start = p_.doc.grid().textMatrix(currentRow(), 1);
    if (!IsValidTimeCode(start) || !IsValidTimeCode(end) || TimeToMs(end) > TimeToMs(start))
        setCell(2, end);
}

bool ReaderFrame::addText(QStringView line) {
    ensureRow();
    if (!hasRow() || stopped_) return false;
    if (textColumn_ >= LastTextColumn) {
        badLine();
        return false;
    }
    ++textColumn_;
    line = runtime::TrimView(line);
    QString cell;
    cell.reserve(line.size() + 1);
    cell.append(QLatin1Char(' ')).append(line);
    setCell(textColumn_, cell);
    return true;
}

void ReaderFrame::setFontSpec(const QString& font) {
    ensureRow();
    if (!hasRow() || stopped_ || trial_) return;
    const int row = currentRow();
    if (row >= 0 && row < p_.doc.lstFont.size()) p_.doc.lstFont[row] = font;
}

void ReaderFrame::setFontSpec(const FontSpec& font) {
    auto known = std::find_if(fontTexts_.begin(), fontTexts_.end(),
                              [&font](const auto& entry) { return entry.first == font; });
    if (known == fontTexts_.end()) {
        if (fontTexts_.size() >= 8) fontTexts_.clear(); // a file of many fonts
        known = fontTexts_.insert(fontTexts_.end(), {font, font.text()});
    }
    setFontSpec(known->second);
}

// ---- Rows without an end time ----------------------------------------------------

namespace {
// The start plus OpenRowSeconds; a start so late that the sum would pass
// the last time a file holds ends at that time.
QString EndAfter(const QString& start) {
    const QString end =
        TimeCalc(start, QStringLiteral("00:00:0%1,000").arg(ReaderFrame::OpenRowSeconds),
                 QStringLiteral("+"));
    return end == start ? QStringLiteral("99:59:59,999") : end;
}

// "row 4" or "rows 4, 5 and 9"; a long list names its first rows.
QString RowList(const TextTables& t, const std::vector<int>& rows) {
    constexpr std::size_t Named = 12;
    QStringList numbers;
    for (std::size_t i = 0; i < rows.size() && i < Named; ++i)
        numbers << QString::number(rows[i]);
    if (rows.size() > Named) numbers << t.Say("%1 more", rows.size() - Named);
    const QString last = numbers.takeLast();
    if (numbers.isEmpty()) return t.Say("row %1", last);
    return t.Say("rows %1 and %2", numbers.join(QStringLiteral(", ")), last);
}
} // namespace

void ReaderFrame::endOpenRows() {
    if (trial_) return;
    platform::Grid& grid = p_.doc.grid();
    std::vector<int> atNextStart, afterStart;
    for (int r = request_.firstRow; r < startRow_; ++r) {
        const QString start = grid.textMatrix(r, 1);
        if (!grid.textMatrix(r, 2).isEmpty() || !IsValidTimeCode(start)) continue;
        const QString next = r + 1 < startRow_ ? grid.textMatrix(r + 1, 1) : QString();
        if (IsValidTimeCode(next) && TimeToMs(next) > TimeToMs(start)) {
            grid.setTextMatrix(r, 2, next);
            atNextStart.push_back(r);
        } else {
            grid.setTextMatrix(r, 2, EndAfter(start));
            afterStart.push_back(r);
        }
    }
    if (request_.interactive && (!atNextStart.empty() || !afterStart.empty()))
        tellOpenRows(atNextStart, afterStart);
}

// Said once, after the read: how many rows, and for each way which ones.
void ReaderFrame::tellOpenRows(const std::vector<int>& atNextStart,
                               const std::vector<int>& afterStart) {
    const std::size_t count = atNextStart.size() + afterStart.size();
    const bool one = count == 1;
    const QString seconds = QString::number(OpenRowSeconds) + QStringLiteral(" s");
    const TextTables& t = p_.texts;
    QString text;
    if (atNextStart.empty()) {
        text = one ? t.Say("%1 row had no end time in the file: it now ends %2 after it starts "
                           "(%3).",
                           count, seconds, RowList(t, afterStart))
                   : t.Say("%1 rows had no end time in the file: they now end %2 after they "
                           "start (%3).",
                           count, seconds, RowList(t, afterStart));
    } else if (afterStart.empty()) {
        text = one ? t.Say("%1 row had no end time in the file: it now ends where the next row "
                           "starts (%2).",
                           count, RowList(t, atNextStart))
                   : t.Say("%1 rows had no end time in the file: they now end where the next "
                           "row starts (%2).",
                           count, RowList(t, atNextStart));
    } else {
        const QString at = RowList(t, atNextStart), after = RowList(t, afterStart);
        text = t.Say("%1 rows had no end time in the file: %2, %3", count,
                     atNextStart.size() == 1 ? t.Say("%1 now ends where the next row starts", at)
                                             : t.Say("%1 now end where the next row starts", at),
                     afterStart.size() == 1 ? t.Say("%1 ends %2 after it starts.", after, seconds)
                                            : t.Say("%1 end %2 after they start.", after, seconds));
    }
    p_.messages.ShowMessage(text, KindInformation, QStringLiteral("ok"),
                            QStringLiteral("No end time"));
}

void ReaderFrame::markupRewritten() {
    if (trial_ || !hasRow()) return;
    if (rewrittenMarkup_.empty() || rewrittenMarkup_.back() != currentRow())
        rewrittenMarkup_.push_back(currentRow());
}

// Said once, after the read, like the rows given an end time.
void ReaderFrame::tellRewrittenMarkup() {
    if (!request_.interactive || rewrittenMarkup_.empty()) return;
    const QString rows = RowList(p_.texts, rewrittenMarkup_);
    const QString text =
        rewrittenMarkup_.size() == 1
            ? p_.texts.Say("1 row had styling tags that Mirel keeps as the style of the whole "
                           "row: saved, its tags are written in that form (%1).",
                           rows)
            : p_.texts.Say("%1 rows had styling tags that Mirel keeps as the style of the whole "
                           "row: saved, their tags are written in that form (%2).",
                           rewrittenMarkup_.size(), rows);
    p_.messages.ShowMessage(text, KindInformation, QStringLiteral("ok"),
                            QStringLiteral("Styling tags"));
}

void ReaderFrame::notKept(NotKept what, const QString& name) {
    if (trial_) return;
    const auto onRow = [this](std::vector<int>& rows) {
        if (hasRow() && (rows.empty() || rows.back() != currentRow())) rows.push_back(currentRow());
    };
    switch (what) {
    case NotKept::HeaderValue:
        if (!headerValuesNotKept_.contains(name, Qt::CaseInsensitive)) headerValuesNotKept_ << name;
        break;
    case NotKept::CommentLine:
        ++commentLinesNotKept_;
        break;
    case NotKept::CommentEvent:
        ++commentEventsNotKept_;
        break;
    case NotKept::SpeakerName:
        onRow(speakersNotKept_);
        break;
    case NotKept::Position:
        onRow(positionsNotKept_);
        break;
    }
}

// Said once, after the read, in one message of every kind the file held.
void ReaderFrame::tellNotKept() {
    if (!request_.interactive) return;
    const TextTables& t = p_.texts;
    QStringList held;
    if (headerValuesNotKept_.size() == 1)
        held << t.Say("the header value %1", headerValuesNotKept_.front());
    else if (!headerValuesNotKept_.empty())
        held << t.Say("the header values %1", headerValuesNotKept_.join(QStringLiteral(", ")));
    if (commentLinesNotKept_ == 1)
        held << t.Say("1 comment line");
    else if (commentLinesNotKept_ > 1)
        held << t.Say("%1 comment lines", commentLinesNotKept_);
    if (commentEventsNotKept_ == 1)
        held << t.Say("1 comment event");
    else if (commentEventsNotKept_ > 1)
        held << t.Say("%1 comment events", commentEventsNotKept_);
    if (speakersNotKept_.size() == 1)
        held << t.Say("the speaker's name of 1 row (%1)", RowList(t, speakersNotKept_));
    else if (!speakersNotKept_.empty())
        held << t.Say("the speakers' names of %1 rows (%2)", speakersNotKept_.size(),
                      RowList(t, speakersNotKept_));
    if (positionsNotKept_.size() == 1)
        held << t.Say("the position of 1 row (%1)", RowList(t, positionsNotKept_));
    else if (!positionsNotKept_.empty())
        held << t.Say("the positions of %1 rows (%2)", positionsNotKept_.size(),
                      RowList(t, positionsNotKept_));
    if (held.isEmpty()) return;
    p_.messages.ShowMessage(t.Say("The file held texts that Mirel does not keep: %1. Saved, the "
                                  "file is written without them.",
                                  held.join(QStringLiteral("; "))),
                            KindInformation, QStringLiteral("ok"), QStringLiteral("Not kept"));
}

// ---- Errors -----------------------------------------------------------------------

void ReaderFrame::badLine() {
    if (trial_) return;
    if (errorAnswer_ != AnswerNo && request_.interactive) {
        errorAnswer_ = p_.messages.ShowMessage(
            text(9, 7) + CrLf +
                p_.texts.Say("Line #%1 = '%2'", runtime::TrimStr(entryNumber_),
                             MessageWindow::Verbatim(*currentFileLine_)) +
                CrLf + CrLf + text(9, 8),
            KindStop, QStringLiteral("yesno"), text(9, 13), false,
            {request_.fileName, Question::Routine, QStringLiteral("Bad line")});
        setStatus(9);
    }
    // Repaints only: a click or key made meanwhile runs after the load.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

ReadOutcome ReaderFrame::fail() {
    if (trial_) stopped_ = true;
    if (!stopped_) {
        stopped_ = failed_ = true;
        if (request_.interactive)
            p_.messages.ShowMessage(text(9, 6) + CrLf + text(9, 7) + CrLf + text(9, 8),
                                    KindExclamation, QStringLiteral("ok"), text(9, 9));
        p_.edit.ShowCurrentLine();
        setStatus(14);
    }
    return ReadOutcome::Failed;
}
