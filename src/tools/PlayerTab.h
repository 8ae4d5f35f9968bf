#pragma once
// The Player tab of the main window: the media player with its video, the
// transport buttons and position slider, the position as a time code, the
// buttons that take the player's time (less the user's reaction delay) as
// clipboard items, the delay measurement, the line list, and the play timer
// that drives both this player and the script player.

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Control.h"
#include "platform/ControlArray.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/MediaPlayer.h"
#include "platform/RichTextBox.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/Timer.h"

class Program;

class PlayerTab {
public:
    PlayerTab(Program& p, platform::Container& page);

    // The media player (with its video) and the one that plays the delay sound.
    platform::MediaPlayer MediaPlayer1;
    platform::MediaPlayer MPlay;
    // Transport: disabled until a media file is opened; Clip it and Pauze
    // only from Play to Stop.
    enum Transport { Play, Stop, ClipIt, Pauze, Back, Forward };
    platform::ControlArray<platform::CommandButton> Command8;
    // The position; one step is a second of media.
    platform::Slider Slider1;
    // "Media Player [Stopped]" and the like.
    platform::Label Label27;
    // The position as a time code.
    platform::TextBox txtDuration;
    // The line list: one entry per subtitle line (start time and text), built
    // by the document's RebuildLineCombo; Label50 opens and closes it and
    // Label51 shows the line chosen.
    platform::ComboBox Combo1;
    platform::Label Label50;
    platform::Label Label51;
    // 0 Set.Start, 1 Set.End: the player's time as a true start or end time.
    platform::ControlArray<platform::Label> Command49;
    // The reaction delay: used when Check8 is ticked, in milliseconds in
    // rtfDelay; Label30 measures it, Label62 resets it.
    platform::Frame Frame12;
    platform::CheckBox Check8;
    platform::RichTextBox rtfDelay;
    platform::Label Label52;
    platform::Label Label30;
    platform::Label Label62;
    // The play timer (one tick a hundredth of a second) and the delay
    // measurement's timer (one tick 10 ms).
    platform::Timer timPlayer;
    platform::Timer Timer1;
    static constexpr int TickMs = 10;

    // Ticks of the delay measurement since it started.
    int DelayTicks = 0;

    void PlayerTransport(int index);
    void PlayerSetStartEnd(int index);
    void PlayTimerTick();

    void PlayerDelayUseToggle();
    void PlayerDelaySet();
    void PlayerDelayReset();
    void DelayTimerTick();

    void PlayerLineSelectToggle();
    void PlayerLineChosen();
    void PlayerSliderMouseDown();
    void PlayerSliderScroll();
    void PlayerSliderMouseUp();
    // The slider spans media of that many seconds.
    void SetSliderLength(double seconds);

    // The player's commands in the command registry (once, from the main window).
    void registerCommands();

    // "Media Player [Stopped]": the player's state, in the words of the texts.
    void ShowState(int textRow);

private:
    void place();
    void placeTimeTaking();
    void placeDelay();
    void wire();
    void PlayMedia();
    void StopMedia();
    void StepMedia(double seconds);
    void ClipPosition();
    QString CorrectedTime();
    void ShowLineAt(const QString& time);
    QString DelaySound() const;

    Program& p_;
    platform::Container& page_;
};
