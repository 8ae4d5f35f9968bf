// SubViewer 1.0 (.sub): a bracketed header ("[TITLE]", "[AUTHOR]", ...) that
// ends at "[BEGIN]" and the start-of-script line after it, then one group
// per subtitle: "[hh:mm:ss]" start, the text with "|" between its lines,
// "[hh:mm:ss]" end and a blank line, until "[END]". Time lines without their
// brackets are read as well. Times have whole
// seconds; the format carries no font or style.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"

#include <algorithm>

namespace {

// "[hh:mm:ss]" or "hh:mm:ss" (files of other programs leave the brackets
// out; blanks around the time and the brackets are allowed) as a time code
// with ",000", or "" for any other line.
QString TimeOf(const QString& line) {
    if (!line.contains(u':')) return {};
    QStringView rest = runtime::TrimView(line);
    const bool bracketed = rest.startsWith(u'[') && rest.endsWith(u']');
    if (bracketed) rest = rest.sliced(1, rest.size() - 2);
    return readers::ClockTimeCode(rest, {u"", true});
}

bool IsTimeLine(const QString& line) {
    return !TimeOf(line).isEmpty();
}

bool Is(const QString& line, const char* marker) {
    return line.compare(QLatin1String(marker), Qt::CaseInsensitive) == 0;
}

// The end marker, blanks around it allowed.
bool IsEnd(const QString& line) {
    return Is(runtime::Trim(line), "[end]");
}

// The text lines of the subtitles: what is neither blank, nor bracketed (the
// header's markers), nor a time line, nor a header value of digits, nor
// the script's "********" banners. Each group has one, so the count is close
// to the number of subtitles and never above it for the files Mirel writes.
bool CountsLine(const QString& line) {
    const QString t = runtime::Trim(line);
    if (t.isEmpty() || t.startsWith(u'[') || t.startsWith(u'*') || IsTimeLine(t)) return false;
    return !std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); });
}

// The header: up to "[begin]" and the start-of-script line after it (a time
// line there is the first subtitle's, not the banner). The values of
// "[title]" and "[author]" are passed over with their markers. A file
// without a header starts at its first time line.
void SkipHeader(ReaderFrame& f) {
    while (!f.atEnd() && !IsTimeLine(f.peekLine())) {
        QString line = f.nextLine();
        if (Is(line, "[title]") && !f.atEnd()) line = f.nextLine();
        if (Is(line, "[author]") && !f.atEnd()) line = f.nextLine();
        if (Is(line, "[begin]")) {
            if (!f.atEnd() && !IsTimeLine(f.peekLine())) f.nextLine();
            return;
        }
    }
}

// One group after its start line: the text (unless the end time follows at
// once) and the end time line. A missing end (a blank line, the end marker
// or the end of the file) leaves the end time empty.
void ReadGroup(ReaderFrame& f, const QString& start) {
    if (!readers::AddTimedRow(f, start)) return;
    if (!f.atEnd() && !IsTimeLine(f.peekLine())) readers::BarSplit(f, f.nextLine());
    if (f.atEnd() || readers::IsBlankLine(f.peekLine()) || IsEnd(f.peekLine())) return;
    const QString end = TimeOf(f.nextLine());
    if (end.isEmpty())
        f.badLine();
    else
        f.setEndTime(end);
}

ReadOutcome Parse(ReaderFrame& f) {
    SkipHeader(f);
    while (!f.atEnd()) {
        const QString& line = f.nextLine();
        if (IsEnd(line)) break;
        const QString start = TimeOf(line);
        if (!start.isEmpty())
            ReadGroup(f, start);
        else if (!readers::IsBlankLine(line))
            f.badLine(); // blank lines are skipped
    }
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::SubViewer1{{false, false, false}, &CountsLine, &Parse};
