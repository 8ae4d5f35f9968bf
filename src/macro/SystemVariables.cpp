#include "macro/SystemVariables.h"

#include "macro/Variables.h"
#include "macro/frmSystem.h"
#include "online/HostAddress.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

struct Help {
    int index;
    const char* text;
};

// The English descriptions; the variables left out have none.
constexpr Help HelpTexts[] = {
    {0, "String:=FTP address used by Mirel#Stored in file ..\\System\\i.set"},
    {1, "Integer:=Value represents the action taken by internet kernel#Read Only"},
    {2, "Boolean:=Subtitle change#True:=Changed, False:=Not changed"},
    {3, "String:=Loaded language#Read Only"},
    {4, "String:=Language author#Read Only"},
    {5, "String:=Used language file#Read Only"},
    {6, "String:=The location of the language files#Read Only"},
    {12, "Boolean:=Macro executing control#True:=Executed, False:Terminated or Not started. Read "
         "Only"},
    {18, "String:=Local IP Address#Read Only"},
    {19, "String:=Local Host Name#Read Only"},
    {21, "String:=Mirel version number#Read Only"},
    {22, "String:=Mirel build number#Read Only"},
    {23, "String:=Mirel version name#Read Only"},
    {27, "Integer:=Number of nodes in current file#read only"},
    {31, "Integer:=Number of errors detected by Diagnose#Read Only"},
    {44, "Integer:=Messagewindow button control#0=cancel, 1=ok, 2=no, 3=yes"},
    {45, "String:=Current Tablet name#Read Only"},
    {46, "String:=Current Tablet file#Read Only"},
    {47, "Boolean:=Macro input control#True:=Show inputbox, False:=Hide inputbox"},
    {48, "String:=Current fontname#Read Only"},
    {49, "Integer:=Calculator invoke control#-1:=Not active, 0:=Stretch first, 1:=Stretch "
         "last,2:=Shift dur., 3:=Time start, 4:=Time end, 10:=Editor, 11:=Part."},
    {50, "Integer:=File Index#See also sysVar[84 to 99]. Read Only"},
    {51, "Integer:=Search Index#Displays row number. Read Only"},
    {52, "Boolean:=File Change#True:=Changed, False:=Not Changed"},
    {53, "Integer:=Play Timer Control#0:=Mediaplayer, 1:=Scriptplayer"},
    {54, "Boolean:=Editor Block Control#True:=Blocked, False:=Not Blocked"},
    {55, "Long:=Script Time#Read Only"},
    {56, "String:=Sub FileName#Read Only"},
    {57, "String:=FTP FileName#Read Only"},
    {58, "String:=Current loaded player file#Read Only"},
    {61, "Integer:=X value for loop start#Read Only"},
    {62, "Integer:=Y value for loop end#Read Only"},
    {63, "Integer:=Loop counter for sysVar[61] and sysVar[62]#Read Only"},
    {64, "Integer:=Loop value counter#Read Only"},
    {71, "String:=Framerate#Values:=23.970, 24.000, 25.000, 29.970, 30.000 .Read Only"},
    {72, "Integer:=Subtitle Error Counter#Read Only"},
    {75, "String:=URL used by Mirel#Stored in file ..\\System\\i.set"},
    {111, "String:=Total current script lines#Read Only"},
    {112, "Integer:=Represents the pressed button#Read Only"},
    {113, "Integer:=Macro key code to be pressed#Read Only"},
    {114, "String:=Macro name to be executed by user command#Read Only"},
    {115, "Integer:=Key code pressed by user#Read Only"},
    {116, "Boolean:=Macro executing watch.#True=Execute, False=Do not execute"},
    {117, "Boolean:=File loading watch.#True=Succesfull, False=Failed or not loaded"},
    {121, "String:=Current Editor.Basic data.#Read Only"},
    {133, "Integer:=Clipboard items amount.#Read Only"},
};

// sysVar 83 to 99: the format names by format number 0 to 16.
constexpr int FormatNamesFirst = 83, FormatNamesLast = 99;
constexpr const char* FormatNameHelp = "String:=File Type#See also sysVar[50]. Read Only";

} // namespace

SystemVariables::SystemVariables(Program& p) : p_(p) {}

void SystemVariables::InitSysVarHelp() {
    for (const Help& h : HelpTexts)
        sysVarHelp[static_cast<std::size_t>(h.index)] = QString::fromLatin1(h.text);
    for (int i = FormatNamesFirst; i <= FormatNamesLast; ++i)
        sysVarHelp[static_cast<std::size_t>(i)] = QString::fromLatin1(FormatNameHelp);
}

