// SubRip (.srt): numbered entries separated by blank lines, each a counter
// line, a time line "hh:mm:ss,fff --> hh:mm:ss,fff" and up to three text
// lines; <b> and <i> tags give the row's style. A row has one style: tags
// that give all of a row's text one style become the row's style (told when
// the writer will write them in another form); tags that give its text more
// than one stay in the text as they stand, so that nothing they say is lost.

#include "document/FontSpec.h"
#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

const QString Arrow = QStringLiteral("-->");

// The position of "-->" in a line, or -1. Most lines hold no "-" at all, so
// the search looks for that character first.
qsizetype FindArrow(const QString& line) {
    for (qsizetype i = line.indexOf(u'-'); i >= 0; i = line.indexOf(u'-', i + 1))
        if (QStringView(line).sliced(i).startsWith(Arrow)) return i;
    return -1;
}

bool CountsLine(const QString& line) {
    return FindArrow(line) >= 0;
}

bool IsTimeLine(const QString& line) {
    return FindArrow(line) >= 0;
}

// The classifier's memory between lines.
struct SubRipState {
    StyleWords words;           // the style words a line's tags give it
    bool previousBlank = true;  // the line before was blank (true at the start)
    bool afterTimeLine = false; // a time line came, and no text line since
    bool rowAwaitsTime = false; // a counter line started a row that has no times yet
    QStringList rowText;        // the current row's text lines, written when the row ends
};

// Digits alone (the line has lost its leading blanks already).
bool IsWholeNumber(const QString& line) {
    const QString number = line.trimmed();
    return !number.isEmpty() &&
           std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); });
}

// A counter line starts a new entry: a number alone after a blank line (or
// at the start). A whole number followed by a time line always is one (also
// "0", and also right after a time line: the entry before it had no text);
// otherwise a positive leading number counts, except right after a time line,
// where it is the entry's text.
bool IsCounterLine(const QString& line, bool hasArrow, const SubRipState& s,
                   const QString& following) {
    if (!s.previousBlank || hasArrow) return false;
    if (IsWholeNumber(line) && IsTimeLine(following)) return true;
    return !s.afterTimeLine && runtime::Val(line) > 0;
}

// Already hh:mm:ss,fff, the form time codes are read in by position.
bool IsTimeCode(const QString& t) {
    return t.size() == 12 && t[2] == u':' && t[5] == u':' && t[8] == u',';
}

// A time as hh:mm:ss,fff. Files also write one-digit fields, "." before the
// fraction, fewer than three fraction digits (",04" is 40 ms) or none, and a
// leading "-"; such a time is rewritten (a negative one in the program's own
// form), anything else is left for the time routines as it is.
QString NormalTime(const QString& time) {
    if (IsTimeCode(time)) return time;
    const QString code = readers::ClockTimeCode(time, {u",.", false});
    return code.isEmpty() ? time : code;
}

// A time as NormalTime gives it: hh:mm:ss,fff of digits, or the program's
// negative form with "-" for the first hour digit.
bool IsReadableTime(const QString& t) {
    return IsTimeCode(t) && readers::ReadsAsTime(t);
}

// "start --> end", blanks around the arrow or not; anything after the end
// time (position coordinates) is not part of it, and told. A time that is no time is
// a bad line: the entry keeps its row and its text, without that time.
void ReadTimeLine(ReaderFrame& f, const QString& line, qsizetype arrow, SubRipState& s) {
    f.progress();
    if (!s.rowAwaitsTime) f.addRow(); // no counter line announced this entry
    s.rowAwaitsTime = false;
    s.afterTimeLine = true;
    const QString start = NormalTime(QStringView(line).left(arrow).trimmed().toString());
    // The end time: the first word after the arrow.
    const QStringView after = QStringView(line).sliced(arrow + Arrow.size()).trimmed();
    const QString end = NormalTime(after.left(after.indexOf(u' ')).toString());
    const bool startRead = IsReadableTime(start), endRead = IsReadableTime(end);
    if (startRead) f.setStartTime(start);
    if (endRead) f.setEndTime(end);
    if (!startRead || !endRead) f.badLine();
    if (after.indexOf(u' ') >= 0) f.notKept(ReaderFrame::NotKept::Position);
}

const QLatin1String StyleTags[] = {QLatin1String("<b>"), QLatin1String("</b>"),
                                   QLatin1String("<i>"), QLatin1String("</i>")};

