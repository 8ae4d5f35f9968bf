#include "macro/SystemVariables.h"

#include "runtime/Numbers.h"
#include "shell/Program.h"

SystemVariables::SystemVariables(Program& p) : p_(p) {}

void SystemVariables::UpdateSysVars() {
    sysVar[0] = p_.online.FtpAddress;
    sysVar[1] = runtime::TrimStr(p_.online.InetRequest);
    sysVar[5] = p_.shell.LanguageFile;
    sysVar[6] = p_.shell.LanguageFolder;
    sysVar[18] = p_.online.LocalIp;
    sysVar[21] = p_.shell.ProgramVersion;
    sysVar[22] = p_.shell.ProgramBuild;
    sysVar[23] = p_.shell.ProgramVersionName;
    sysVar[45] = p_.tablets.CurTabletName;
    sysVar[46] = p_.tablets.CurTabletFile;
    sysVar[71] = p_.shell.FrameRateText;
    sysVar[75] = p_.online.OnlineUrl;
    sysVar[113] = runtime::TrimStr(p_.macro.MacroAction.code);
}
