// RealTime (.rt): mark-up. A header (the window and font tags, "<center>",
// "<b>") whose tags are passed over, then one subtitle per line,
//   <Time begin="0:00:01.23" end="0:00:03.45" /><clear/> First line<br>Second line
// and the closing tags ("</b>", "</center>"), which are passed over like every
// line of mark-up alone. The times are read from the tag's begin and end
// attributes ([[h:]m:]s[.fraction]); a subtitle without an end lasts until
// the next one begins. "<br>" (also "<br/>") breaks the text into lines; other
// mark-up stays in the text. A text that goes on over the next lines of the
// file (lines without a time tag, or the part of a line before its tag) is
// read with them; each time tag of a line starts a subtitle of its own. A
// text before the first time tag (outside the header's tags) is shown from
// the start of the film; a "<" that opens no tag ("x < y") is text. No fonts
// or styles are read.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"

#include <algorithm>

namespace {

constexpr int MaxTextLines = 3;

using readers::FindTag;
using readers::IsDigit;

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

const QLatin1String TimeTagOpening("<time begin=");

// Where the first time tag stands from `from` on, or -1.
qsizetype FindTimeTag(QStringView line, qsizetype from = 0) {
    return FindTag(line, TimeTagOpening, from);
}

bool HasTimeTag(QStringView line) {
    return FindTimeTag(line) >= 0;
}

// A "<" opens a tag when a letter, "/" or "!" follows it; any other ("x < y",
// "<3") is text.
bool OpensTag(QStringView line, qsizetype at) {
    if (line[at] != u'<' || at + 1 >= line.size()) return false;
    const char16_t next = line[at + 1].unicode();
    return (next >= u'a' && next <= u'z') || (next >= u'A' && next <= u'Z') || next == u'/' ||
           next == u'!';
}

// Nothing but tags and blanks.
bool IsMarkupOnly(QStringView line) {
    bool inTag = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (!inTag && OpensTag(line, i))
            inTag = true;
        else if (inTag && line[i] == u'>')
            inTag = false;
        else if (!inTag && !line[i].isSpace())
            return false;
    }
    return true;
}

// A line that carries on the text of the subtitle line above it.
bool IsContinuation(QStringView line) {
    return !HasTimeTag(line) && !IsMarkupOnly(line);
}

// The part of a line before its first time tag.
QStringView BeforeTimeTag(QStringView line) {
    return line.left(std::max<qsizetype>(FindTimeTag(line), 0));
}

// "[[h:]m:]s[.fraction]" as a time code, or empty; a "-" before it is a
// time that far before zero.
QString ClockTime(QStringView value) {
    const long long sign = value.startsWith(u'-') ? -1 : 1;
    if (sign < 0) value = value.mid(1);
    long long ms = 0, field = 0;
    int fields = 0, digits = 0;
    qsizetype pos = 0;
    for (; pos < value.size() && value[pos] != u'.'; ++pos) {
        if (value[pos] == u':' && digits > 0 && fields < 2) {
            ms = ms * 60 + field;
            field = digits = 0;
            ++fields;
        } else if (IsDigit(value[pos]) && digits < 5) {
            field = field * 10 + (value[pos].unicode() - u'0');
            ++digits;
        } else {
            return {};
        }
    }
    const QStringView fraction = value.sliced(std::min(pos + 1, value.size()));
    if (digits == 0 || (pos < value.size() && fraction.isEmpty()) ||
        !std::all_of(fraction.begin(), fraction.end(), IsDigit))
        return {};
    long long thousandths = 0;
    for (qsizetype i = 0; i < 3; ++i)
        thousandths = thousandths * 10 + (i < fraction.size() ? fraction[i].unicode() - u'0' : 0);
    return readers::MillisTime(sign * ((ms * 60 + field) * 1000 + thousandths));
}

