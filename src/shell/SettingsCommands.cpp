#include "shell/SettingsCommands.h"

#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmSettings.h"

#include <cmath>

namespace {

// A box of the settings window, found when the command runs.
using BoxOf = platform::CheckBox& (*)(frmSettings&);

struct BoxCommand {
    const char* name; // "<name>.On" ticks the box, "<name>.Off" clears it
    int onCode;       // the .Off command reports onCode + 1
    BoxOf box;
};

template <int I> platform::CheckBox& Startup(frmSettings& s) {
    return s.Check7[I];
}
template <int I> platform::CheckBox& Script(frmSettings& s) {
    return s.Check6[I];
}
platform::CheckBox& Download(frmSettings& s) {
    return s.Check5[0];
}
platform::CheckBox& CloseAutomatic(frmSettings& s) {
    return s.Check3;
}
platform::CheckBox& SameFormat(frmSettings& s) {
    return s.Check4;
}

const BoxCommand BoxCommands[] = {
    {"Settings.Set.Startup.LS", 1201, Startup<0>},
    {"Settings.Set.Startup.LLF", 1203, Startup<1>},
    {"Settings.Set.Startup.UFTPL", 1205, Startup<2>},
    {"Settings.Set.Startup.CFN", 1207, Startup<3>},
    {"Settings.Set.Startup.ST", 1209, Startup<4>},
    {"Settings.Set.System.CE", 1211, Startup<7>},
    {"Settings.Set.System.ASS", 1213, Startup<8>},
    {"Settings.Set.System.SP", 1215, Startup<9>},
    {"Settings.Set.System.LS", 1217, Startup<10>},
    {"Settings.Set.Script.ES", 1219, Script<0>},
    {"Settings.Set.Script.AS", 1221, Script<1>},
    {"Settings.Set.Sounds.FD", 1223, Download},
    {"Settings.Set.Default.CA", 1226, CloseAutomatic},
    {"Settings.Set.Default.ASF", 1228, SameFormat},
};

struct PageCommand {
    const char* name;
    int code;
    const char* key;
};

const PageCommand PageCommands[] = {
    {"View.Settings.Default", 23, "defaults"},      {"View.Settings.System.Audio", 24, "audio"},
    {"View.Settings.Language", 25, "lng"},          {"View.Settings.Startup", 26, "startup"},
    {"View.Settings.System.Script", 27, "script"},  {"View.Settings.System", 28, "system"},
    {"View.Settings.System.General", 28, "system"},
};

void AddBoxCommands(Program& p, const BoxCommand& c) {
    for (const bool on : {true, false}) {
        const int code = on ? c.onCode : c.onCode + 1;
        const BoxOf box = c.box;
        p.commands.add(
            QString::fromLatin1(c.name) + (on ? QStringLiteral(".On") : QStringLiteral(".Off")),
            code, [&p, code, box, on] {
                p.macro.SetMacroAction(QString(), code);
                box(p.settings())
                    .setValue(on ? platform::CheckBox::Checked : platform::CheckBox::Unchecked);
            });
    }
}

// The data picks the default frame rate 0 to 4; anything else changes nothing.
void SetDefaultFrameRate(Program& p, const QString& data) {
    p.macro.SetMacroAction(data, 1225);
    const double v = std::nearbyint(runtime::Val(data));
    if (v >= 0 && v <= 4) p.settings().Combo2.setListIndex(static_cast<int>(v));
}

// The data chooses how: "0" without waiting, anything else modal.
void OpenSettings(Program& p, const QString& data) {
    p.macro.SetMacroAction(data, 22);
    const bool modeless = !data.trimmed().isEmpty() && runtime::Val(data) == 0;
    p.settings().ShowWindow(!modeless);
}

} // namespace

void RegisterSettingsCommands(Program& p) {
    for (const BoxCommand& c : BoxCommands)
        AddBoxCommands(p, c);
    p.commands.add(QStringLiteral("Settings.Set.Default.FR"), 1225,
                   [&p](const QString& data) { SetDefaultFrameRate(p, data); });
    // Putting the stored settings back sets the frame-rate lists, whose
    // clicks report codes of their own: Cancel reports last, so that the
    // recorder takes Cancel and not a frame rate the user never chose.
    p.commands.add(QStringLiteral("Settings.Cancel"), 1231, [&p] {
        p.settings().Command1Click(frmSettings::Cancel);
        p.macro.SetMacroAction(QString(), 1231);
    });
    p.commands.add(QStringLiteral("View.Settings"), 22,
                   [&p](const QString& data) { OpenSettings(p, data); });
    for (const PageCommand& c : PageCommands) {
        const QString key = QString::fromLatin1(c.key);
        p.commands.add(QString::fromLatin1(c.name), c.code,
                       [&p, key] { p.settings().ShowTab(key); });
    }
}
