#include "tools/ScriptPlayerTab.h"

#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {
constexpr int FirstTextCol = 3;
const QString ClockAtZero = QStringLiteral("00:00:00,00");
} // namespace

ScriptPlayerTab::ScriptPlayerTab(Program& p, platform::Container& page)
    : Label24(page, "Label24", ClockAtZero), lblSubRowCount(page, "lblSubRowCount"),
      Command41(page, "Command41", "Sync"), p_(p) {
    for (int i = 0; i < 3; ++i) {
        platform::Label& l = Label23.add(page, "Label23", i);
        l.move(1320, 480 + i * 420, 8775, 375);
        l.setAlignment(2);
        l.setFontSize(12);
    }
    Label23.onClick([this](int index) { ScriptLineClick(index); });
    Label24.move(120, 480, 1095, 255);
    lblSubRowCount.move(120, 840, 1095, 255);
    placeButtons(page);
}

void ScriptPlayerTab::placeButtons(platform::Container& page) {
    const char* captions[] = {"Play", "Stop"};
    for (int i = 0; i < 2; ++i) {
        platform::Label& b = Command20.add(page, "Command20", i, captions[i]);
        b.move(120, 1200 + i * 300, 1095, 255);
    }
    Command41.move(120, 1800, 1095, 255);
    for (platform::Label& b : Command20)
        MakeLabelButton(b);
    MakeLabelButton(Command41);
    Command20.onClick([this](int index) { ScriptPlayerPlayStop(index); });
    Command41.onClick = [this] { ScriptPlayerSync(); };
}

void ScriptPlayerTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    c.add(QStringLiteral("Script.Player.Sync"), 1101, [this] { ScriptPlayerSync(); });
    c.add(QStringLiteral("Script.Player.Play"), 1102, [this] { ScriptPlayerPlayStop(0); });
    c.add(QStringLiteral("Script.Player.Stop"), 1103, [this] { ScriptPlayerPlayStop(1); });
    c.add(QStringLiteral("Script.Player.Line.Select"), 0, [this](const QString& data) {
        const double line = runtime::Val(data); // a macro's number: checked before the cast
        ScriptLineClick(line > -32769 && line < 32768 ? static_cast<int>(line) : 0);
    });
}

// Play runs the play timer on the script clock; Stop stops it and puts the
// clock back to zero.
void ScriptPlayerTab::ScriptPlayerPlayStop(int index) {
    if (index < 0 || index > 1) return;
    p_.macro.SetMacroAction(QString(), 1102 + index);
    platform::Timer& timer = p_.main().player.timPlayer;
    if (index == 0) {
        p_.players.PlayTimerMode = Players::ScriptMode;
        timer.setEnabled(true);
        return;
    }
    p_.doc.ScriptTime = 0;
    Label24.setCaption(ClockAtZero);
    timer.setEnabled(false);
}

// The media player goes to the clock's time (with no media open, nothing).
void ScriptPlayerTab::ScriptPlayerSync() {
    platform::MediaPlayer& media = p_.main().player.MediaPlayer1;
    if (!media.isOpen()) return;
    p_.macro.SetMacroAction(QString(), 1101);
    media.setCurrentPosition(TimeToMs(Label24.caption() + QLatin1Char('0')) / 1000);
}

void ScriptPlayerTab::ScriptLineClick(int index) {
    if (index < 0 || index > 2) return;
    p_.doc.grid().setCol(FirstTextCol + index);
}