// The value of a tag's attribute (quoted or not), or empty.
QString Attribute(QStringView tag, QLatin1String name) {
    for (qsizetype at = tag.indexOf(name, 0, Qt::CaseInsensitive); at > 0;
         at = tag.indexOf(name, at + 1, Qt::CaseInsensitive)) {
        qsizetype pos = at + name.size();
        if (!IsBlank(tag[at - 1])) continue;
        while (pos < tag.size() && IsBlank(tag[pos]))
            ++pos;
        if (pos >= tag.size() || tag[pos] != u'=') continue;
        ++pos;
        while (pos < tag.size() && IsBlank(tag[pos]))
            ++pos;
        const bool quoted = pos < tag.size() && (tag[pos] == u'"' || tag[pos] == u'\'');
        const qsizetype from = quoted ? pos + 1 : pos;
        qsizetype to = from;
        while (to < tag.size() &&
               (quoted ? tag[to] != tag[pos]
                       : !IsBlank(tag[to]) && tag[to] != u'/' && tag[to] != u'>'))
            ++to;
        return tag.sliced(from, to - from).toString().trimmed();
    }
    return {};
}

struct TimeTag {
    QString begin, end; // time codes; begin is empty when the tag has none
    QString text;       // what follows the tag, less a "<clear/>" right after it
};

TimeTag ReadTimeTag(const QString& line) {
    const qsizetype open = FindTag(line, QLatin1String("<time"));
    const qsizetype close = open < 0 ? -1 : line.indexOf(u'>', open);
    if (close < 0) return {};
    const QStringView tag = QStringView(line).sliced(open, close - open + 1);
    QString text = runtime::LTrim(line.mid(close + 1));
    if (text.startsWith(QLatin1String("<clear/>"), Qt::CaseInsensitive)) text.remove(0, 8);
    return {ClockTime(Attribute(tag, QLatin1String("begin"))),
            ClockTime(Attribute(tag, QLatin1String("end"))), text};
}

// The first "<br>", "<br/>" or "<br />" (any case) from `from`; its length
// goes to `length`. -1 when there is none.
qsizetype FindBreak(const QString& text, qsizetype from, qsizetype& length) {
    for (qsizetype at = FindTag(text, QLatin1String("<br"), from); at >= 0;
         at = FindTag(text, QLatin1String("<br"), at + 1)) {
        qsizetype pos = at + 3;
        while (pos < text.size() && IsBlank(text[pos]))
            ++pos;
        if (pos < text.size() && text[pos] == u'/') ++pos;
        if (pos < text.size() && text[pos] == u'>') {
            length = pos + 1 - at;
            return at;
        }
    }
    return -1;
}

// The length of the line break that ends the text (blanks after it aside),
// or 0.
qsizetype ClosingBreakLength(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    if (end == 0 || text[end - 1] != u'>') return 0;
    const qsizetype last = text.lastIndexOf(u'<', end - 1);
    qsizetype length = 0;
    if (last < 0 || FindBreak(text, last, length) != last || last + length != end) return 0;
    return length;
}

// The text with the lines that carry it on, each after a line break.
// A break never spans two lines: only the line last added is looked at, so
// a text of many lines is read in one sweep.
QString TextWithContinuations(ReaderFrame& f, QString text, bool& leadTaken) {
    bool closed = ClosingBreakLength(text) != 0;
    while (!f.atEnd() && IsContinuation(f.peekLine())) {
        if (!closed) text += QStringLiteral("<br>");
        const QString& line = f.nextLine();
        text += line;
        closed = ClosingBreakLength(line) != 0;
    }
    // The next time line's text before its tag (read with that line).
    const QStringView lead = f.atEnd() ? QStringView() : BeforeTimeTag(f.peekLine());
    if (IsMarkupOnly(lead)) return text;
    leadTaken = true;
    if (!closed) text += QStringLiteral("<br>");
    return text += lead;
}

// Other programs end every line with "<br/>"; Mirel writes "<br>" between
// lines only. So a "<br/>" at the end of the text ends its last line, while a
// "<br>" there starts an empty one.
QString WithoutClosingBreak(const QString& text) {
    const qsizetype length = ClosingBreakLength(text);
    return length > 4 ? runtime::RTrim(text).chopped(length) : text;
}

// Up to three text lines; what follows the third has no column.
void WriteText(ReaderFrame& f, QString text) {
    text = WithoutClosingBreak(text);
    qsizetype from = 0, length = 0;
    for (int lines = 0; lines < MaxTextLines; ++lines) {
        const qsizetype cut = FindBreak(text, from, length);
        f.addText(text.mid(from, cut < 0 ? -1 : cut - from));
        if (cut < 0) return;
        from = cut + length;
    }
    readers::TextPastTheRow(f, QStringView(text).sliced(from));
}

