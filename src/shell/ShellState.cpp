#include "shell/ShellState.h"

#include "shell/TextTables.h"

namespace {

constexpr const char* HelpPages[] = {
    "main_wel.htm",  "calc_adv.htm",  "calc_cla.htm",  "main_par.htm", "edit_bas.htm",
    "edit_sr.htm",   "edit_fil.htm",  "edit_fon.htm",  "edit_shi.htm", "edit_str.htm",
    "edit_tim.htm",  "edit_fr.htm",   "main_mp.htm",   "main_dia.htm", "main_mac.htm",
    "online_dl.htm", "online_ul.htm", "main_cli.htm",  "main_sp.htm",  "main_set.htm",
    "main_hlp.htm",  "main_inf.htm",  "file_load.htm", "file_add.htm", "file_save.htm",
    "main_prev.htm", "main_sys.htm",  "main_his.htm",  "main_wiz.htm", "file_sset.htm"};

constexpr const char* FormatNames[] = {"DVD Subtitle",
                                       "JACOSub 2.7+",
                                       "MicroDVD",
                                       "Phoenix Japanimation",
                                       "PowerDivX",
                                       "RealTime",
                                       "SAMI",
                                       "Sonic DVD",
                                       "SubRip",
                                       "SubStation Alpha",
                                       "SubViewer 1.0",
                                       "SubViewer 2.0",
                                       "TMPlayer",
                                       "Turbo Titler",
                                       "ViPlay Subtitle File",
                                       "Zero G"};

// Entry 1 does not name *.mpg and *.wmv, which its patterns include.
constexpr const char* FormatFilters[] = {
    "Supported files (*.sub, *.jss, *.pjs, *.psb, *.rt, *.smi, *.sami, *.srt, *.ssa, *.txt, "
    "*.tts, *.vsf, *.zeg, *.avi, *.wav, *.mp3, *.scd)|*.sub;*.jss;*.pjs;*.psb;*.rt;*.smi;*.sami;"
    "*.srt;*.ssa;*.txt;*.tts;*.vsf;*.zeg;*.avi;*.mpg;*.wmv;*.wav;*.mp3;*.scd",
    "DVD Subtitle (*.sub)|*.sub",
    "JACOSub 2.7+ (*.jss)|*.jss",
    "MicroDVD (*.sub)|*.sub",
    "Phoenix Japanimation (*.pjs)|*.pjs",
    "PowerDivX (*.psb)|*.psb",
    "RealTime (*.rt)|*.rt",
    "Synch. Accessible Media Interchange (*.smi, *.sami)|*.smi;*.sami",
    "Sonic DVD (*.sub)|*.sub",
    "SubRip (*.srt)|*.srt",
    "SubStation Alpha (*.ssa)|*.ssa",
    "SubViewer 1.0 (*.sub)|*.sub",
    "SubViewer 2.0 (*.sub)|*.sub",
    "TMPlayer (*.txt)|*.txt",
    "Turbo Titler (*.tts)|*.tts",
    "ViPlay Subtitle File (*.vsf)|*.vsf",
    "Zero G (*.zeg)|*.zeg",
    "Mirel Setting file (*.scd)|*.scd",
    "Video (*.avi, *.mpg, *.wmv)|*.avi;*.mpg;*.wmv",
    "Audio Files (*.wav, *.mp3)|*.wav;*.mp3",
    "Macro Files (*.mcr)|*.mcr",
    "Calculator Tablet Files (*.sac)|*.sac"};

} // namespace

ShellState::ShellState() {
    FillHelpPageTable(*this);
    FillFormatTables(*this);
    TextTables builtIn;
    builtIn.SetDefaultTexts();
    FillColumnCaptions(*this, builtIn);
}

void FillHelpPageTable(ShellState& s) {
    for (std::size_t i = 0; i < std::size(HelpPages); ++i)
        s.HelpPageTable[i] = QString::fromLatin1(HelpPages[i]);
}

void FillFormatTables(ShellState& s) {
    for (std::size_t i = 0; i < std::size(FormatFilters); ++i)
        s.FormatFilter[i + 1] = QString::fromLatin1(FormatFilters[i]);
    for (std::size_t i = 0; i < std::size(FormatNames); ++i)
        s.FormatName[i + 1] = QString::fromLatin1(FormatNames[i]);
}

void FillColumnCaptions(ShellState& s, const TextTables& texts) {
    s.ColumnCaptions[1] = texts.TextTable(4, 10);
    s.ColumnCaptions[2] = texts.TextTable(4, 11);
    const QString text = texts.TextTable(4, 12);
    for (int i = 1; i <= 3; ++i)
        s.ColumnCaptions[static_cast<std::size_t>(2 + i)] = text + QStringLiteral(" #%1").arg(i);
}

QString FormatListName(const ShellState& s, int format) {
    if (format == 10) return QStringLiteral("Substation Alpha");
    if (format < 1 || format > 16) return QString();
    return s.FormatName[static_cast<std::size_t>(format)];
}
