// JACOSub 2.7+ (.jss): "#" directive lines (none is interpreted), then one
// subtitle per line:
//   h:mm:ss.cc h:mm:ss.cc {NTP} \BFirst line\nSecond line\b
// two times to the hundredth, a directive (Mirel writes "{NTP}", other
// programs a word such as "D" or "VM") and the text. "\n" breaks the text
// into lines; "\B" and "\I" make the line bold or italic, "\b" and "\i" end
// that, and all four are taken out of the text where they stand. After a
// directive word, "{...}" in the text is a comment and is dropped. "\{" and
// "\}" are braces of the text (Mirel writes every brace so). The font name is
// the one chosen on the Font tab (Arial when none is chosen).

#include "document/FontSpec.h"
#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

const QString LineBreak = QStringLiteral("\\n");
constexpr int MaxTextLines = 3;

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

void SkipBlanks(const QString& line, qsizetype& pos) {
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
}

// A brace at `at` that a backslash makes a brace of the text.
bool IsEscaped(const QString& text, qsizetype at) {
    return at > 0 && text[at - 1] == u'\\';
}

// The first brace `brace` from `from` on that is not escaped, or -1.
qsizetype FindBrace(const QString& text, QChar brace, qsizetype from) {
    qsizetype at = text.indexOf(brace, from);
    while (at >= 0 && IsEscaped(text, at))
        at = text.indexOf(brace, at + 1);
    return at;
}

// Text with its "{...}" comments taken out; what stands between them is
// copied once, however many a line holds.
QString WithoutComments(const QString& text) {
    qsizetype open = FindBrace(text, u'{', 0);
    if (open < 0) return text;
    QString kept;
    kept.reserve(text.size());
    qsizetype from = 0;
    for (; open >= 0; open = FindBrace(text, u'{', from)) {
        const qsizetype close = FindBrace(text, u'}', open);
        if (close < 0) break;
        kept.append(QStringView(text).sliced(from, open - from));
        from = close + 1;
    }
    return kept.append(QStringView(text).sliced(from));
}

// "\{" and "\}" as the braces they stand for.
QString Unescaped(QString text) {
    if (!text.contains(u'\\')) return text;
    return text.replace(QLatin1String("\\{"), QLatin1String("{"))
        .replace(QLatin1String("\\}"), QLatin1String("}"));
}

// What follows the directive: after "{...}" as a whole, or after a directive
// word, whose text may hold comments.
QString TextAfterDirective(const QString& line, qsizetype pos) {
    SkipBlanks(line, pos);
    if (pos < line.size() && line[pos] == u'{') {
        const qsizetype close = line.indexOf(u'}', pos);
        if (close >= 0) return Unescaped(line.mid(close + 1));
    }
    while (pos < line.size() && !IsBlank(line[pos]))
        ++pos;
    return Unescaped(WithoutComments(line.mid(pos)));
}

struct Style {
    bool bold = false, italic = false;
};

// The segment without its style codes, noting which styles they switch on.
QString WithoutStyleCodes(QString segment, Style& style) {
    if (!segment.contains(u'\\')) return segment;
    style.bold = style.bold || segment.contains(QLatin1String("\\B"));
    style.italic = style.italic || segment.contains(QLatin1String("\\I"));
    for (const char* code : {"\\B", "\\b", "\\I", "\\i"})
        segment.remove(QLatin1String(code));
    return segment;
}

// Up to three text lines cut at "\n"; what follows the third has no column.
Style WriteText(ReaderFrame& f, QString text) {
    Style style;
    for (int lines = 0; lines < MaxTextLines; ++lines) {
        const qsizetype cut = text.indexOf(LineBreak);
        f.addText(WithoutStyleCodes(cut < 0 ? text : text.left(cut), style));
        if (cut < 0) return style;
        text = text.mid(cut + LineBreak.size());
    }
    readers::TextPastTheRow(f, text);
    return style;
}

// A subtitle line: its two times, blanks between them, the directive and
// the text.
void ReadLine(ReaderFrame& f, const QString& line, const QString& font, const StyleWords& words) {
    qsizetype pos = 0;
    if (!readers::StartHundredthsRow(f, line, pos, &SkipBlanks)) return;
    const Style style = WriteText(f, TextAfterDirective(line, pos));
    f.setFontSpec(FontSpec::western(font, words.word(style.bold, style.italic)));
}

// The font chosen on the Font tab, or Arial.
QString ChosenFont(Program& p) {
    const platform::ComboBox& names = p.main().editor.font.Combo9[0];
    const QString chosen = names.listIndex() >= 0 ? names.list(names.listIndex()) : QString();
    return chosen.isEmpty() ? QStringLiteral("Arial") : chosen;
}

// Blank lines and "#" directive lines, in the header or among the
// subtitles, are passed over.
ReadOutcome Parse(ReaderFrame& f) {
    const QString font = ChosenFont(f.program());
    f.program().shell.CurFontName = font;
    const StyleWords words = StyleWords::of(f.program().texts);
    while (!f.atEnd()) {
        const QString& line = f.nextLine();
        const QString lead = runtime::LTrim(line);
        if (lead.isEmpty() || lead.startsWith(u'#')) continue;
        ReadLine(f, line, font, words);
    }
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::JacoSub{
    {true, false, true}, &readers::CountsLineHolding<"{ntp}">, &Parse};
