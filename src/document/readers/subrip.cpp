// SubRip (.srt): numbered entries separated by blank lines, each a counter
// line, a time line "hh:mm:ss,fff --> hh:mm:ss,fff" and up to three text
// lines; <b> and <i> tags give the line's style.

#include "document/FontSpec.h"
#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"

#include <algorithm>

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
    if (!IsTimeCode(t) || !(readers::IsDigit(t[0]) || t[0] == u'-')) return false;
    for (int i : {1, 3, 4, 6, 7, 9, 10, 11})
        if (!readers::IsDigit(t[i])) return false;
    return true;
}

// "start --> end", blanks around the arrow or not; anything after the end
// time (position coordinates) is not part of it. A time that is no time is
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
}

// The style a line's tags give it.
QString StyleWord(const StyleWords& words, const QString& line) {
    return words.word(line.contains(QLatin1String("<b>")), line.contains(QLatin1String("<i>")));
}

// The tags go where they stand, wherever that is in the line.
QString WithoutStyleTags(QString line) {
    for (const char* tag : {"<b>", "</b>", "<i>", "</i>"})
        line.remove(QLatin1String(tag));
    return line;
}

void ReadTextLine(ReaderFrame& f, const QString& line, SubRipState& s) {
    s.afterTimeLine = false;
    const QString font = QStringLiteral("Arial");
    f.program().shell.CurFontName = font;
    const bool tagged = line.contains(u'<');
    if (!f.addText(tagged ? WithoutStyleTags(line) : line)) return; // a fourth line is not kept
    const QString style = tagged ? StyleWord(s.words, line) : s.words.regular;
    f.setFontSpec(FontSpec::western(font, style));
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
        if (IsCounterLine(line, arrow >= 0, s, f.peekLine())) {
            f.addRow();
            s.rowAwaitsTime = true;
        } else if (arrow >= 0) {
            ReadTimeLine(f, line, arrow, s);
        } else {
            ReadTextLine(f, line, s);
        }
        s.previousBlank = false;
    }
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::SubRip{{true, false, true}, &CountsLine, &Parse};
