#include "document/FormatDetection.h"

#include "document/readers/Readers.h"
#include "runtime/Strings.h"

namespace {

// Mid(s, start, length) with a 1-based start, as the tests are written.
QStringView Mid(const QString& s, int start, int length) {
    return QStringView(s).mid(start - 1, length);
}

// "{hh:mm:ss}{hh:mm:ss}": both times with their colons, at their places or
// with one hour digit ("{0:00:01}{0:00:03}"). Frame numbers hold none, so a
// MicroDVD line whose frames put "}{" at the same place
// ("{431}{492}{y:i}Hello") is not taken for one.
bool IsPowerDivXLine(const QString& s) {
    return (Mid(s, 10, 2) == QLatin1String("}{") && s.size() > 16 && s[3] == u':' && s[6] == u':' &&
            s[13] == u':' && s[16] == u':') ||
           readers::IsPowerDivXLine(s);
}

int DetectBracketed(const QString& s) {
    if (!s.startsWith(QLatin1Char('{'))) return Format::None;
    if (IsPowerDivXLine(s)) return Format::PowerDivX;
    if (s.contains(QLatin1String("}{"))) return Format::MicroDvd;
    return Format::None;
}

// Tests 1 to 8, in order.
int DetectFirstGroup(const QString& s) {
    if (s == QLatin1String("{head")) return Format::DvdSubtitle;
    if (s.startsWith(QLatin1Char('#'))) return Format::JacoSub;
    if (const int bracketed = DetectBracketed(s)) return bracketed;
    if (s.contains(QLatin1String(", \""))) return Format::Phoenix;
    if (s == QLatin1String("<window")) return Format::RealTime;
    if (s == QLatin1String("<sami>")) return Format::Sami;
    if (s.startsWith(QLatin1String("0001"))) return Format::SonicDvd;
    return Format::None;
}

// Tests 9 to 16, in order.
int DetectSecondGroup(const QString& s) {
    if (s == QLatin1String("1")) return Format::SubRip;
    if (s.startsWith(QLatin1String("dialogue:"))) return Format::SubStationAlpha;
    if (s == QLatin1String("[title]")) return Format::SubViewer1;
    if (s.startsWith(QLatin1String("[information]"))) return Format::SubViewer2;
    if (Mid(s, 9, 1) == QLatin1String(",") && Mid(s, 11, 1) == QLatin1String("="))
        return Format::TmPlayer;
    if (s.contains(QLatin1String(",ntp "))) return Format::TurboTitler;
    if (s == QLatin1String("{* viplay subtitle file *}")) return Format::ViPlay;
    if (s == QLatin1String("% zero g 1.0")) return Format::ZeroG;
    return Format::None;
}

// A DVD Subtitle time line ("{T 00:01:02:35"): a file of that format
// without its "{HEAD" block has nothing else the tests above would see.
bool IsDvdSubtitleTimeLine(const QString& line) {
    const QString s = runtime::Trim(line).toLower();
    if (!s.startsWith(QLatin1String("{t"))) return false;
    const QString rest = runtime::LTrim(s.mid(2));
    return !rest.isEmpty() && rest[0].isDigit();
}

} // namespace

int DetectFormat(const QString& line) {
    const QString s = runtime::Trim(line).toLower();
    if (const int first = DetectFirstGroup(s)) return first;
    return DetectSecondGroup(s);
}

bool IsDetectedRequest(int requested) {
    switch (requested) {
    case Format::None:
    case Format::DvdSubtitle:
    case Format::MicroDvd:
    case Format::SonicDvd:
    case Format::SubViewer1:
    case Format::SubViewer2:
        return true;
    default:
        return false;
    }
}

int DetectFileFormat(const QStringList& lines, int requested) {
    if (!IsDetectedRequest(requested)) return requested;
    if (requested != Format::None) {
        const int found = lines.isEmpty() ? Format::None : DetectFormat(lines.first());
        return found != Format::None ? found : requested;
    }
    for (const QString& line : lines)
        if (const int found = DetectFormat(line)) return found;
    for (const QString& line : lines)
        if (IsDvdSubtitleTimeLine(line)) return Format::DvdSubtitle;
    return Format::None;
}
