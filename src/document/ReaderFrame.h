#pragma once
// The reader frame: what every subtitle reader of a load shares. It holds the
// file's lines, the count pass and the reading limit, the Font tab state of
// the format, the opening and closing lines of the progress log, and the row
// steps a reader writes through: add a row, progress, times (with the append
// offset), text lines and the line's font. It also carries the load's error
// handling for the reader: badLine() asks about a line that does not fit and
// goes on; fail() stops the read and keeps the rows read so far.
//
// No step writes into the header row or into a line the document held before
// an Add: a time or a text that comes before the read's first row starts a
// row of its own. No step takes the document past MaxLines lines.
//
// Every row the read takes from the file leaves it with an end time: a row
// the file gives none ends where the next row starts, the last one (or one
// whose next row starts no later) OpenRowSeconds after its own start, never
// past 99:59:59,999; the load says once which rows got their end this way.

#include "document/Document.h"
#include "document/FontSpec.h"
#include "document/LineSource.h"
#include "document/readers/Readers.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class Program;

// What a read is asked to do (the load's arguments after its checks).
struct ReadRequest {
    QString fileName; // the file read, for the log and the messages
    int format = 0;   // the format number being read
    int firstRow = 1; // 1 on a load, the spare row on an add
    bool showProgress = false;
    bool interactive = false;
};

class ReaderFrame {
public:
    static constexpr int MaxLines = Document::MaxLines; // the most lines a document holds
    static constexpr int LimitCounter = 10000;          // a count pass reaching this is refused
    static constexpr int OpenRowSeconds = 2; // how long a last row without an end time lasts

    ReaderFrame(Program& p, LineSource& source, const ReadRequest& request);
    ReaderFrame(const ReaderFrame&) = delete; // it points into itself
    ReaderFrame& operator=(const ReaderFrame&) = delete;

    // Whether the reader finds a subtitle in the file: a row that gets a
    // time. The reader runs up to its first time on a frame that writes
    // nothing, asks nothing and shows nothing; the document, the windows and
    // the source's position stay as they were.
    static bool FindsASubtitle(Program& p, LineSource& source, const ReadRequest& request,
                               const SubtitleReader& reader);

    // ---- Run by the load ----------------------------------------------------
    // The count pass: RowCounter = first row + the lines the reader counts.
    void CountPass(const SubtitleReader& reader);
    int RowCounter() const { return rowCounter_; }
    // False when the count pass says the document would pass MaxLines.
    bool WithinReadingLimit() const { return rowCounter_ < LimitCounter; }
    // The message that refuses a file over the reading limit.
    QString ReadingLimitText() const;
    // Font tab, opening log, parse pass, closing log.
    ReadOutcome Read(const SubtitleReader& reader);
    // One past the last row written (the load's StartRow on return).
    int StartRow() const { return startRow_; }
    int rowsWritten() const { return startRow_ - request_.firstRow; }

    // ---- For the readers: lines ---------------------------------------------
    // True at the end of the file and once the read has stopped.
    bool atEnd() const { return stopped_ || source_.atEnd(); }
    // The next line; it becomes CurrentFileLine.
    const QString& nextLine();
    // The line after the current one, without reading it.
    const QString& peekLine() const { return source_.peekLine(); }
    // The current line as the reader has changed it (shown in the bad-line question).
    void setCurrentFileLine(const QString& line);
    const QString& currentFileLine() const { return *currentFileLine_; }

