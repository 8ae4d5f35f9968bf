// Taking times from the Player tab: Clip it, Set.Start and Set.End as
// clipboard items, less the reaction delay when it is used; the delay
// measurement ticked by hand; the Stretch fields filled when the settings ask.

#include "player_fixture.h"
#include "shell/frmSettings.h"

namespace {

using platform::CheckBox;

struct PlayerTiming : PlayerFixture {
    // A sound playing and paused, so that Clip it is there to press.
    void playAndPause() {
        openSound(5.0);
        player().Command8[PlayerTab::Play].click();
        player().Command8[PlayerTab::Pauze].click();
    }
    void useDelay(const QString& delay) {
        player().Check8.setValue(CheckBox::Checked);
        player().rtfDelay.setText(delay);
    }
    void clipAt(const QString& shown) {
        player().txtDuration.setText(shown);
        player().Command8[PlayerTab::ClipIt].click();
    }
    void autoSetStretch(bool on) {
        t->settings().Check7[8].setValue(on ? CheckBox::Checked : CheckBox::Unchecked);
    }
};

TEST_F(PlayerTiming, ClipItTakesThePositionLessTheDelay) {
    struct Case {
        bool use;
        const char *delay, *shown, *item, *fieldAfter;
    };
    const Case cases[] = {
        {false, "1250", "00:01:00,000", "00:01:00,000", "1250"},
        {true, "1250", "00:01:00,000", "00:00:59,750", "250"},
        {true, "5", "00:01:00,000", "00:00:59,995", "005"},
        {true, "500", "00:00:00,200", "00:00:00,000", "500"}, // never before the start
    };
    playAndPause();
    for (const Case& c : cases) {
        clipboard().ClipboardCommand(ClipboardTab::Clear);
        if (c.use)
            useDelay(c.delay);
        else {
            player().Check8.setValue(CheckBox::Unchecked);
            player().rtfDelay.setText(c.delay);
        }
        clipAt(c.shown);
        EXPECT_EQ(items(), QStringList{QString("Added by player  1>") + c.item}) << c.delay;
        EXPECT_EQ(player().rtfDelay.text(), c.fieldAfter);
        EXPECT_EQ(reported(), 603);
    }
}

TEST_F(PlayerTiming, ItemsCarryTheirNumberAndTheNewestIsSelected) {
    playAndPause();
    clipAt("00:00:01,000");
    clipAt("00:00:02,000");
    player().txtDuration.setText("00:00:03,000");
    player().Command49[0].onClick();
    EXPECT_EQ(reported(), 605);
    player().Command49[1].onClick();
    EXPECT_EQ(reported(), 606);
    EXPECT_EQ(items(),
              QStringList({"Added by player  1>00:00:01,000", "Added by player  2>00:00:02,000",
                           "True.Time.Start:3>00:00:03,000", "True.Time.End:4>00:00:03,000"}));
    EXPECT_EQ(clipboard().List1.listIndex(), 3);
    EXPECT_EQ(clipboard().rtfClipBoard.text(), "True.Time.End:4>00:00:03,000");
    for (int i = ClipboardTab::CopyB; i <= ClipboardTab::Clear; ++i)
        EXPECT_TRUE(clipboard().command4[i].enabled()) << i;
}

TEST_F(PlayerTiming, SetStartAndEndFillTheStretchToolWhenTheSettingsAsk) {
    playAndPause();
    EditorTab& editor = t.main().editor;
    editor.rtfStretchFirst.setText("untouched");
    autoSetStretch(false);
    player().txtDuration.setText("00:00:04,000");
    player().Command49[0].onClick();
    EXPECT_EQ(editor.rtfStretchFirst.text(), "untouched");
    EXPECT_EQ(editor.SSTab3.tab(), 0);

    autoSetStretch(true);
    useDelay("250");
    player().txtDuration.setText("00:00:10,500");
    player().Command49[0].onClick();
    EXPECT_EQ(editor.SSTab3.tab(), 1);
    EXPECT_EQ(editor.rtfStretchFirst.text(), "00:00:10,250");
    EXPECT_EQ(reported(), 605) << "Set.Start reports last";
    player().txtDuration.setText("00:42:00,000");
    player().Command49[1].onClick();
    EXPECT_EQ(editor.rtfStretchLast.text(), "00:41:59,750");
    EXPECT_EQ(items().last(), "True.Time.End:3>00:41:59,750");
    EXPECT_EQ(reported(), 606);
}

TEST_F(PlayerTiming, TheDelayMeasurementCountsTenMillisecondsATickAfterTheSound) {
    useDelay("500");
    PlayerTab& p = player();
    p.Label30.onClick();
    EXPECT_EQ(p.Label30.caption(), "Press!");
    EXPECT_EQ(p.rtfDelay.text(), "?");
    EXPECT_TRUE(p.Timer1.enabled());
    for (int i = 0; i < 299; ++i)
        p.Timer1.tick();
    EXPECT_EQ(p.rtfDelay.text(), "?");
    EXPECT_EQ(p.MPlay.playState(), platform::MediaPlayer::Stopped) << "the sound waits";
    p.Timer1.tick();
    EXPECT_TRUE(p.MPlay.fileName().endsWith("/System/Sounds/mirel02.wav"));
    EXPECT_EQ(p.MPlay.playState(), platform::MediaPlayer::Playing) << "the sound plays";
    EXPECT_EQ(p.rtfDelay.text(), "?");
    p.Timer1.tick();
    EXPECT_EQ(p.rtfDelay.text(), "10");
    p.Timer1.tick();
    EXPECT_EQ(p.rtfDelay.text(), "20");
    p.Label30.onClick();
    EXPECT_EQ(p.Label30.caption(), "Set");
    EXPECT_FALSE(p.Timer1.enabled());
    EXPECT_EQ(p.rtfDelay.text(), "20");

    p.Label30.onClick(); // again, and nobody presses
    for (int i = 0; i < 1001; ++i)
        p.Timer1.tick();
    EXPECT_FALSE(p.Timer1.enabled()) << "the measurement gives up";
    EXPECT_EQ(p.Label30.caption(), "Set");
    EXPECT_EQ(p.rtfDelay.text(), "7010");
    p.Label62.onClick();
    EXPECT_EQ(p.rtfDelay.text(), "500");
}

TEST_F(PlayerTiming, UsingTheDelayEnablesItsFieldAndButtons) {
    PlayerTab& p = player();
    EXPECT_FALSE(p.rtfDelay.enabled());
    p.Check8.setValue(CheckBox::Checked);
    EXPECT_EQ(reported(), 609);
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&p.rtfDelay, &p.Label30, &p.Label62})
        EXPECT_TRUE(c->enabled()) << c->name().toStdString();
    p.Check8.setValue(CheckBox::Unchecked);
    EXPECT_EQ(reported(), 610);
    EXPECT_FALSE(p.Label30.enabled());
    forgetAction();
    p.Check8.setValue(CheckBox::Grayed);
    EXPECT_EQ(reported(), -1);
}

TEST_F(PlayerTiming, MacroCommandsReachThePlayer) {
    playAndPause();
    ASSERT_TRUE(t->commands.run("Player.Delay.Use.On"));
    EXPECT_EQ(player().Check8.value(), CheckBox::Checked);
    ASSERT_TRUE(t->commands.run("Player.Delay.Time", "120"));
    EXPECT_EQ(player().rtfDelay.text(), "120");
    EXPECT_EQ(reported(), 611);
    EXPECT_EQ(t->macro.MacroAction.text, "120");
    player().txtDuration.setText("00:00:01,000");
    ASSERT_TRUE(t->commands.run("Player.Set.Start"));
    EXPECT_EQ(items(), QStringList{"True.Time.Start:1>00:00:00,880"});
    ASSERT_TRUE(t->commands.run("Player.Delay.Reset"));
    EXPECT_EQ(player().rtfDelay.text(), "500");
}

} // namespace