struct Style {
    bool bold = false, italic = false;
    bool operator==(const Style&) const = default;
};

// The tags go where they stand, wherever that is in the line.
QString WithoutStyleTags(QString line) {
    for (QLatin1String tag : StyleTags)
        line.remove(tag);
    return line;
}

// A line of a row in the style, as the writer writes it.
QString Wrapped(QStringView text, Style style) {
    QString line = text.toString();
    if (style.bold) line = QLatin1String("<b>") + line + QLatin1String("</b>");
    if (style.italic) line = QLatin1String("<i>") + line + QLatin1String("</i>");
    return line;
}

// The style tag at `at` moves the style on; false when none stands there.
bool StepStyle(QStringView line, qsizetype& at, Style& style) {
    for (int k = 0; k < 4; ++k) {
        if (!line.sliced(at).startsWith(StyleTags[k])) continue;
        (k < 2 ? style.bold : style.italic) = k % 2 == 0;
        at += StyleTags[k].size();
        return true;
    }
    return false;
}

// The one style every character but blanks has, the tags read in turn across
// the row's lines (one left open closes at the row's end); nothing when
// characters differ.
std::optional<Style> OneStyle(const QStringList& lines) {
    Style style;
    std::optional<Style> seen;
    for (const QString& line : lines)
        for (qsizetype at = 0; at < line.size();) {
            if (StepStyle(line, at, style)) continue;
            if (line[at++] == u' ') continue;
            if (seen && *seen != style) return std::nullopt;
            seen = style;
        }
    return seen.value_or(Style{});
}

// The row's text lines and its style word; tags the style cannot say stay.
// `rewritten`: the writer will write the tags in another form.
QString ReadRowMarkup(QStringList& lines, const StyleWords& words, bool& rewritten) {
    const bool tagged = std::any_of(lines.begin(), lines.end(), [](const QString& l) {
        return std::any_of(std::begin(StyleTags), std::end(StyleTags),
                           [&l](QLatin1String tag) { return l.contains(tag); });
    });
    const std::optional<Style> style = tagged ? OneStyle(lines) : Style{};
    if (!tagged || !style) return words.regular;
    for (QString& line : lines) {
        QString text = WithoutStyleTags(line);
        rewritten =
            rewritten || runtime::TrimView(line) != Wrapped(runtime::TrimView(text), *style);
        line = std::move(text);
    }
    return words.word(style->bold, style->italic);
}

// The row's text, once all its lines are read.
void WriteRowText(ReaderFrame& f, SubRipState& s) {
    if (s.rowText.isEmpty()) return;
    const QString font = QStringLiteral("Arial");
    f.program().shell.CurFontName = font;
    bool rewritten = false;
    const QString style = ReadRowMarkup(s.rowText, s.words, rewritten);
    for (const QString& line : s.rowText)
        f.addText(line);
    f.setFontSpec(FontSpec::western(font, style));
    if (rewritten) f.markupRewritten();
    s.rowText.clear();
}

// A fourth text line has no column: a bad line, asked about as it is read.
void ReadTextLine(ReaderFrame& f, const QString& line, SubRipState& s) {
    s.afterTimeLine = false;
    if (s.rowText.size() == 3) return f.badLine();
    s.rowText << line;
}

ReadOutcome Parse(ReaderFrame& f) {
    SubRipState s;
    s.words = StyleWords::of(f.program().texts);
    while (!f.atEnd()) {
        const QString& read = f.nextLine();
        const QString line = runtime::LTrim(read);
        if (line.size() != read.size()) f.setCurrentFileLine(line);
        if (line.isEmpty()) {
            s.previousBlank = true;
            continue;
        }
        const qsizetype arrow = FindArrow(line);
        const bool counter = IsCounterLine(line, arrow >= 0, s, f.peekLine());
        if (counter || arrow >= 0) WriteRowText(f, s); // the row before has all its lines
        if (counter) {
            f.addRow();
            s.rowAwaitsTime = true;
        } else if (arrow >= 0) {
            ReadTimeLine(f, line, arrow, s);
        } else {
            ReadTextLine(f, line, s);
        }
        s.previousBlank = false;
    }
    WriteRowText(f, s);
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::SubRip{{true, false, true}, &CountsLine, &Parse};
