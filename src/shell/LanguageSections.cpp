#include "shell/LanguageSections.h"

#include "platform/ListBox.h"
#include "shell/LanguageTargets.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <vector>

namespace {

enum class To {
    Control,      // a control's caption and/or tool tip
    Menu,         // a menu item's caption
    Tab,          // a tab's caption (the tab number is the index)
    Text,         // TextTable(column, index) := caption
    TextDesc,     // the same, and TextDescTable(column, index) := tool tip
    Tree,         // TreeCaptions(index)
    SettingsTree, // SettingsTreeCaptions(index)
    SysVarHelp,   // sysVarHelp(index)
    Panel,        // the text of a status bar's panel 1
    ListHeading,  // the execute list's heading with the functions left
    VarsHeading,  // the system window's variable heading, TextTable(7, 0) too
    Own,          // Own(index) := caption, a text Mirel shows of its own
    Said,         // the caption is the words of the English text in the tool tip
};

enum { Cap = 1, Tip = 2, Both = 3 };
constexpr int AnyFirst = -32768, AnyLast = 32767;
const char* const Main = "frmMain";

// Items first..last; the index of the target is the item number - offset. A
// control name's "#" stands for the index.
struct Rule {
    int first, last;
    To to;
    int what = Cap;
    const char* window = nullptr;
    const char* control = nullptr;
    int offset = 0;
    int column = 0;
};

struct Section {
    const char* name;
    std::vector<Rule> rules;
};

Rule Ctl(int n, int what, const char* control, const char* window = Main) {
    return {n, n, To::Control, what, window, control};
}
Rule Ctls(int first, int last, int what, const char* control, int offset,
          const char* window = Main) {
    return {first, last, To::Control, what, window, control, offset};
}
Rule Mnu(int n, const char* menu) {
    return {n, n, To::Menu, Cap, Main, menu};
}
// Any item number names a tab; the strip's own tool tip takes the item's tip
// when `withTip`.
std::vector<Rule> Tabs(const char* strip, bool withTip = false, const char* window = Main) {
    std::vector<Rule> r{{AnyFirst, AnyLast, To::Tab, Cap, window, strip}};
    if (withTip) r.push_back({AnyFirst, AnyLast, To::Control, Tip, window, strip});
    return r;
}
Rule TabOf(int first, int last, const char* strip, int offset, const char* window) {
    return {first, last, To::Tab, Cap, window, strip, offset};
}
Rule Txt(int first, int last, int column, int offset, bool desc = false) {
    return {first, last, desc ? To::TextDesc : To::Text, Cap, nullptr, nullptr, offset, column};
}
Rule Own(int first, int last, int offset) {
    return {first, last, To::Own, Cap, nullptr, nullptr, offset};
}
Rule Table(To to) {
    return {AnyFirst, AnyLast, to};
}
Rule Special(int n, To to, const char* window, const char* control) {
    return {n, n, to, Cap, window, control};
}

std::vector<Rule> Join(std::initializer_list<std::vector<Rule>> parts) {
    std::vector<Rule> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

std::vector<Section> MainWindowSections() {
    return {
        {"[Main Menu]", {Mnu(0, "mnuFile"),        Mnu(1, "mnuOptions"),      Mnu(2, "mnuHelp"),
                         Mnu(3, "mnuNewFile"),     Mnu(4, "mnuLoadFile"),     Mnu(5, "mnuAddFile"),
                         Mnu(6, "mnuSavesubfile"), Mnu(7, "mnuSaveSettings"), Mnu(8, "mnuExit"),
                         Mnu(9, "mnuSettings"),    Mnu(10, "mnuHelpIndex"),   Mnu(11, "mnuAbout"),
                         Mnu(12, "mnuMacro"),      Mnu(13, "mnuHistory"),     Mnu(14, "mnuWizard"),
                         Mnu(15, "mnuWizShow"),    Mnu(16, "mnuView"),        Mnu(17, "mnuPreview"),
                         Mnu(18, "mnuDBase"),      Mnu(19, "mnuDBManage"),    Mnu(20, "mnuPrint"),
                         Mnu(22, "mnuShowTips")}},
        {"[Main Tab]", Join({Tabs("tabMain", true), {Txt(3, 3, 3, -1)}})},
        {"[Calc Tab]", Tabs("tabCalculator", true)},
        {"[Calculator Classic]",
         {Ctls(0, 3, Cap, "Label2(#)", 0), Ctl(5, Both, "Command3(0)"),
          Ctls(6, 7, Both, "Label3(#)", 4), Ctl(8, Both, "Command1(3)"), Ctl(9, Both, "CalcClear"),
          Ctl(10, Both, "Check1"), Ctl(11, Both, "Check2"), Ctl(12, Both, "Command21"),
          Ctls(13, 16, Tip, "rtfCalcClassicA(#)", 13), Ctls(13, 16, Tip, "rtfCalcClassicB(#)", 13),
          Ctls(17, 21, Tip, "optFrameRate(#)", 17), Ctls(22, 24, Tip, "Command1(#)", 22),
          Ctl(25, Both, "Command3(1)"), Ctl(26, Tip, "lblCalcResult(4)")}},
        {"[Calculator Advanced]",
         {Ctl(0, Both, "cmdExecCalcData"), Ctl(1, Both, "cmdAdvCalcClipIt"),
          Ctl(2, Tip, "cmbCalcAdvFuncSelect"), Ctl(3, Both, "Label14"), Ctl(4, Tip, "Label65"),
          Ctl(5, Tip, "List11"), Ctl(6, Tip, "Label16")}},
        {"[Partition]",
         {Txt(0, 1, 0, 0, true), Ctl(0, Both, "command28"), Ctl(2, Both, "command6"),
          Ctl(4, Both, "command5"), Ctls(5, 6, Both, "command29(#)", 5), Ctl(7, Cap, "Label6"),
          Ctl(8, Cap, "Label8"), Ctl(9, Both, "Label66"), Ctl(10, Tip, "Label31")}},
        {"[Editor Tab 1]", Tabs("SSTab2")},
        {"[Editor Tab 2]", Tabs("SSTab3")},
        {"[Edit Basic]",
         {Ctl(0, Both, "Command10"), Ctl(1, Both, "Command11"), Ctl(2, Both, "Command14"),
          Ctl(4, Both, "Command47"), Ctl(5, Tip, "rtfLineStart"), Ctl(6, Tip, "rtfLineEnd"),
          Ctl(7, Tip, "btnNode(0)"), Ctl(8, Tip, "Label74"), Ctl(9, Tip, "Label75"),
          Ctl(10, Tip, "command55(0)")}},
        {"[Edit S/R]",
         {Ctls(0, 1, Both, "Option1(#)", 0), Ctl(2, Both, "Command2"), Ctl(3, Both, "cmdSearch"),
          Ctl(4, Tip, "Label47")}},
        {"[Edit Filters]",
         {Ctls(0, 1, Both, "Check4(#)", 0), Ctl(2, Both, "Command30"), Ctl(3, Cap, "lblMaxCount"),
          Ctl(4, Tip, "txtMaxCount")}},
        {"[Edit Font]",
         {Ctl(0, Cap, "Label25"), Ctl(1, Cap, "Label28"), Ctl(2, Both, "Command42"),
          Ctl(3, Tip, "Combo9(0)"), Ctl(3, Tip, "Combo9(1)")}},
        {"[Selection]", Tabs("SSTab1")},
        {"[Edit Shift]",
         {Ctl(0, Cap, "Label11"), Ctl(1, Cap, "Label12"), Ctl(2, Both, "Command13"),
          Ctl(3, Tip, "Combo2"), Ctl(4, Tip, "rtfShiftDuration"), Ctl(5, Cap, "Frame11"),
          Ctl(6, Both, "Label26"), Ctl(7, Both, "Label39"), Ctl(8, Cap, "Label5"),
          Ctl(9, Tip, "Label76"), Ctl(10, Tip, "Label5")}},
        {"[Edit Stretch]",
         {Ctl(0, Cap, "Label9"), Ctl(1, Cap, "Label10"), Ctl(2, Both, "Command12"),
          Ctl(3, Tip, "rtfStretchFirst"), Ctl(4, Tip, "rtfStretchLast"), Ctl(5, Cap, "Frame8"),
          Ctl(6, Both, "Label40"), Ctl(7, Both, "Label41"), Ctl(8, Cap, "Label63"),
          Ctl(9, Tip, "Label77"), Ctl(10, Tip, "Label63")}},
        {"[Edit Time]",
         {Ctl(0, Cap, "Label4"), Ctl(1, Cap, "Label15"), Ctls(2, 6, Both, "Command#", -13),
          Ctl(7, Tip, "rtfTimeStart"), Ctl(8, Tip, "rtfTimeEnd"), Ctl(9, Tip, "rtfDurShift")}},
        {"[Edit Frame Rate]",
         {Ctls(0, 1, Cap, "Label32(#)", 0), Ctls(2, 3, Tip, "Combo14(#)", 2),
          Ctl(4, Both, "Command52")}},
        {"[Media Player]",
         {Ctls(0, 5, Both, "Command8(#)", 0), Txt(6, 9, 3, 6), Ctl(10, Tip, "Combo1"),
          Ctl(11, Cap, "Frame12"), Ctl(12, Cap, "Check8"), Ctl(13, Cap, "Label52"),
          Ctl(14, Cap, "Label30"), Ctl(15, Cap, "Label62"),
          Ctls(16, 17, Both, "Command49(#)", 16)}},
        {"[Main Window]", {Ctl(0, Cap, "Label1"), Ctl(1, Cap, "Label33"), Ctl(2, Cap, "Label34")}},
        {"[Diagnose]",
         {Ctl(0, Cap, "fraCheck"), Ctl(1, Cap, "fraCount"), Ctl(2, Cap, "fraRepair"),
          Ctls(3, 12, Both, "Check3(#)", 3), Ctl(13, Both, "Command27"), Ctl(14, Cap, "lblPrint"),
          Own(15, 32, 15 - static_cast<int>(OwnText::DiagFile)), Ctl(33, Tip, "tvDiag"),
          Ctl(34, Tip, "lblPrint")}},
        {"[Macro]",
         {Ctl(0, Both, "Command34"), Ctl(1, Both, "Command35"), Ctl(2, Both, "Command36"),
          Ctls(3, 6, Both, "Command32(#)", 3), Ctl(7, Both, "Command31"), Ctl(8, Both, "Label17"),
          Ctl(9, Tip, "Combo5"), Ctl(10, Tip, "Combo6"), Ctl(11, Both, "Command53"),
          Ctl(12, Both, "cmdTest"), Ctl(13, Both, "Check5"), Ctl(14, Cap, "Label69"),
          Ctl(15, Cap, "Label70")}},
        {"[Macro Tab]", Tabs("SSTab4")},
        {"[Wizard Edit]", {Ctl(0, Both, "Check6"), Ctl(1, Both, "Label71"), Ctl(2, Tip, "List12")}},
        {"[File Transfer Tab]", Tabs("SSTab5")},
        {"[File Transfer Download]",
         {Ctl(0, Both, "Command38"), Ctl(1, Both, "Command37"), Ctl(2, Tip, "rtfFTPSearch"),
          Ctl(3, Both, "Command46"), Ctl(4, Both, "cmdTransferCancel"),
          Own(5, 5, 5 - static_cast<int>(OwnText::NoServerNothingFetched)),
          Ctls(6, 7, Tip, "Command22(#)", 6)}},
        {"[File Transfer Upload]",
         {Ctl(0, Both, "Command40"), Ctl(1, Both, "Command39")}}, // no heading to name
        {"[Secondary Tab]", Tabs("tabClipboard")},
        {"[Clipboard]",
         {Txt(0, 5, 1, 0, true), Txt(6, 8, 2, 6, true), Ctl(9, Both, "command4(3)"),
          Ctl(10, Both, "command9"), Ctl(11, Both, "command4(2)"), Ctl(12, Both, "command4(4)")}},
        {"[Script Player]", {Ctl(0, Both, "Command41"), Ctls(1, 2, Both, "Command20(#)", 1)}},
        {"[Main Nodes]", {Table(To::Tree)}},
        {"[Common Tooltip]", {Ctl(1, Tip, "combo3"),           Ctl(1, Tip, "Combo7"),
                              Ctl(2, Tip, "rtfCalc"),          Ctl(2, Tip, "rtfCalcAdvDataInput"),
                              Ctl(2, Tip, "rtfSplitEdit"),     Ctl(2, Tip, "rtfSubEditBasic"),
                              Ctl(2, Tip, "rtfEdit"),          Ctl(2, Tip, "rtfSearch"),
                              Ctl(2, Tip, "rtfReplace"),       Ctl(2, Tip, "rtfMacroName"),
                              Ctl(2, Tip, "rtfClipBoard"),     Ctl(3, Tip, "cmdInvokeCalc(0)"),
                              Ctl(3, Tip, "cmdInvokeCalc(1)"), Ctl(3, Tip, "cmdInvokeCalc(2)"),
                              Ctl(3, Tip, "cmdInvokeCalc(3)"), Ctl(3, Tip, "cmdInvokeCalc(4)"),
                              Ctl(3, Tip, "cmdInvCalc"),       Ctl(3, Tip, "cmdInvSplitCalc"),
                              Ctl(4, Tip, "Combo8(0)"),        Ctl(4, Tip, "Combo8(1)")}},
        {"[Other]",
         {Txt(AnyFirst, AnyLast, 4, 0), Special(3, To::ListHeading, Main, "Label19"),
          Ctl(30, Cap, "Label9", "frmDbase"), Ctl(32, Cap, "Command32(4)"),
          Ctl(39, Cap, "lblErr", "frmFile"), Special(42, To::Panel, Main, "StatusBar1")}},
    };
}

std::vector<Section> OtherWindowSections() {
    const char* const S = "frmSettings";
    return {
        {"[Preview]",
         {Ctl(0, Cap, "Label3", "frmPreview"), Ctl(1, Cap, "Label4", "frmPreview"),
          Ctls(2, 4, Cap, "Label5(#)", 2, "frmPreview"), Ctl(5, Cap, "Command1", "frmPreview")}},
        {"[Settings Nodes]", {Table(To::SettingsTree)}},
        {"[Settings]",
         {Ctl(0, Cap, "Script", S),
          Ctl(1, Cap, "Startup", S),
          Ctl(2, Cap, "Audio", S),
          Ctls(3, 4, Both, "Check6(#)", 3, S),
          Ctls(5, 15, Both, "Check7(#)", 5, S),
          Ctls(16, 17, Both, "Check5(#)", 16, S),
          Ctl(18, Cap, "Defaults", S),
          Ctl(19, Cap, "General", S),
          Ctl(20, Cap, "Language", S),
          Ctl(21, Cap, "Label3", S),
          Ctl(22, Cap, "Label4", S),
          Ctl(23, Both, "Command1(1)", S),
          Ctl(24, Both, "Command1(0)", S),
          Ctl(25, Cap, "Frame1", S),
          Ctl(26, Cap, "Frame3", S),
          Ctls(27, 28, Both, "Check1(#)", 27, S),
          Ctl(29, Both, "Check3", S),
          Ctl(30, Both, "Check4", S),
          Ctl(31, Both, "Check2", S),
          Ctl(32, Cap, "lblFps", S)}},
        {"[About]",
         {Txt(1, 4, 8, 0), Ctl(10, Cap, "Label3", "frmAbout"), Ctl(11, Cap, "Label4", "frmAbout"),
          Ctl(13, Cap, "Label1", "frmAbout"), Ctl(14, Cap, "Label8", "frmAbout"),
          Ctl(15, Both, "cmdOk", "frmAbout"), Ctl(16, Cap, "Label7", "frmAbout")}},
        {"[File Handling]",
         {Txt(0, 2, 6, 0), Ctl(3, Cap, "Label3", "frmFile"), Ctl(4, Cap, "Label4", "frmFile"),
          Ctl(5, Cap, "lblMess", "frmFile"), Ctls(6, 7, Cap, "cmdAction(#)", 6, "frmFile"),
          Ctl(8, Both, "Label7", "frmFile"), Ctl(9, Both, "Check1", "frmFile"),
          Ctls(10, 12, Cap, "lblPaneName(#)", 10, "frmFile"), Ctl(13, Tip, "Label31", "frmFile"),
          Ctl(14, Tip, "Label2", "frmFile"), Ctl(15, Tip, "Label6", "frmFile"),
          Ctl(16, Cap, "lblInfo", "frmFile")}},
        {"[SysVarHelp]", {Table(To::SysVarHelp)}},
        {"[System]",
         {Ctl(0, Cap, "Label3", "frmSystem"), TabOf(2, 3, "SSTab1", 2, "frmSystem"),
          TabOf(4, 5, "SSTab2", 4, "frmSystem"),
          Special(6, To::VarsHeading, "frmSystem", "Label68"),
          Ctls(7, 9, Cap, "lblSysCaption(#)", 7, "frmSystem"), Ctl(10, Cap, "Label1", "frmSystem"),
          Ctl(11, Both, "cmdOk", "frmSystem")}},
        {"[History]",
         {Ctl(0, Cap, "Label1", "frmHistory"), Ctl(1, Cap, "Label2", "frmHistory"),
          Ctl(3, Cap, "Label3", "frmHistory"), Ctls(4, 5, Both, "Command1(#)", 4, "frmHistory"),
          Ctl(6, Tip, "lblHistComment", "frmHistory")}},
        {"[Wizard]",
         {Ctl(0, Cap, "Label3", "frmWizard"), Ctl(1, Cap, "Label4", "frmWizard"),
          Ctl(2, Cap, "chkLoadWizardAtStartup", "frmWizard"), Ctl(3, Both, "cmdGo", "frmWizard"),
          Ctl(4, Both, "Label1", "frmWizard"), Ctl(5, Both, "Label5", "frmWizard")}},
        {"[DataBase]",
         {Ctl(0, Cap, "Label3", "frmDbase"), Ctl(1, Cap, "Label4", "frmDbase"),
          Ctl(2, Cap, "Label1", "frmDbase"), Ctl(3, Cap, "Label2", "frmDbase"),
          Ctl(4, Both, "Command14", "frmDbase"), Ctl(5, Both, "Label14", "frmDbase"),
          Ctl(6, Cap, "Frame2", "frmDbase"), Ctl(7, Cap, "Frame1", "frmDbase"),
          Ctl(8, Both, "Label15", "frmDbase"), Ctl(9, Both, "Label10", "frmDbase"),
          Ctl(10, Both, "Label5", "frmDbase"), Ctls(11, 12, Both, "Label13(#)", 11, "frmDbase"),
          Ctl(13, Both, "Label6", "frmDbase"), Ctl(14, Both, "cmdOk", "frmDbase"),
          Ctl(15, Cap, "lblSource", "frmDbase"), Ctl(16, Cap, "lblTarget", "frmDbase")}},
        {"[Help]",
         {Ctl(0, Cap, "Label3", "frmHelp"), Ctl(1, Cap, "Label4", "frmHelp"),
          Ctl(2, Both, "cmdOk", "frmHelp"), Ctl(3, Cap, "Label3", "frmTip"),
          Ctl(4, Cap, "Label4", "frmTip"), Ctl(5, Cap, "Label2", "frmTip"),
          Ctl(6, Both, "chkLoadTipsAtStartup", "frmTip"), Ctl(7, Both, "cmdNextTip", "frmTip"),
          Ctl(8, Both, "cmdOk", "frmTip"), Ctl(9, Cap, "Label1", "frmTip"),
          Ctl(10, Cap, "Label3", "frmOnlineMess"), Ctl(11, Cap, "Label4", "frmOnlineMess"),
          Ctl(12, Cap, "Check1", "frmOnlineMess"), Ctl(13, Cap, "Command1", "frmOnlineMess")}},
        {"[Control]",
         {Ctl(0, Cap, "Label3", "frmControl"), Ctl(1, Cap, "Label4", "frmControl"),
          Ctl(2, Both, "chkClose", "frmControl"), Ctl(3, Both, "cmdOk", "frmControl"),
          Txt(4, 54, 9, 4)}},
        // "N,words^English": any number. An older Mirel takes the section for
        // an unknown header and its items for items of the section before,
        // so a pack puts it after a section with fixed numbers ("[Help]") and
        // numbers its items past them (99).
        {"[Texts]", {Table(To::Said)}},
        {"[MSG Boxes]",
         {Txt(AnyFirst, AnyLast, 5, 0), Ctl(3, Cap, "Label3", "frmMessageBox"),
          Ctls(4, 7, Both, "cmdAction(#)", 4, "frmMessageBox"),
          Ctls(8, 9, Cap, "Label2(#)", 8, "frmMessageBox")}},
    };
}

const std::vector<Section>& Sections() {
    static const std::vector<Section> sections = [] {
        std::vector<Section> all = MainWindowSections();
        for (Section& s : OtherWindowSections())
            all.push_back(std::move(s));
        return all;
    }();
    return sections;
}

const Section* FindSection(const QString& name) {
    for (const Section& s : Sections())
        if (name == QLatin1String(s.name)) return &s;
    return nullptr;
}

QString ControlName(const Rule& r, int index) {
    QString name = QString::fromLatin1(r.control);
    return name.replace(QLatin1Char('#'), QString::number(index));
}

// A control's caption and tool tip, as the rule asks.
QString PutOnControl(Program& p, const Rule& r, const PackItem& item, int index) {
    const QString window = QString::fromLatin1(r.window);
    const QString control = ControlName(r, index);
    if (r.what & Cap)
        p.languageTargets.put({window, control, ControlPut::Caption, 0, item.caption});
    if (r.what & Tip) p.languageTargets.put({window, control, ControlPut::ToolTip, 0, item.tip});
    return {};
}

QString PutOnTab(Program& p, const Rule& r, const PackItem& item, int index) {
    const ControlLabel label{QString::fromLatin1(r.window), QString::fromLatin1(r.control),
                             ControlPut::TabCaption, index, item.caption};
    if (p.languageTargets.put(label) == LanguageTargets::Result::NoSuchTab)
        return QStringLiteral("%1 has no tab %2").arg(label.control).arg(index);
    return {};
}

template <std::size_t N>
QString PutInTable(std::array<QString, N>& table, int index, const QString& text,
                   const char* what) {
    if (index < 0 || index >= static_cast<int>(N))
        return QStringLiteral("%1 has no entry %2").arg(QLatin1String(what)).arg(index);
    table[static_cast<std::size_t>(index)] = text;
    return {};
}

QString PutInTexts(Program& p, const Rule& r, const PackItem& item, int index) {
    if (!p.texts.setTextTable(r.column, index, item.caption))
        return QStringLiteral("the text table has no entry (%1,%2)").arg(r.column).arg(index);
    if (r.to == To::TextDesc) p.texts.setTextDescTable(r.column, index, item.tip);
    return {};
}

// "Execute list [190 functions left]": 199 less the entries of the execute list.
QString ListHeading(Program& p, const QString& caption) {
    int entries = 0;
    if (auto* list =
            dynamic_cast<platform::ListBox*>(p.main().findControl(QStringLiteral("List7"))))
        entries = list->listCount();
    return caption + QStringLiteral(" [") + QString::number(199 - entries) + QLatin1Char(' ') +
           p.texts.TextTable(4, 2) + QLatin1Char(']');
}

QString PutSpecial(Program& p, const Rule& r, const PackItem& item) {
    const QString window = QString::fromLatin1(r.window);
    const QString control = QString::fromLatin1(r.control);
    switch (r.to) {
    case To::Panel:
        p.languageTargets.put({window, control, ControlPut::PanelText, 1, item.caption});
        break;
    case To::ListHeading:
        p.languageTargets.put(
            {window, control, ControlPut::Caption, 0, ListHeading(p, item.caption)});
        break;
    case To::VarsHeading:
        p.texts.setTextTable(7, 0, item.caption);
        p.languageTargets.put(
            {window, control, ControlPut::Caption, 0, item.caption + QStringLiteral(" 0")});
        break;
    default:
        break;
    }
    return {};
}

QString ApplyRule(Program& p, const Rule& r, const PackItem& item) {
    const int index = item.number - r.offset;
    switch (r.to) {
    case To::Control:
        return PutOnControl(p, r, item, index);
    case To::Menu:
        p.languageTargets.put({QString::fromLatin1(r.window), QString::fromLatin1(r.control),
                               ControlPut::MenuCaption, 0, item.caption});
        return {};
    case To::Tab:
        return PutOnTab(p, r, item, index);
    case To::Text:
    case To::TextDesc:
        return PutInTexts(p, r, item, index);
    case To::Tree:
        return PutInTable(p.shell.TreeCaptions, index, item.caption, "the navigation tree");
    case To::SettingsTree:
        return PutInTable(p.shell.SettingsTreeCaptions, index, item.caption, "the page tree");
    case To::SysVarHelp:
        return PutInTable(p.sysVars.sysVarHelp, index, item.caption, "the system variables");
    case To::Own:
        p.texts.setOwn(index, item.caption);
        return {};
    case To::Said:
        p.texts.setSaid(item.tip, item.caption);
        return {};
    default:
        return PutSpecial(p, r, item);
    }
}

} // namespace

bool IsPackSection(const QString& line) {
    return FindSection(line) != nullptr;
}

QString ApplyPackItem(Program& p, const QString& section, const PackItem& item) {
    const Section* s = FindSection(section);
    if (!s) return {};
    p.texts.notePackWords(item.caption);
    if (s->rules.front().to != To::Said) p.texts.notePackWords(item.tip);
    for (const Rule& r : s->rules) {
        if (item.number < r.first || item.number > r.last) continue;
        const QString fault = ApplyRule(p, r, item);
        if (!fault.isEmpty()) return fault;
    }
    return {};
}
