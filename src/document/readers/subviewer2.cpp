// SubViewer 2.0 (.sub): a header of bracketed lines ("[INFORMATION]" ...
// "[SUBTITLE]"), one of which may name the font and size of the whole file
// ("[COLF]&HFFFFFF,[STYLE]no,[SIZE]18,[FONT]Arial"), then one group per
// subtitle: the time line "hh:mm:ss.cc,hh:mm:ss.cc", the text with "[br]"
// between its lines, and a blank line. Text that other programs put on
// further lines of the group reads as further text lines.

#include "document/FontSpec.h"
#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "shell/Program.h"

#include <algorithm>

namespace {

constexpr int LastTextColumn = 5;

// A time line "hh:mm:ss.cc,hh:mm:ss.cc" (blanks around the fields allowed).
bool ReadTimeLine(QStringView line, readers::Clock& start, readers::Clock& end) {
    qsizetype at = 0, next = 0;
    if (!readers::ReadClock(line, start, at) || at >= line.size() || line[at] != u',') return false;
    line = line.mid(at + 1);
    return readers::ReadClock(line, end, next) && next == line.size();
}

bool IsTimeLine(QStringView line) {
    readers::Clock start, end;
    return ReadTimeLine(line, start, end);
}

bool CountsLine(const QString& line) {
    return IsTimeLine(line);
}

// The font of the file as its header names it.
struct HeaderFont {
    QString name = QStringLiteral("Arial");
    QString size = QStringLiteral("16");
};

// "[SIZE]18": the leading digits of the two characters after the tag.
// "[FONT]Arial,...": the name up to the next ",", blanks kept.
void ReadFontTags(const QString& line, HeaderFont& font) {
    const QString lower = line.toLower();
    const qsizetype size = lower.indexOf(QLatin1String("[size]"));
    if (size >= 0) font.size = readers::TwoDigitSize(line, size + 6);
    const qsizetype name = lower.indexOf(QLatin1String("[font]"));
    if (name >= 0) {
        const QString named = line.mid(name + 6).section(u',', 0, 0);
        if (!named.isEmpty()) font.name = named; // a tag without a name keeps Arial
    }
}

// The header: the lines up to the first one that does not begin with "[".
HeaderFont ReadHeader(ReaderFrame& f) {
    HeaderFont font;
    while (!f.atEnd() && f.peekLine().startsWith(u'['))
        ReadFontTags(f.nextLine(), font);
    return font;
}

// A text line of the group, parted at "[br]" (lower case only); what the
// three text columns cannot hold has no column.
void AddTextLine(ReaderFrame& f, const QString& line) {
    const QStringList pieces = line.split(QLatin1String("[br]"));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (f.textColumn() >= LastTextColumn)
            return readers::TextPastTheRow(f, pieces.mid(i).join(QString()));
        f.addText(pieces[i]);
    }
}

// The group's text: the line after the time line (an empty one is an empty
// first line), then any further lines up to a blank line or the next time
// line. A fourth line has no column and is a bad line.
void ReadGroupText(ReaderFrame& f) {
    if (f.atEnd() || IsTimeLine(f.peekLine())) return;
    AddTextLine(f, f.nextLine());
    while (!f.atEnd() && !readers::IsBlankLine(f.peekLine()) && !IsTimeLine(f.peekLine())) {
        const QString& line = f.nextLine();
        if (f.textColumn() >= LastTextColumn)
            f.badLine();
        else
            AddTextLine(f, line);
    }
}

ReadOutcome Parse(ReaderFrame& f) {
    const HeaderFont font = ReadHeader(f);
    const QString regular = StyleWords::of(f.program().texts).regular;
    const QString fontSpec = FontSpec::western(font.name, regular, font.size).text();
    while (!f.atEnd()) {
        const QString& line = f.nextLine();
        readers::Clock start, end;
        if (!ReadTimeLine(line, start, end)) {
            if (!readers::IsBlankLine(line)) f.badLine(); // blank lines are skipped
            continue;
        }
        if (!readers::AddTimedRow(f, readers::TimeCodeOf(start), readers::TimeCodeOf(end))) break;
        f.setFontSpec(fontSpec);
        ReadGroupText(f);
    }
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::SubViewer2{{false, true, false}, &CountsLine, &Parse};
