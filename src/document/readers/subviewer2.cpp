// SubViewer 2.0 (.sub): a header of bracketed lines ("[INFORMATION]" ...
// "[SUBTITLE]"), one of which may name the font and size of the whole file
// ("[COLF]&HFFFFFF,[STYLE]no,[SIZE]18,[FONT]Arial"), then one group per
// subtitle: the time line "hh:mm:ss.cc,hh:mm:ss.cc", the text with "[br]"
// between its lines, and a blank line. Text that other programs put on
// further lines of the group reads as further text lines. Header values
// Mirel does not keep are told.

#include "document/FontSpec.h"
#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "shell/Program.h"

#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <utility>

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

const QLatin1String FontTags[] = {QLatin1String("[colf]"), QLatin1String("[style]"),
                                  QLatin1String("[size]"), QLatin1String("[font]")};

// Whether a header value goes into the rows or is one Mirel's own header
// writes: FONT and SIZE make the rows' font, the others stand as they are
// in what Mirel writes.
bool KeptHeaderValue(const QString& tag, const QString& value) {
    static const std::pair<QLatin1String, QLatin1String> written[] = {
        {QLatin1String("DELAY"), QLatin1String("0")},
        {QLatin1String("CD TRACK"), QLatin1String("0")},
        {QLatin1String("COLF"), QLatin1String("&HFFFFFF")},
        {QLatin1String("STYLE"), QLatin1String("no")}};
    if (tag.compare(QLatin1String("FONT"), Qt::CaseInsensitive) == 0 ||
        tag.compare(QLatin1String("SIZE"), Qt::CaseInsensitive) == 0)
        return true;
    return std::any_of(std::begin(written), std::end(written), [&](const auto& w) {
        return tag.compare(w.first, Qt::CaseInsensitive) == 0 &&
               value.compare(w.second, Qt::CaseInsensitive) == 0;
    });
}

// The values of a header line that Mirel does not keep are told. A line
// of font tags holds several ("[COLF]&HFFFFFF,[STYLE]bd,..."), any other
// line one, whatever brackets its value holds ("[TITLE]A [big] day").
void NoteHeaderValues(ReaderFrame& f, const QString& line) {
    static const QRegularExpression tag(QStringLiteral(R"(\[([A-Za-z ]+)\])"));
    const QString lower = line.toLower();
    const bool fontLine = std::any_of(std::begin(FontTags), std::end(FontTags),
                                      [&lower](QLatin1String t) { return lower.contains(t); });
    QRegularExpressionMatch m = tag.match(line);
    if (!fontLine && m.capturedStart() != 0) return;
    while (m.hasMatch()) {
        const QRegularExpressionMatch next =
            fontLine ? tag.match(line, m.capturedEnd()) : QRegularExpressionMatch();
        const qsizetype end = next.hasMatch() ? next.capturedStart() : line.size();
        QString value = line.mid(m.capturedEnd(), end - m.capturedEnd()).trimmed();
        if (fontLine && value.endsWith(u',')) value = value.chopped(1).trimmed();
        const QString name = m.captured(1).trimmed();
        if (!value.isEmpty() && !KeptHeaderValue(name, value))
            f.notKept(ReaderFrame::NotKept::HeaderValue, name);
        m = next;
    }
}

// The header: the lines up to the first one that does not begin with "[".
HeaderFont ReadHeader(ReaderFrame& f) {
    HeaderFont font;
    while (!f.atEnd() && f.peekLine().startsWith(u'[')) {
        const QString& line = f.nextLine();
        ReadFontTags(line, font);
        NoteHeaderValues(f, line);
    }
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
