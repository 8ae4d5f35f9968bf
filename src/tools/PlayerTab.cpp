#include "tools/PlayerTab.h"

#include "runtime/Numbers.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"

namespace {
// The video on the left, the time-taking column on its right, slider and
// transport below (twips from the tab strip's top, tab row included).
constexpr int Margin = 120, VideoTop = 480, VideoWidth = 6375, VideoHeight = 3300;
constexpr int ColumnLeft = 6615, ColumnWidth = 3480;
constexpr int SliderTop = 3840, TransportTop = 4320, ListTop = 4380;
constexpr int ButtonWidth = 975, ButtonHeight = 255, ButtonPitch = 1080;
constexpr int DefaultDelayMs = 500;
} // namespace

PlayerTab::PlayerTab(Program& p, platform::Container& page)
    : MediaPlayer1(page, "MediaPlayer1"), MPlay(page, "MPlay", false), Slider1(page, "Slider1"),
      Label27(page, "Label27"), txtDuration(page, "txtDuration"),
      Combo1(page, "Combo1", platform::ComboBox::DropDownList), Label50(page, "Label50", ">>"),
      Label51(page, "Label51"), Frame12(page, "Frame12", "Delay"),
      Check8(Frame12, "Check8", "Use delay"), rtfDelay(Frame12, "rtfDelay"),
      Label52(Frame12, "Label52", "ms"), Label30(Frame12, "Label30", "Set"),
      Label62(Frame12, "Label62", "Reset"), timPlayer(page.host(), "timPlayer"),
      Timer1(page.host(), "Timer1"), p_(p), page_(page) {
    place();
    wire();
    for (platform::Timer* t : {&timPlayer, &Timer1}) {
        t->setInterval(TickMs);
        t->setEnabled(false);
    }
}

void PlayerTab::place() {
    MediaPlayer1.move(Margin, VideoTop, VideoWidth, VideoHeight);
    MPlay.move(0, 0, 15, 15);
    MPlay.setVisible(false);
    Slider1.move(Margin, SliderTop, VideoWidth, 375);
    Slider1.setEnabled(false);
    const char* transport[] = {"Play", "Stop", "Clip it", "Pauze", "<", ">"};
    for (int i = 0; i < 6; ++i) {
        platform::CommandButton& b = Command8.add(page_, "Command8", i, transport[i]);
        b.move(Margin + i * ButtonPitch, TransportTop, ButtonWidth, 375);
        b.setEnabled(false);
    }
    Label27.move(ColumnLeft, VideoTop, ColumnWidth, ButtonHeight);
    ShowState(1);
    txtDuration.move(ColumnLeft, VideoTop + 330, 1935, 375);
    txtDuration.setFontSize(12);
    txtDuration.setText(QStringLiteral("00:00:00,000"));
    placeDelay();
    placeTimeTaking();
}

// Set.Start and Set.End under the delay frame; the line list along the bottom.
void PlayerTab::placeTimeTaking() {
    const char* setTime[] = {"Set.Start", "Set.End"};
    for (int i = 0; i < 2; ++i) {
        platform::Label& l = Command49.add(page_, "Command49", i, setTime[i]);
        l.move(ColumnLeft + i * ButtonPitch, 2820, ButtonWidth, ButtonHeight);
        MakeLabelButton(l, i == 0 ? QStringLiteral("Clip the player's time as a true start time")
                                  : QStringLiteral("Clip the player's time as a true end time"));
        l.setEnabled(false); // until there is a document
    }
    Label50.move(ColumnLeft, ListTop, 375, ButtonHeight);
    MakeLabelButton(Label50);
    Label51.move(ColumnLeft + 480, ListTop, ColumnWidth - 480, ButtonHeight);
    Combo1.move(ColumnLeft + 480, ListTop - 30, ColumnWidth - 480, 315);
    ClosePicker(Label50, Combo1);
}

void PlayerTab::placeDelay() {
    Frame12.move(ColumnLeft, 1320, ColumnWidth, 1335);
    Check8.move(120, 300, 1935, 255);
    rtfDelay.move(120, 720, 735, 285);
    rtfDelay.setText(runtime::TrimStr(DefaultDelayMs));
    Label52.move(900, 750, 375, 255);
    Label30.move(1380, 735, 915, ButtonHeight);
    Label62.move(2400, 735, 915, ButtonHeight);
    for (platform::Label* l : {&Label30, &Label62})
        MakeLabelButton(*l);
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&rtfDelay, &Label30, &Label62})
        c->setEnabled(false); // until the delay is used
}

void PlayerTab::wire() {
    Command8.onClick([this](int index) { PlayerTransport(index); });
    Command49.onClick([this](int index) { PlayerSetStartEnd(index); });
    Check8.onClick = [this] { PlayerDelayUseToggle(); };
    Label30.onClick = [this] { PlayerDelaySet(); };
    Label62.onClick = [this] { PlayerDelayReset(); };
    Label50.onClick = [this] { PlayerLineSelectToggle(); };
    Combo1.onClick = [this] { PlayerLineChosen(); };
    Slider1.onMouseDown = [this](int, int, int, int) { PlayerSliderMouseDown(); };
    Slider1.onScroll = [this] { PlayerSliderScroll(); };
    Slider1.onMouseUp = [this](int, int, int, int) { PlayerSliderMouseUp(); };
    timPlayer.onTimer = [this] { PlayTimerTick(); };
    Timer1.onTimer = [this] { DelayTimerTick(); };
}

void PlayerTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    const char* transport[] = {"Player.Play", "Player.Stop", "Player.Clip", "Player.Pauze"};
    for (int i = 0; i < 4; ++i)
        c.add(QString::fromLatin1(transport[i]), 601 + i, [this, i] { PlayerTransport(i); });
    c.add(QStringLiteral("Player.Step.Back"), 0, [this] { PlayerTransport(Back); });
    c.add(QStringLiteral("Player.Step.Forward"), 0, [this] { PlayerTransport(Forward); });
    c.add(QStringLiteral("Player.Set.Start"), 605, [this] { PlayerSetStartEnd(0); });
    c.add(QStringLiteral("Player.Set.End"), 606, [this] { PlayerSetStartEnd(1); });
    c.add(QStringLiteral("Player.Delay.Set"), 607, [this] { PlayerDelaySet(); });
    c.add(QStringLiteral("Player.Delay.Reset"), 608, [this] { PlayerDelayReset(); });
    c.add(QStringLiteral("Player.Delay.Use.On"), 609,
          [this] { Check8.setValue(platform::CheckBox::Checked); });
    c.add(QStringLiteral("Player.Delay.Use.Off"), 610,
          [this] { Check8.setValue(platform::CheckBox::Unchecked); });
    c.add(QStringLiteral("Player.Delay.Time"), 611, [this](const QString& data) {
        p_.macro.SetMacroAction(data, 611);
        rtfDelay.setText(data);
    });
    c.add(QStringLiteral("Player.Line.Select"), 0, [this] { PlayerLineSelectToggle(); });
}

// "Media Player [Running]": row 0 Running, 1 Stopped, 2 Paused.
void PlayerTab::ShowState(int textRow) {
    Label27.setCaption(p_.texts.TextTable(3, 4) + QStringLiteral(" [") +
                       p_.texts.TextTable(3, textRow) + QStringLiteral("]"));
}