namespace {

QString Flag(bool on) {
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

void SystemVariables::UpdateSysVars() {
    RefreshValues();
    ListSysVars();
}

void SystemVariables::RefreshValues() {
    refreshProgramState();
    refreshDocumentState();
    refreshMacroState();
}

void SystemVariables::refreshProgramState() {
    sysVar[0] = p_.online.FtpAddress;
    sysVar[1] = runtime::TrimStr(p_.online.InetRequest);
    sysVar[3] = p_.shell.LanguageName;
    sysVar[4] = p_.shell.LanguageAuthor;
    sysVar[5] = p_.shell.LanguageFile;
    sysVar[6] = p_.shell.LanguageFolder;
    sysVar[18] = p_.online.LocalIp;
    sysVar[19] = hostName();
    sysVar[21] = p_.shell.ProgramVersion;
    sysVar[22] = p_.shell.ProgramBuild;
    sysVar[23] = p_.shell.ProgramVersionName;
    sysVar[44] = runtime::TrimStr(p_.messages.MsgResult);
    sysVar[45] = p_.tablets.CurTabletName;
    sysVar[46] = p_.tablets.CurTabletFile;
    sysVar[47] = Flag(p_.messages.MacroInputMode);
    sysVar[48] = p_.shell.CurFontName;
    sysVar[49] = runtime::TrimStr(p_.calc.CalcInvokeTarget);
    sysVar[53] = runtime::TrimStr(p_.players.PlayTimerMode);
    sysVar[58] = p_.players.mediaFileName();
    sysVar[71] = p_.shell.FrameRateText;
    sysVar[75] = p_.online.OnlineUrl;
    for (int f = 0; f <= FormatNamesLast - FormatNamesFirst; ++f)
        sysVar[static_cast<std::size_t>(FormatNamesFirst + f)] =
            p_.shell.FormatName[static_cast<std::size_t>(f)];
}

void SystemVariables::refreshDocumentState() {
    sysVar[2] = Flag(p_.doc.LineListValid);
    sysVar[27] = runtime::TrimStr(p_.doc.FileNodes.Count());
    sysVar[31] = runtime::TrimStr(p_.diag.DiagErrorCount);
    sysVar[50] = runtime::TrimStr(p_.files.CurFileIndex);
    sysVar[51] = runtime::TrimStr(p_.edit.SearchIndex);
    sysVar[52] = Flag(p_.doc.FileChanged);
    sysVar[54] = Flag(p_.doc.EditorBlocked);
    sysVar[55] = runtime::TrimStr(p_.doc.ScriptTime);
    sysVar[56] = p_.files.CurFileName;
    sysVar[57] = p_.files.FtpFileName;
    sysVar[72] = runtime::TrimStr(p_.diag.DiagErrorCount);
    sysVar[117] = Flag(p_.loader.LoadOk);
    if (!p_.hasMain()) return;
    sysVar[111] = runtime::TrimStr(p_.doc.grid().rows() - 2);
    sysVar[121] = p_.main().editor.basic.rtfSubEditBasic.text();
    sysVar[133] = runtime::TrimStr(p_.main().clipboard.List1.listCount());
}

void SystemVariables::refreshMacroState() {
    const Macro& m = p_.macro;
    sysVar[12] = Flag(m.MacroRunning);
    sysVar[61] = runtime::TrimStr(m.ForDoStart);
    sysVar[62] = runtime::TrimStr(m.ForDoEnd);
    sysVar[63] = runtime::TrimStr(m.ForDoCounter);
    sysVar[64] = runtime::TrimStr(m.ForDoValue);
    sysVar[113] = runtime::TrimStr(m.MacroAction.code);
    sysVar[114] = m.TriggerMacroName;
    sysVar[115] = runtime::TrimStr(m.TriggerKey);
    sysVar[116] = Flag(m.MacroExecWatch);
}

QString SystemVariables::hostName() {
    if (!hostNameKnown_) {
        hostName_ = GetLocalHostName(p_);
        hostNameKnown_ = true;
    }
    return hostName_;
}

void SystemVariables::ListSysVars() {
    frmSystem& sys = p_.system();
    sys.List1.clear();
    int count = 0;
    for (int i = 0; i < Count; ++i) {
        const QString& value = sysVar[static_cast<std::size_t>(i)];
        if (value.isEmpty()) continue;
        sys.List1.addItem(QStringLiteral("sysVar[") + runtime::TrimStr(i) + QStringLiteral("]=") +
                          value);
        ++count;
        sys.Label2.setCaption(p_.texts.TextTable(7, 0) + runtime::TrimStr(count));
    }
}

int SystemVariables::IndexOfEntry(const QString& entry) {
    if (!entry.startsWith(QStringLiteral("sysVar["))) return -1;
    try {
        const int n = BracketIndex(entry);
        return n >= 0 && n < Count ? n : -1;
    } catch (const MacroError&) {
        return -1;
    }
}
