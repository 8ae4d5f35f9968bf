#include "fileio/SubtitleFormats.h"

#include "document/Formats.h"

#include "document/TimeCode.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"

#include <cmath>
#include <initializer_list>

namespace subtitle_formats {

namespace {

using runtime::Trim;

// The DVD Subtitle header's web address and licence.
constexpr const char* DvdWebAddress = "https://mirel.example";
constexpr const char* DvdLicense = "NONE";

// The widest frame number a Phoenix Japanimation field holds: eight
// characters with the comma.
constexpr int PhoenixFrameWidth = 7;
// Sonic DVD numbers its lines in four digits.
constexpr int SonicCounterLimit = 9999;

// ---- Building lines ------------------------------------------------------------

// The pieces joined into one line, allocated once.
QString cat(std::initializer_list<QStringView> parts) {
    qsizetype size = 0;
    for (QStringView part : parts)
        size += part.size();
    QString out;
    out.reserve(size);
    for (QStringView part : parts)
        out.append(part);
    return out;
}

// ---- Time pieces -------------------------------------------------------------

// A row's times come as the user sees them: a time before zero is "-" and
// its distance from zero ("-00:00:01,000"), which the readers of clock times
// take back as the same time. The pieces keep the "-" in front. Formats read
// by character position take the program's own form ("-1:59:59,000", see
// held()), which their readers give back as it was.
qsizetype signWidth(const QString& t) {
    return t.size() == 13 && t.startsWith(u'-') ? 1 : 0;
}
RowInput held(const RowInput& r) {
    RowInput h = r;
    h.start = HeldTime(r.start);
    h.end = HeldTime(r.end);
    return h;
}
QStringView hms(const QString& t) {
    return QStringView(t).left(8 + signWidth(t));
}
QStringView tenth(const QString& t) {
    return QStringView(t).left(10 + signWidth(t));
}
// h:mm:ss with the whole hour count: a leading zero is dropped, so 10 hours
// and more keep both their digits (10:20:30); a time before zero keeps its
// "-" before them (-0:00:01).
QString clock(const QString& t) {
    const qsizetype sign = signWidth(t);
    const QStringView time = QStringView(t).mid(sign);
    const bool twoDigitHours = !time.isEmpty() && time[0] >= u'1' && time[0] <= u'9';
    const QStringView shown = twoDigitHours ? time.left(8) : time.mid(1, 7);
    return sign ? QLatin1Char('-') + shown.toString() : shown.toString();
}
QStringView cs(const QString& t) {
    return QStringView(t).mid(9 + signWidth(t), 2);
}

long long wholeMs(const QString& t) {
    return static_cast<long long>(std::floor(TimeToMs(t)));
}

long long floorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

QString ms(const QString& t) {
    return QString::number(wholeMs(t));
}

// The frame a time falls in, as the frame readers give frames their times:
// frame F reads as F / rate seconds cut to whole milliseconds (towards zero),
// so a time is written as the last frame that reads at or before it and a
// file read back is written with the same frames.
QString frame(const LayoutContext& c, const QString& t) {
    const long long milliseconds = wholeMs(t);
    if (milliseconds < 0 || c.frameRateMilli <= 0)
        return QString::number(floorDiv(milliseconds * c.frameRateMilli, 1000000));
    return QString::number(floorDiv((milliseconds + 1) * c.frameRateMilli - 1, 1000000));
}

// The frame of its second a time falls in, as two digits (00 up to the frame
// rate): the milliseconds x rate, rounded down. The Sonic DVD reader gives
// frame F the first whole hundredth at or after its start, which falls in F
// again, so a file read back is written with the same frames.
QString secondFrame(const LayoutContext& c, const QString& t) {
    const double milliseconds =
        runtime::Val(QStringView(t).mid(9 + signWidth(t), 3)); // three digits
    if (!(milliseconds > 0) || c.frameRateMilli <= 0) return QStringLiteral("00");
    const long long frames = static_cast<long long>(milliseconds) * c.frameRateMilli / 1000000;
    return QString::number(frames).rightJustified(2, QLatin1Char('0'));
}

// ---- Text of a row -------------------------------------------------------------

// The first text line (written even when empty), then every further filled
// cell after the separator; an empty cell is skipped, so no later line is lost.
QString joined(const RowInput& r, QStringView separator) {
    if (r.cells[1].isEmpty() && r.cells[2].isEmpty()) return Trim(r.cells[0]);
    qsizetype size = 0;
    for (const QString& cell : r.cells)
        size += cell.size() + separator.size();
    QString out; // allocated once: a document has thousands of rows
    out.reserve(size);
    out += runtime::TrimView(r.cells[0]);
    for (std::size_t i = 1; i < r.cells.size(); ++i) {
        if (r.cells[i].isEmpty()) continue;
        out += separator;
        out += runtime::TrimView(r.cells[i]);
    }
    return out;
}

// Each filled cell from `from` on as a line of its own; a cell of blanks is
// filled and gives an empty line.
void separateLines(const RowInput& r, std::size_t from, QStringList& out) {
    for (std::size_t i = from; i < r.cells.size(); ++i)
        if (!r.cells[i].isEmpty()) out << Trim(r.cells[i]);
}

bool hasWord(const QString& fontSpec, const QString& word) {
    return !word.isEmpty() && fontSpec.contains(word);
}

// ---- Headers and footers -----------------------------------------------------------

QStringList dvdHeader(const LayoutContext&) {
    return {QStringLiteral("{HEAD"),
            QStringLiteral("DISCID="),
            QStringLiteral("DVDTITLE="),
            QStringLiteral("CODEPAGE=1250"),
            QStringLiteral("FORMAT=ASCII"),
            QStringLiteral("LANG=EN"),
            QStringLiteral("TITLE=1"),
            QStringLiteral("ORIGINAL=ORIGINAL"),
            QStringLiteral("AUTHOR="),
            QStringLiteral("WEB=") + QLatin1String(DvdWebAddress),
            QStringLiteral("INFO="),
            QStringLiteral("LICENSE=") + QLatin1String(DvdLicense),
            QStringLiteral("}")};
}

QStringList jacoHeader(const LayoutContext&) {
    QStringList lines = {QStringLiteral("#T100"), QString(), QStringLiteral("# Directive entries"),
                         QStringLiteral("#D")};
    for (int i = 1; i <= 29; ++i)
        lines << QLatin1Char('#') + QString::number(i);
    return lines;
}

QStringList realTimeHeader(const LayoutContext&) {
    return {QStringLiteral("<Window"),
            QStringLiteral("  With     = \"640\""),
            QStringLiteral("  Heigth   = \"480\""),
            QStringLiteral("  WordWrap = \"true\""),
            QStringLiteral("  Loop     = \"true\""),
            QStringLiteral("  bgcolor  = \"black\""),
            QStringLiteral(">"),
            QStringLiteral("<Font"),
            QStringLiteral("  Color = \"white\""),
            QStringLiteral("  Face  = \"Arial\""),
            QStringLiteral("  Size  = \"+2\""),
            QStringLiteral(">"),
            QStringLiteral("<center>"),
            QStringLiteral("<b>"),
            QString()};
}
QStringList realTimeFooter() {
    return {QStringLiteral("</b>"), QStringLiteral("</center>")};
}

QStringList samiHeader(const LayoutContext&) {
    return {QStringLiteral("<SAMI>"),
            QStringLiteral("<HEAD>"),
            QStringLiteral("   <STYLE TYPE=\"Text/css\">"),
            QStringLiteral("   <!--"),
            QStringLiteral("      P {margin-left: 29pt; margin-right: 29pt; font-size: 29pt;"),
            QStringLiteral("      text-align: center; font-family: tahoma, arial, sans-serif;"),
            QStringLiteral("      font-weight: bold; color: white; background-color: black;}"),
            QStringLiteral("      .SUBTTL {Name: 'Subtitles'; Lang: en-US; SAMIType: CC;}"),
            QStringLiteral("   -->"),
            QStringLiteral("   </STYLE>"),
            QStringLiteral("</HEAD>"),
            QStringLiteral("<BODY>")};
}
QStringList samiFooter() {
    return {QStringLiteral("</BODY>"), QStringLiteral("</SAMI>")};
}

// The three sections of a script, a blank line between them; the events'
// "Format:" line closes the header, and the "Dialogue:" lines follow it.
QStringList ssaHeader(const LayoutContext&) {
    return {QStringLiteral("[Script Info]"),
            QStringLiteral("ScriptType: v4.00"),
            QStringLiteral("Synch Point: Side 1 0m00s"),
            QStringLiteral("Collisions: Normal"),
            QStringLiteral("Timer: 100.0000"),
            QString(),
            QStringLiteral("[V4 Styles]"),
            QStringLiteral("Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, "
                           "TertiaryColour, BackColour, Bold, Italic, BorderStyle, Outline, "
                           "Shadow, Alignment, MarginL, MarginR, MarginV, AlphaLevel, Encoding"),
            QStringLiteral("Style: Default,Arial,26,253436,0,16777215,0,-1,0,1,2,2,2,20,20,10,0,0"),
            QString(),
            QStringLiteral("[Events]"),
            QStringLiteral("Format: Marked, Start, End, Style, Name, MarginL, MarginR, MarginV, "
                           "Effect, Text")};
}

QStringList subViewer1Header(const LayoutContext&) {
    return {QStringLiteral("[TITLE]"),    QString(),
            QStringLiteral("[AUTHOR]"),   QString(),
            QStringLiteral("[SOURCE]"),   QString(),
            QStringLiteral("[PRG]"),      QString(),
            QStringLiteral("[FILEPATH]"), QString(),
            QStringLiteral("[DELAY]"),    QStringLiteral("0"),
            QStringLiteral("[CDTRACK]"),  QStringLiteral("0"),
            QStringLiteral("[BEGIN]"),    QStringLiteral("******** START SCRIPT ********")};
}
QStringList subViewer1Footer() {
    return {QStringLiteral("[END]"), QStringLiteral("******** END SCRIPT ********")};
}

QStringList subViewer2Header(const LayoutContext& c) {
    return {QStringLiteral("[INFORMATION]"),
            QStringLiteral("[AUTHOR]"),
            QStringLiteral("[SOURCE]"),
            QStringLiteral("[PRG]"),
            QStringLiteral("[FILEPATH]"),
            QStringLiteral("[DELAY]0"),
            QStringLiteral("[CD TRACK]0"),
            QStringLiteral("[COMMENT]"),
            QStringLiteral("[END INFORMATION]"),
            QStringLiteral("[SUBTITLE]"),
            QStringLiteral("[COLF]&HFFFFFF,[STYLE]no,[SIZE]29, [Font]") + c.fontName};
}

QStringList viPlayHeader(const LayoutContext&) {
    return {QStringLiteral("{* VIPLAY SUBTITLE FILE *}")};
}

QStringList zeroGHeader(const LayoutContext&) {
    return {QStringLiteral("% Zero G 1.0"), QString()};
}

// ---- Row layouts ---------------------------------------------------------------------

// Each filled cell as a text line of a DVD Subtitle block. A line that would
// begin with a brace is indented by a blank, so that it is not taken for the
// block's "}" or for a time line, and a blank cell is written as one blank,
// so that it is not taken for the empty line of an end block.
void dvdTextLines(const RowInput& r, QStringList& out) {
    for (const QString& cell : r.cells) {
        if (cell.isEmpty()) continue;
        const QString text = Trim(cell);
        const bool brace = text.startsWith(QLatin1Char('{')) || text.startsWith(QLatin1Char('}'));
        out << (text.isEmpty() || brace ? QLatin1Char(' ') + text : text);
    }
}

QString dvdRow(const LayoutContext&, const RowInput& shown, QStringList& out) {
    const RowInput r = held(shown);
    out << cat({u"{T ", hms(r.start), u":", cs(r.start)});
    dvdTextLines(r, out);
    out << QStringLiteral("}") << cat({u"{T ", hms(r.end), u":", cs(r.end)}) << QString()
        << QStringLiteral("}");
    return {};
}

// A brace opens or closes a comment in JACOSub, so one in the text is
// written "\{" or "\}".
QString jacoEscaped(QString text) {
    if (!text.contains(u'{') && !text.contains(u'}')) return text;
    return text.replace(u'{', QLatin1String("\\{")).replace(u'}', QLatin1String("\\}"));
}

QString jacoRow(const LayoutContext& c, const RowInput& r, QStringList& out) {
    QString text = jacoEscaped(joined(r, u"\\n"));
    if (hasWord(r.fontSpec, c.boldWord)) text = cat({u"\\B", text, u"\\b"});
    if (hasWord(r.fontSpec, c.italicWord)) text = cat({u"\\I", text, u"\\i"});
    out << cat(
        {clock(r.start), u".", cs(r.start), u" ", clock(r.end), u".", cs(r.end), u" {NTP} ", text});
    return {};
}

QString microDvdRow(const LayoutContext& c, const RowInput& r, QStringList& out) {
    out << cat({u"{", frame(c, r.start), u"}{", frame(c, r.end), u"}", joined(r, u"|")});
    return {};
}

QString phoenixRow(const LayoutContext& c, const RowInput& r, QStringList& out) {
    const QString first = frame(c, r.start), last = frame(c, r.end);
    for (const QString* f : {&first, &last})
        if (f->size() > PhoenixFrameWidth)
            return QStringLiteral("frame %1 of line %2 does not fit the %3-digit frame field of "
                                  "Phoenix Japanimation")
                .arg(*f)
                .arg(r.row)
                .arg(PhoenixFrameWidth);
    // Each frame and its comma right-aligned in a field of eight.
    const QString blanks(PhoenixFrameWidth, QLatin1Char(' '));
    const auto pad = [&blanks](const QString& f) {
        return QStringView(blanks).left(PhoenixFrameWidth - f.size());
    };
    out << cat({pad(first), first, u",", pad(last), last, u",", u" \"", joined(r, u"|"), u"\""});
    return {};
}

QString powerDivXRow(const LayoutContext&, const RowInput& shown, QStringList& out) {
    const RowInput r = held(shown);
    out << cat({u"{", hms(r.start), u"}{", hms(r.end), u"}", joined(r, u"|")});
    return {};
}

QString realTimeRow(const LayoutContext&, const RowInput& r, QStringList& out) {
    out << cat({u"<Time begin=\"", clock(r.start), u".", cs(r.start), u"\" end=\"", clock(r.end),
                u".", cs(r.end), u"\" /><clear/> ", joined(r, u"<br>")});
    return {};
}

QString samiRow(const LayoutContext&, const RowInput& r, QStringList& out) {
    out << cat({u"   <SYNC START=", ms(r.start), u">"}) << cat({u"      <P>", joined(r, u"<br>")})
        << cat({u"   <SYNC START=", ms(r.end), u">"}) << QStringLiteral("      <P>&nbsp;");
    return {};
}

QString sonicRow(const LayoutContext& c, const RowInput& shown, QStringList& out) {
    const RowInput r = held(shown);
    if (r.number > SonicCounterLimit)
        return QStringLiteral("line %1 does not fit the four-digit counter of Sonic DVD")
            .arg(r.number);
    out << cat({QString::number(r.number).rightJustified(4, QLatin1Char('0')), u"  ", hms(r.start),
                u":", secondFrame(c, r.start), u"  ", hms(r.end), u":", secondFrame(c, r.end),
                u"  ", Trim(r.cells[0])});
    // The second and third cells as lines of their own; a blank one is written
    // as one blank, since an empty line would close the entry.
    for (std::size_t i = 1; i < r.cells.size(); ++i)
        if (!r.cells[i].isEmpty())
            out << (Trim(r.cells[i]).isEmpty() ? QStringLiteral(" ") : Trim(r.cells[i]));
    out << QString();
    return {};
}

QString subRipRow(const LayoutContext& c, const RowInput& r, QStringList& out) {
    out << QString::number(r.number) << cat({r.start, u" --> ", r.end});
    const bool bold = hasWord(r.fontSpec, c.boldWord);
    const bool italic = hasWord(r.fontSpec, c.italicWord);
    const qsizetype firstText = out.size();
    separateLines(r, 0, out);
    for (qsizetype i = firstText; i < out.size(); ++i) {
        if (bold) out[i] = cat({u"<b>", out[i], u"</b>"});
        if (italic) out[i] = cat({u"<i>", out[i], u"</i>"});
    }
    out << QString();
    return {};
}

// The text lines are parted by "\N", the hard line break ("\n" is a soft one
// that a player may wrap away).
QString ssaRow(const LayoutContext&, const RowInput& r, QStringList& out) {
    out << cat({u"Dialogue: Marked=0,", clock(r.start), u".", cs(r.start), u",", clock(r.end), u".",
                cs(r.end), u",Default,,0000,0000,0000,!Effect,", joined(r, u"\\N")});
    return {};
}

QString subViewer1Row(const LayoutContext&, const RowInput& r, QStringList& out) {
    out << cat({u"[", hms(r.start), u"]"}) << joined(r, u"|") << cat({u"[", hms(r.end), u"]"})
        << QString();
    return {};
}

QString subViewer2Row(const LayoutContext&, const RowInput& r, QStringList& out) {
    out << cat({hms(r.start), u".", cs(r.start), u",", hms(r.end), u".", cs(r.end)})
        << joined(r, u"[br]") << QString();
    return {};
}

QString tmPlayerRow(const LayoutContext&, const RowInput& r, QStringList& out) {
    out << cat({tenth(r.start), u"=", joined(r, u"|")}) << cat({tenth(r.end), u"="});
    return {};
}

QString turboTitlerRow(const LayoutContext&, const RowInput& r, QStringList& out) {
    out << cat({clock(r.start), u".", cs(r.start), u",", clock(r.end), u".", cs(r.end), u",NTP ",
                joined(r, u"|")});
    return {};
}

QString viPlayRow(const LayoutContext&, const RowInput& shown, QStringList& out) {
    const RowInput r = held(shown);
    out << cat({r.start, u"-", r.end, u"=", joined(r, u"|")});
    return {};
}

QString zeroGRow(const LayoutContext&, const RowInput& r, QStringList& out) {
    out << cat({u"E 1 ", clock(r.start), u".", cs(r.start), u" ", clock(r.end), u".", cs(r.end),
                u" Default NTP ", joined(r, u"\\n")});
    return {};
}

} // namespace

const Layout layouts::DvdSubtitle{dvdHeader, nullptr, dvdRow};
const Layout layouts::JacoSub{jacoHeader, nullptr, jacoRow};
const Layout layouts::MicroDvd{nullptr, nullptr, microDvdRow};
const Layout layouts::Phoenix{nullptr, nullptr, phoenixRow};
const Layout layouts::PowerDivX{nullptr, nullptr, powerDivXRow};
const Layout layouts::RealTime{realTimeHeader, realTimeFooter, realTimeRow};
const Layout layouts::Sami{samiHeader, samiFooter, samiRow};
const Layout layouts::SonicDvd{nullptr, nullptr, sonicRow};
const Layout layouts::SubRip{nullptr, nullptr, subRipRow};
const Layout layouts::SubStationAlpha{ssaHeader, nullptr, ssaRow};
const Layout layouts::SubViewer1{subViewer1Header, subViewer1Footer, subViewer1Row};
const Layout layouts::SubViewer2{subViewer2Header, nullptr, subViewer2Row};
const Layout layouts::TmPlayer{nullptr, nullptr, tmPlayerRow};
const Layout layouts::TurboTitler{nullptr, nullptr, turboTitlerRow};
const Layout layouts::ViPlay{viPlayHeader, nullptr, viPlayRow};
const Layout layouts::ZeroG{zeroGHeader, nullptr, zeroGRow};

const Layout* LayoutOf(int format) {
    const FileTypeEntry* entry = formats::Subtitle(format);
    return entry ? entry->layout : nullptr;
}

long long FrameRateMilli(const QString& frameRateText) {
    const double rate = runtime::Val(frameRateText);
    return std::isfinite(rate) && std::fabs(rate) < 1e9 ? std::llround(rate * 1000) : 0;
}

} // namespace subtitle_formats
