#include "document/Formats.h"

#include "document/readers/Readers.h"
#include "fileio/SubtitleFormats.h"

#include <array>

namespace {

namespace L = subtitle_formats::layouts;

// Entry 0 does not name *.mpg, *.wmv and the newer video types, which its
// patterns include.
const std::array<FileTypeEntry, FileType::Count> Table = {{
    {0, "Supported files", nullptr, "",
     "Supported files (*.sub, *.jss, *.pjs, *.psb, *.rt, *.smi, *.sami, *.srt, *.ssa, *.txt, "
     "*.tts, *.vsf, *.zeg, *.avi, *.wav, *.mp3, *.scd)|*.sub;*.jss;*.pjs;*.psb;*.rt;*.smi;*.sami;"
     "*.srt;*.ssa;*.txt;*.tts;*.vsf;*.zeg;*.avi;*.mpg;*.wmv;*.mp4;*.mkv;*.webm;*.mov;*.wav;*.mp3;"
     "*.scd",
     false, false, nullptr, nullptr},
    {1, "DVD Subtitle", nullptr, ".sub", "DVD Subtitle (*.sub)|*.sub", false, false,
     &readers::DvdSubtitle, &L::DvdSubtitle},
    {2, "JACOSub 2.7+", nullptr, ".jss", "JACOSub 2.7+ (*.jss)|*.jss", true, false,
     &readers::JacoSub, &L::JacoSub},
    {3, "MicroDVD", nullptr, ".sub", "MicroDVD (*.sub)|*.sub", false, true, &readers::MicroDvd,
     &L::MicroDvd},
    {4, "Phoenix Japanimation", nullptr, ".pjs", "Phoenix Japanimation (*.pjs)|*.pjs", false, true,
     &readers::Phoenix, &L::Phoenix},
    {5, "PowerDivX", nullptr, ".psb", "PowerDivX (*.psb)|*.psb", false, false, &readers::PowerDivX,
     &L::PowerDivX},
    {6, "RealTime", nullptr, ".rt", "RealTime (*.rt)|*.rt", false, false, &readers::RealTime,
     &L::RealTime},
    {7, "SAMI", nullptr, ".smi;.sami",
     "Synch. Accessible Media Interchange (*.smi, *.sami)|*.smi;*.sami", false, false,
     &readers::Sami, &L::Sami},
    {8, "Sonic DVD", nullptr, ".sub", "Sonic DVD (*.sub)|*.sub", false, true, &readers::SonicDvd,
     &L::SonicDvd},
    {9, "SubRip", nullptr, ".srt", "SubRip (*.srt)|*.srt", true, false, &readers::SubRip,
     &L::SubRip},
    {10, "SubStation Alpha", "Substation Alpha", ".ssa", "SubStation Alpha (*.ssa)|*.ssa", false,
     false, &readers::SubStationAlpha, &L::SubStationAlpha},
    {11, "SubViewer 1.0", nullptr, ".sub", "SubViewer 1.0 (*.sub)|*.sub", false, false,
     &readers::SubViewer1, &L::SubViewer1},
    {12, "SubViewer 2.0", nullptr, ".sub", "SubViewer 2.0 (*.sub)|*.sub", true, false,
     &readers::SubViewer2, &L::SubViewer2},
    {13, "TMPlayer", nullptr, ".txt", "TMPlayer (*.txt)|*.txt", false, false, &readers::TmPlayer,
     &L::TmPlayer},
    {14, "Turbo Titler", nullptr, ".tts", "Turbo Titler (*.tts)|*.tts", false, false,
     &readers::TurboTitler, &L::TurboTitler},
    {15, "ViPlay Subtitle File", nullptr, ".vsf", "ViPlay Subtitle File (*.vsf)|*.vsf", false,
     false, &readers::ViPlay, &L::ViPlay},
    {16, "Zero G", nullptr, ".zeg", "Zero G (*.zeg)|*.zeg", false, false, &readers::ZeroG,
     &L::ZeroG},
    {17, "Mirel Setting file", nullptr, ".scd", "Mirel Setting file (*.scd)|*.scd", false, false,
     nullptr, nullptr},
    {18, "Video", nullptr, ".mp4;.mkv;.webm;.mov;.avi;.mpg;.wmv",
     "Video (*.mp4, *.mkv, *.webm, *.mov, *.avi, *.mpg, "
     "*.wmv)|*.mp4;*.mkv;*.webm;*.mov;*.avi;*.mpg;"
     "*.wmv",
     false, false, nullptr, nullptr},
    {19, "Audio Files", nullptr, ".wav;.mp3", "Audio Files (*.wav, *.mp3)|*.wav;*.mp3", false,
     false, nullptr, nullptr},
    {20, "Macro Files", nullptr, ".mcr", "Macro Files (*.mcr)|*.mcr", false, false, nullptr,
     nullptr},
    {21, "Calculator Tablet Files", nullptr, ".sac", "Calculator Tablet Files (*.sac)|*.sac", false,
     false, nullptr, nullptr},
    {22, "All files", nullptr, "", "All files (*.*)|*", false, false, nullptr, nullptr},
}};

} // namespace

namespace formats {

const FileTypeEntry* Entry(int type) {
    if (type < 0 || type >= FileType::Count) return nullptr;
    return &Table[static_cast<std::size_t>(type)];
}

bool IsSubtitleFormat(int number) {
    return number >= 1 && number <= FormatCount;
}

const FileTypeEntry* Subtitle(int format) {
    return IsSubtitleFormat(format) ? Entry(format) : nullptr;
}

QString Name(int format) {
    const FileTypeEntry* e = Subtitle(format);
    return e ? QString::fromLatin1(e->name) : QString();
}

QString ListName(int format) {
    const FileTypeEntry* e = Subtitle(format);
    if (!e) return {};
    return QString::fromLatin1(e->listName ? e->listName : e->name);
}

QString StatusName(int format) {
    const QString entry = Filter(format);
    const qsizetype paren = entry.indexOf(QLatin1Char('('));
    return paren < 1 ? QString() : entry.left(paren - 1);
}

QStringList Extensions(int type) {
    const FileTypeEntry* e = Entry(type);
    if (!e || !*e->extensions) return {};
    return QString::fromLatin1(e->extensions).split(QLatin1Char(';'));
}

QString WrittenExtension(int format) {
    return IsSubtitleFormat(format) ? Extensions(format).value(0) : QString();
}

QString Filter(int type) {
    const FileTypeEntry* e = Entry(type);
    return e ? QString::fromLatin1(e->filter) : QString();
}

QList<int> FormatsWithExtension(const QString& extension) {
    QList<int> out;
    for (int f = 1; f <= FormatCount; ++f)
        if (Extensions(f).contains(extension, Qt::CaseInsensitive)) out << f;
    return out;
}

QString ExtensionOf(const QString& fileName) {
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot <= slash ? QString() : fileName.mid(dot);
}

bool IsTypeExtension(const QString& extension) {
    for (int type = 1; type < FileType::Count; ++type)
        if (Extensions(type).contains(extension, Qt::CaseInsensitive)) return true;
    return false;
}

QString WithExtension(const QString& fileName, int format) {
    const QString extension = ExtensionOf(fileName);
    const QString written = WrittenExtension(format);
    if (extension.isEmpty()) return fileName + written;
    if (extension.size() == 1) return fileName.chopped(1) + written; // "name."
    if (Extensions(format).contains(extension, Qt::CaseInsensitive)) return fileName;
    if (!IsTypeExtension(extension)) return fileName; // ".bak", ".en": part of the name
    return fileName.chopped(extension.size()) + written;
}

} // namespace formats