    // ---- For the readers: the row steps ---------------------------------------
    // Adds a row after the last one and makes it the current row: its number
    // in column 0, the default font, text column back before column 3.
    // Refused (false, and the read stops with a message) when the document
    // would pass MaxLines.
    bool addRow();
    // Whether this read has added a row yet.
    bool hasRow() const { return startRow_ > request_.firstRow; }
    // The row being filled (the last one added).
    int currentRow() const { return startRow_ - 1; }
    // One more entry: the entry number and, with progress shown, the bar.
    void progress();
    int entryNumber() const { return entryNumber_; }
    // Times of the current row, each shifted by the append offset.
    void setStartTime(const QString& time);
    void setEndTime(const QString& time);
    void setTimes(const QString& start, const QString& end);
    // An end that the next subtitle gives (a format without end times):
    // the current row ends at `time` only when that lies after its start;
    // otherwise it keeps no end time and ends as rows without one do.
    void setEndTimeAfterStart(const QString& time);
    const QString& appendOffset() const { return appendOffset_; }
    // The next text column of the current row gets " " + the trimmed text.
    // A fourth text line has no column: it is a bad line (false).
    bool addText(QStringView text);
    bool addText(const QString& text) { return addText(QStringView(text)); }
    // The text column last written (2 before the first text of a row).
    int textColumn() const { return textColumn_; }
    // Replaces the current row's FontSpec ("name;script;style;size").
    void setFontSpec(const QString& font);
    // The same for a font given by its fields; rows of one font share one text.
    void setFontSpec(const FontSpec& font);

    // The current row's styling tags are held as its style but will be
    // written in another form (tags that span its lines, or one left open):
    // the load says once, after the read, which rows these are.
    void markupRewritten();

    // What the file holds that Mirel keeps nowhere, so that a save writes the
    // file without it: the load says once, after the read, what it was and
    // how much (a header value by its name, a comment by its count, a row's
    // field by the rows that had one).
    enum class NotKept { HeaderValue, CommentLine, CommentEvent, SpeakerName, Position };
    // One more such text: `name` names a header value; a row's field is the
    // current row's.
    void notKept(NotKept what, const QString& name = {});

    // ---- For the readers: errors -----------------------------------------------
    // A line that does not fit: asked about (when the load is interactive and
    // the user has not answered No before), then reading goes on.
    void badLine();
    // A read failure: reading stops, the rows read stay, the load is not Ok.
    ReadOutcome fail();

    Program& program() { return p_; }
    // The frame rate chosen for the file (FrameRateText), read once per read.
    double frameRate();
    QString text(int col, int row) const; // the interface's texts

private:
    void ensureRow();
    QString shifted(const QString& time) const;
    void setCell(int column, const QString& value);
    void setFontTab(const FontTabSupport& support);
    void openingLog();
    void closingLog();
    void appendLog(const QString& text);
    void setStatus(int textRow);
    void refuseRow();
    void matchFontList();
    void endOpenRows();
    void tellOpenRows(const std::vector<int>& atNextStart, const std::vector<int>& afterStart);
    void tellRewrittenMarkup();
    void tellNotKept();

    Program& p_;
    LineSource& source_;
    ReadRequest request_;
    int rowCounter_ = 0;
    int startRow_ = 1;
    int entryNumber_ = 0;
    int textColumn_ = 2;
    int shownPercent_ = -1;
    QElapsedTimer sinceRepaint_; // the bar repaints at most every RepaintMs
    int errorAnswer_ = -1;
    bool stopped_ = false;
    bool failed_ = false;
    bool trial_ = false;     // FindsASubtitle's run: nothing is written
    bool foundTime_ = false; // the trial reached a row's time
    bool offsetIsZero_ = true;
    QString appendOffset_;
    QString defaultFont_;
    QString changedFileLine_;                            // the line as the reader changed it
    const QString* currentFileLine_ = &changedFileLine_; // a line of the source, or that
    std::optional<double> frameRate_;
    std::vector<int> rewrittenMarkup_; // the rows markupRewritten() named
    QStringList headerValuesNotKept_;  // their names, each once
    int commentLinesNotKept_ = 0, commentEventsNotKept_ = 0;
    std::vector<int> speakersNotKept_, positionsNotKept_; // the rows
    // The fonts set by their fields so far (a read uses a few styles of one
    // font), each with its list entry.
    std::vector<std::pair<FontSpec, QString>> fontTexts_;
};
