// SubStation Alpha (.ssa, and the .ass event lines): only the "Dialogue:"
// lines of the events section are read. The comma fields of a dialogue line
// are the prefix ("Marked=0" or the .ass layer), start, end, style, name,
// three margins and effect; the text is everything after the ninth comma,
// its lines parted by "\n" or "\N". Override codes stay in the text, styles
// are not read: every row gets the default font. What the script holds
// besides (its info values, comments, the dialogue lines' names) is told.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"

#include <array>

namespace {

constexpr int TextCommas = 9; // the text follows the ninth comma

bool IsDialogueLine(QStringView line) {
    return line.startsWith(QLatin1String("dialogue:"), Qt::CaseInsensitive);
}

// The positions of the line's first nine commas; false when it has fewer.
bool FindCommas(QStringView line, std::array<qsizetype, TextCommas>& commas) {
    qsizetype at = -1;
    for (qsizetype& comma : commas) {
        at = line.indexOf(u',', at + 1);
        if (at < 0) return false;
        comma = at;
    }
    return true;
}

// One dialogue line: a row with its times and text, or a bad line when its
// times or its nine fields are missing. A time field "h:mm:ss.cc" reads as
// a time code: the hour gains a leading zero, the hundredths a trailing one
// (0:01:02.35 is 00:01:02,350); two hour digits and one to three fraction
// digits read too. The text's lines are parted at "\n" or "\N"; what
// follows the third is lost.
void ReadDialogue(ReaderFrame& f, QStringView line) {
    std::array<qsizetype, TextCommas> c{};
    if (!FindCommas(line, c)) return f.badLine();
    const QString start = readers::ClockTimeCode(line.mid(c[0] + 1, c[1] - c[0] - 1));
    const QString end = readers::ClockTimeCode(line.mid(c[1] + 1, c[2] - c[1] - 1));
    if (!readers::StartTimedRow(f, start, end)) return;
    readers::AddTextLines(f, line.mid(c[TextCommas - 1] + 1), u"\\n", Qt::CaseInsensitive);
    if (!line.mid(c[3] + 1, c[4] - c[3] - 1).trimmed().isEmpty())
        f.notKept(ReaderFrame::NotKept::SpeakerName);
}

// A "Name: value" line of the script's info that Mirel does not keep: one
// with a value other than Mirel's own header gives it. The script type is
// the format's, which the writer gives.
void NoteInfoLine(ReaderFrame& f, QStringView line) {
    static const QLatin1String written[] = {QLatin1String("Synch Point: Side 1 0m00s"),
                                            QLatin1String("Collisions: Normal"),
                                            QLatin1String("Timer: 100.0000")};
    const qsizetype colon = line.indexOf(u':');
    if (colon <= 0 || line.mid(colon + 1).trimmed().isEmpty()) return;
    const QStringView name = line.left(colon).trimmed();
    if (name.compare(QLatin1String("ScriptType"), Qt::CaseInsensitive) == 0) return;
    if (name.compare(QLatin1String("Timer"), Qt::CaseInsensitive) == 0) {
        // "100,0000" is the speed Mirel writes as "100.0000": nothing is lost.
        bool number = false;
        const double speed =
            line.mid(colon + 1).trimmed().toString().replace(u',', u'.').toDouble(&number);
        if (number && speed == 100) return;
    }
    for (QLatin1String own : written)
        if (line.trimmed() == own) return;
    f.notKept(ReaderFrame::NotKept::HeaderValue, name.toString());
}

ReadOutcome Parse(ReaderFrame& f) {
    bool inInfo = false; // in the "[Script Info]" section
    while (!f.atEnd()) {
        // Lines indented by blanks (as some scripts are) read as the others.
        QStringView line = f.nextLine();
        while (line.startsWith(u' '))
            line = line.mid(1);
        if (IsDialogueLine(line))
            ReadDialogue(f, line);
        else if (line.startsWith(u';'))
            f.notKept(ReaderFrame::NotKept::CommentLine);
        else if (line.startsWith(QLatin1String("comment:"), Qt::CaseInsensitive))
            f.notKept(ReaderFrame::NotKept::CommentEvent);
        else if (line.startsWith(u'['))
            inInfo =
                line.trimmed().compare(QLatin1String("[Script Info]"), Qt::CaseInsensitive) == 0;
        else if (inInfo)
            NoteInfoLine(f, line);
    }
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::SubStationAlpha{
    {false, false, false}, &readers::CountsLineHolding<"dialogue">, &Parse};
