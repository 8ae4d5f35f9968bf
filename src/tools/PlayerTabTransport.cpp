// The Player tab's transport, the time-taking buttons and the play timer.

#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"
#include "tools/PlayerTab.h"

#include <algorithm>
#include <cmath>

using runtime::NumberText;

namespace {
constexpr int FirstTextCol = 3;
const QString ZeroTime = QStringLiteral("00:00:00,000");
} // namespace

// Play, Stop, Clip it and Pauze report 601 to 604; the step buttons have no
// macro command and report nothing. With no media open nothing happens.
void PlayerTab::PlayerTransport(int index) {
    if (!MediaPlayer1.isOpen() || index < Play || index > Forward) return;
    if (index <= Pauze) p_.macro.SetMacroAction(QString(), 601 + index);
    switch (index) {
    case Play:
        PlayMedia();
        break;
    case Stop:
        StopMedia();
        break;
    case ClipIt:
        ClipPosition();
        break;
    case Pauze:
        MediaPlayer1.pause();
        ShowState(2);
        break;
    default:
        StepMedia(index == Back ? -1.0 : 1.0);
        break;
    }
}

void PlayerTab::PlayMedia() {
    frmMain& main = p_.main();
    p_.players.PlayTimerMode = Players::MediaMode;
    MediaPlayer1.play();
    timPlayer.setEnabled(true);
    Command8[ClipIt].setEnabled(true);
    Command8[Pauze].setEnabled(true);
    ShowState(0);
    main.tabClipboard.setTab(frmMain::TabScriptPlayer);
    // The side area's switch reported its own code; Play is what was done.
    p_.macro.SetMacroAction(QString(), 601);
    for (platform::Label& line : main.scriptPlayer.Label23)
        line.setCaption(QString());
}

// The play timer keeps running.
void PlayerTab::StopMedia() {
    MediaPlayer1.stop();
    MediaPlayer1.setCurrentPosition(0);
    Command8[ClipIt].setEnabled(false);
    Command8[Pauze].setEnabled(false);
    ShowState(1);
}

// A step never goes before the start.
void PlayerTab::StepMedia(double seconds) {
    MediaPlayer1.setCurrentPosition(std::max(0.0, MediaPlayer1.currentPosition() + seconds));
}

// "Added by player  2>00:01:02,345": the number in its signed form.
void PlayerTab::ClipPosition() {
    ClipboardTab& clipboard = p_.main().clipboard;
    clipboard.AddClipboardItem(QStringLiteral("Added by player ") +
                               runtime::Str(clipboard.NextItemNumber()) + QLatin1Char('>') +
                               CorrectedTime());
}

// The position shown, less the delay when it is used: the delay field keeps
// its last three digits (so the delay stays below a second). A time before
// the start counts as the start.
QString PlayerTab::CorrectedTime() {
    const QString shown = txtDuration.text();
    if (Check8.value() != platform::CheckBox::Checked) return shown;
    const QString digits = rtfDelay.text().right(3).rightJustified(3, QLatin1Char('0'));
    rtfDelay.setText(digits);
    const QString time = TimeCalc(shown, QStringLiteral("00:00:00,") + digits, QStringLiteral("-"));
    return time.startsWith(QLatin1Char('-')) ? ZeroTime : time;
}

// "True.Time.Start:2>..." or "True.Time.End:2>..."; with the auto-set-stretch
// setting the time also goes to the Stretch tool's First or Last field.
void PlayerTab::PlayerSetStartEnd(int index) {
    if (index < 0 || index > 1) return;
    ClipboardTab& clipboard = p_.main().clipboard;
    const QString label =
        index == 0 ? QStringLiteral("True.Time.Start:") : QStringLiteral("True.Time.End:");
    clipboard.AddClipboardItem(label + runtime::TrimStr(clipboard.NextItemNumber()) +
                               QLatin1Char('>') + CorrectedTime());
    if (p_.settings().autoSetStretch()) {
        p_.main().editor.SSTab3.setTab(1);
        clipboard.ClipboardCommand(index);
    }
    p_.macro.SetMacroAction(QString(), 605 + index);
}

// Script mode advances the script clock a hundredth of a second; media mode
// follows the media position. Either way the current line shows while the
// time is at its start and clears at its end.
void PlayerTab::PlayTimerTick() {
    QString now;
    if (p_.players.PlayTimerMode == Players::ScriptMode) {
        ++p_.doc.ScriptTime;
        now = SecondsTime(static_cast<double>(p_.doc.ScriptTime) / 100.0);
        p_.main().scriptPlayer.Label24.setCaption(now.left(11));
    } else {
        const double position = MediaPlayer1.currentPosition();
        now = SecondsTime(position);
        txtDuration.setText(now);
        Slider1.setValue(static_cast<int>(std::lround(position)));
    }
    ShowLineAt(now);
}

// The line whose span (start included, end not) holds the time shows and
// becomes the current line. Past a line's end, or after a seek to a time no
// line holds, the texts clear and the next line to come is current; in the
// gap before the current line nothing changes, so playing on costs one or
// two comparisons a tick and only a seek searches the lines.
void PlayerTab::ShowLineAt(const QString& time) {
    const platform::Grid& g = p_.doc.grid();
    const int lines = std::min(p_.doc.lineCount(), g.rows() - 1);
    const double now = TimeToMs(time);
    const auto start = [&g](int row) { return TimeToMs(g.textMatrix(row, 1)); };
    const auto end = [&g](int row) { return TimeToMs(g.textMatrix(row, 2)); };
    const auto holds = [&](int row) { return start(row) <= now && now < end(row); };
    int& line = p_.doc.CurLine;
    if (line < 0 || lines < 1) return;
    if (line >= 1 && line <= lines && !holds(line) && now < start(line) &&
        (line == 1 || now >= end(line - 1)))
        return; // waiting for the current line
    int found = line >= 1 && line <= lines && holds(line) ? line : 0;
    for (int row = 1; !found && row <= lines; ++row)
        if (holds(row)) found = row;
    if (found) {
        line = found;
        for (int i = 0; i < 3; ++i)
            p_.edit.subShowSubtitle(g.textMatrix(line, FirstTextCol + i), i);
        return;
    }
    for (int i = 0; i < 3; ++i)
        p_.edit.subShowSubtitle(QString(), i);
    int next = 1;
    while (next <= lines && start(next) <= now)
        ++next;
    line = next;
}