// A time tag and the text after it, up to the next tag of the line; the
// last one's text may go on over the lines after it. A tag without an end
// leaves the row without one: the frame ends it where the next row begins.
void ReadSubtitle(ReaderFrame& f, const QString& piece, bool lastOfLine, bool& leadTaken) {
    const TimeTag tag = ReadTimeTag(piece);
    if (tag.begin.isEmpty()) return f.badLine();
    if (!readers::AddTimedRow(f, tag.begin)) return;
    if (!tag.end.isEmpty()) f.setEndTime(tag.end);
    WriteText(f, lastOfLine ? TextWithContinuations(f, tag.text, leadTaken) : tag.text);
}

// A line with time tags: each starts a subtitle. Its text before the first
// tag went to the subtitle before it (leadTaken); with no subtitle to take
// it, it is a bad line.
void ReadSubtitleLine(ReaderFrame& f, const QString& line, bool& leadTaken) {
    if (!leadTaken && !IsMarkupOnly(BeforeTimeTag(line))) f.badLine();
    leadTaken = false;
    for (qsizetype at = FindTimeTag(line); at >= 0;) {
        const qsizetype next = FindTimeTag(line, at + 1);
        ReadSubtitle(f, line.mid(at, next < 0 ? -1 : next - at), next < 0, leadTaken);
        at = next;
    }
}

bool IsBreak(QStringView tag) {
    qsizetype length = 0;
    return FindBreak(tag.toString(), 0, length) == 0 && length == tag.size();
}

// The text that stands before the first time tag, outside the header's tags
// (a tag may go on over several lines, as the window tag's attributes do):
// it is shown from the start. Each line end and line break between pieces
// of text starts a text line.
class HeaderText {
public:
    void read(QStringView line) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (!inTag_ && OpensTag(line, i)) {
                inTag_ = true;
                tagStart_ = i;
            } else if (line[i] == u'>' && inTag_) {
                inTag_ = false;
                if (tagStart_ >= 0 && IsBreak(line.sliced(tagStart_, i + 1 - tagStart_)))
                    endPiece();
            } else if (!inTag_) {
                piece_ += line[i];
            }
        }
        tagStart_ = -1; // a tag that goes on is no line break
        endPiece();
    }
    bool isEmpty() const { return pieces_.isEmpty(); }
    // One text line per piece; pieces past the rows' last text line join it,
    // so none is lost.
    QString text() const {
        const qsizetype lines = std::min<qsizetype>(pieces_.size(), MaxTextLines);
        return (pieces_.mid(0, lines - 1) << pieces_.mid(lines - 1).join(u' '))
            .join(QStringLiteral("<br>"));
    }

private:
    void endPiece() {
        const QString piece = piece_.trimmed();
        if (!piece.isEmpty()) pieces_ << piece;
        piece_.clear();
    }
    QStringList pieces_;
    QString piece_;
    bool inTag_ = false;
    qsizetype tagStart_ = -1;
};

// The header, read up to the first time line, left to be read next.
HeaderText ReadHeader(ReaderFrame& f) {
    HeaderText header;
    while (!f.atEnd() && !HasTimeTag(f.peekLine()))
        header.read(f.nextLine());
    if (!f.atEnd()) header.read(BeforeTimeTag(f.peekLine()));
    return header;
}

// The time lines, and one row more for a text before the first of them.
qsizetype CountEntries(const QStringList& lines) {
    HeaderText header;
    qsizetype count = 0;
    for (const QString& line : lines) {
        if (!HasTimeTag(line)) {
            if (count == 0) header.read(line);
            continue;
        }
        if (count == 0) header.read(BeforeTimeTag(line));
        for (qsizetype at = FindTimeTag(line); at >= 0; at = FindTimeTag(line, at + 1))
            ++count;
    }
    return count + (header.isEmpty() ? 0 : 1);
}

ReadOutcome Parse(ReaderFrame& f) {
    const HeaderText header = ReadHeader(f);
    if (!header.isEmpty() && readers::AddTimedRow(f, QStringLiteral("00:00:00,000")))
        WriteText(f, header.text());
    bool leadTaken = true; // the header takes the text before the first time tag
    while (!f.atEnd()) {
        const QString& line = f.nextLine();
        if (HasTimeTag(line))
            ReadSubtitleLine(f, line, leadTaken);
        else if (!IsMarkupOnly(line))
            f.badLine();
    }
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::RealTime{{false, false, false}, nullptr, &Parse, &CountEntries};
