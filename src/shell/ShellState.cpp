#include "shell/ShellState.h"

#include "document/Formats.h"
#include "shell/TextTables.h"

namespace {

constexpr const char* HelpPages[] = {
    "main_wel.htm",  "calc_adv.htm",  "calc_cla.htm",  "main_par.htm", "edit_bas.htm",
    "edit_sr.htm",   "edit_fil.htm",  "edit_fon.htm",  "edit_shi.htm", "edit_str.htm",
    "edit_tim.htm",  "edit_fr.htm",   "main_mp.htm",   "main_dia.htm", "main_mac.htm",
    "online_dl.htm", "online_ul.htm", "main_cli.htm",  "main_sp.htm",  "main_set.htm",
    "main_hlp.htm",  "main_inf.htm",  "file_load.htm", "file_add.htm", "file_save.htm",
    "main_prev.htm", "main_sys.htm",  "main_his.htm",  "main_wiz.htm", "file_sset.htm"};

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
    for (int type = 0; type < FileType::Count; ++type)
        s.FormatFilter[static_cast<std::size_t>(type + 1)] = formats::Filter(type);
    for (int f = 1; f <= formats::FormatCount; ++f)
        s.FormatName[static_cast<std::size_t>(f)] = formats::Name(f);
}

void FillColumnCaptions(ShellState& s, const TextTables& texts) {
    s.ColumnCaptions[1] = texts.TextTable(4, 10);
    s.ColumnCaptions[2] = texts.TextTable(4, 11);
    const QString text = texts.TextTable(4, 12);
    for (int i = 1; i <= 3; ++i)
        s.ColumnCaptions[static_cast<std::size_t>(2 + i)] = text + QStringLiteral(" #%1").arg(i);
}
