// The Player tab's reaction delay: the user presses Set, hears a sound three
// seconds later and presses again at once; the time between is the delay,
// taken off every time the player clips while the delay is used.

#include "runtime/Numbers.h"
#include "runtime/ProgramFolder.h"
#include "shell/Program.h"
#include "tools/PlayerTab.h"

namespace {
// The sound plays at this tick; the measurement gives up at the last.
constexpr int SoundTick = 300, LastTick = 1000;
} // namespace

QString PlayerTab::DelaySound() const {
    return p_.folder.path(runtime::Place::SoundsFolder, QStringLiteral("mirel02.wav"));
}

// Ticked: the delay field and its buttons work, 609; unticked: 610.
void PlayerTab::PlayerDelayUseToggle() {
    const int value = Check8.value();
    if (value != platform::CheckBox::Checked && value != platform::CheckBox::Unchecked) return;
    const bool on = value == platform::CheckBox::Checked;
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&rtfDelay, &Label30, &Label62})
        c->setEnabled(on);
    p_.macro.SetMacroAction(QString(), on ? 609 : 610);
}

// Starts the measurement, or ends it (the field keeps the last value shown).
// The sound is opened at the start, so that it plays at once on its tick.
void PlayerTab::PlayerDelaySet() {
    if (Timer1.enabled()) {
        Label30.setCaption(QStringLiteral("Set"));
        Timer1.setEnabled(false);
        return;
    }
    DelayTicks = 0;
    rtfDelay.setText(QStringLiteral("?"));
    Label30.setCaption(QStringLiteral("Press!"));
    MPlay.setFileName(DelaySound());
    Timer1.setEnabled(true);
}

void PlayerTab::PlayerDelayReset() {
    rtfDelay.setText(QStringLiteral("500"));
}

// Each tick counts 10 ms after the sound.
void PlayerTab::DelayTimerTick() {
    ++DelayTicks;
    if (DelayTicks == SoundTick) {
        MPlay.setCurrentPosition(0);
        MPlay.play();
    } else if (DelayTicks > SoundTick) {
        rtfDelay.setText(runtime::TrimStr(DelayTicks - SoundTick) + QLatin1Char('0'));
        if (DelayTicks > LastTick) PlayerDelaySet();
    }
}
