// The Player tab's transport on a real sound opened through the loader:
// play, pause, stop, the step buttons, the slider and the play timer, and
// what the transport does with no media open. The player as a user meets it:
// the chooser offers the video files the player plays, and the slider moves
// media of any length.

#include "fileio/frmFile.h"
#include "player_fixture.h"
#include "support/FileBytes.h"
#include "support/ListItems.h"
#include "window_steps.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

namespace {

using platform::MediaPlayer;

struct PlayerTransport : PlayerFixture {
    void press(int button) { player().Command8[button].click(); }
};

TEST_F(PlayerTransport, OpeningASoundEnablesTheTransportAndSizesTheSlider) {
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(player().Command8[i].enabled()) << i;
    const QString path = openSound(160.0);
    EXPECT_TRUE(media().isOpen());
    EXPECT_EQ(t->players.mediaFileName(), path);
    EXPECT_NEAR(t->players.mediaDuration(), 160.0, 0.1);
    EXPECT_EQ(player().Slider1.max(), 160) << "one step is a second";
    EXPECT_TRUE(player().Slider1.enabled());
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(player().Command8[i].enabled()) << i;
    EXPECT_EQ(t.main().tabMain.tab(), frmMain::TabPlayer);
    EXPECT_EQ(player().Label27.caption(), "Media Player [Stopped]");
}

TEST_F(PlayerTransport, PlayPauseAndStopDriveThePlayerAndTheClockFollowsIt) {
    openSound(5.0);
    for (platform::Label& line : script().Label23)
        line.setCaption("old line");
    press(PlayerTab::Play);
    EXPECT_EQ(reported(), 601);
    EXPECT_EQ(media().playState(), MediaPlayer::Playing);
    EXPECT_TRUE(player().timPlayer.enabled());
    EXPECT_EQ(player().Label27.caption(), "Media Player [Running]");
    EXPECT_TRUE(player().Command8[PlayerTab::ClipIt].enabled());
    EXPECT_TRUE(player().Command8[PlayerTab::Pauze].enabled());
    EXPECT_EQ(t.main().tabClipboard.tab(), frmMain::TabScriptPlayer);
    for (platform::Label& line : script().Label23)
        EXPECT_EQ(line.caption(), "");

    ASSERT_TRUE(waitFor([&] { return media().currentPosition() > 0.3; }));
    player().timPlayer.tick();
    EXPECT_GE(player().txtDuration.text(), QString("00:00:00,300")) << "the clock shows the player";
    EXPECT_NEAR(player().Slider1.value(), media().currentPosition(), 1.0) << "to the second";

    press(PlayerTab::Pauze);
    EXPECT_EQ(reported(), 604);
    EXPECT_EQ(media().playState(), MediaPlayer::Paused);
    EXPECT_EQ(player().Label27.caption(), "Media Player [Paused]");

    press(PlayerTab::Stop);
    EXPECT_EQ(reported(), 602);
    EXPECT_EQ(media().playState(), MediaPlayer::Stopped);
    EXPECT_EQ(media().currentPosition(), 0.0);
    EXPECT_EQ(player().Label27.caption(), "Media Player [Stopped]");
    EXPECT_FALSE(player().Command8[PlayerTab::ClipIt].enabled());
    EXPECT_FALSE(player().Command8[PlayerTab::Pauze].enabled());
    EXPECT_TRUE(player().timPlayer.enabled()) << "the play timer keeps running";
    player().timPlayer.tick();
    EXPECT_EQ(player().txtDuration.text(), "00:00:00,000");
}

// The step buttons have no macro command: recording them records nothing.
TEST_F(PlayerTransport, StepsGoASecondAtATimeNeverBeforeTheStartAndReportNothing) {
    openSound(10.0);
    press(PlayerTab::Stop);
    forgetAction();
    press(PlayerTab::Forward);
    press(PlayerTab::Forward);
    EXPECT_NEAR(media().currentPosition(), 2.0, 0.001);
    press(PlayerTab::Back);
    EXPECT_NEAR(media().currentPosition(), 1.0, 0.001);
    press(PlayerTab::Back);
    press(PlayerTab::Back);
    EXPECT_EQ(media().currentPosition(), 0.0);
    EXPECT_EQ(reported(), -1);
    player().timPlayer.tick();
    EXPECT_EQ(player().txtDuration.text(), "00:00:00,000");
}

TEST_F(PlayerTransport, WithNoMediaTheTransportSyncAndSliderDoNothing) {
    forgetAction();
    const QString caption = player().Label27.caption();
    for (const char* command : {"Player.Play", "Player.Stop", "Player.Clip", "Player.Pauze",
                                "Player.Step.Back", "Player.Step.Forward", "Script.Player.Sync"})
        EXPECT_TRUE(t->commands.run(command)) << command;
    player().Slider1.onMouseDown(platform::LeftButton, 0, 0, 0);
    player().Slider1.onScroll();
    player().Slider1.onMouseUp(platform::LeftButton, 0, 0, 0);
    EXPECT_EQ(reported(), -1);
    EXPECT_FALSE(player().timPlayer.enabled());
    EXPECT_EQ(player().Label27.caption(), caption);
    EXPECT_EQ(clipboard().List1.listCount(), 0);
    EXPECT_EQ(player().txtDuration.text(), "00:00:00,000");
}

TEST_F(PlayerTransport, LoadingASubtitleFileStopsThePlayer) {
    openSound(5.0);
    press(PlayerTab::Play);
    ASSERT_TRUE(waitFor([&] { return media().currentPosition() > 0.1; }));
    mustLoad(t.program(),
             t.writeDataFile("film.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello\r\n"));
    EXPECT_EQ(media().playState(), MediaPlayer::Stopped);
    EXPECT_EQ(media().currentPosition(), 0.0);
    EXPECT_EQ(player().Label27.caption(), "Media Player [Stopped]");
    EXPECT_TRUE(media().isOpen()) << "the media file stays open";
}

struct PlayerReach : PlayerFixture {};

// The type pane lists the video types and every file; choosing the video
// type with the mouse lists an .mp4, which then opens in the player.
TEST_F(PlayerReach, TheChooserOffersTheVideoTypesAndAllFiles) {
    t.main().load();
    const QString clip = t.dataFilesPath("clip.mp4");
    ASSERT_TRUE(writeVideo(clip, 1.0));
    t.writeDataFile("notes.xyz", "x");
    frmFile& chooser = t->fileChooser();
    chooser.show();
    window_steps::click(chooser.Label6);
    const QStringList types = itemsOf(chooser.List3);
    int video = -1;
    for (int i = 0; i < types.size(); ++i)
        if (types[i].startsWith("Video")) video = i;
    ASSERT_GE(video, 0);
    for (const char* ext : {"*.mp4", "*.mkv", "*.webm", "*.mov", "*.avi", "*.mpg", "*.wmv"})
        EXPECT_TRUE(types[video].contains(ext)) << ext;
    EXPECT_EQ(types.last(), "All files (*.*)");
    auto* list = qobject_cast<QListWidget*>(chooser.List3.widget());
    ASSERT_NE(list, nullptr);
    list->scrollToItem(list->item(video));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(video)).center());
    QApplication::processEvents();
    const QStringList files = itemsOf(chooser.File1);
    EXPECT_TRUE(files.contains("clip.mp4")) << files.join(", ").toStdString();
    EXPECT_FALSE(files.contains("notes.xyz"));
    chooser.hide();
    loadSubFile(t.program(), clip);
    EXPECT_TRUE(media().isOpen());
    EXPECT_EQ(t->players.mediaFileName(), clip);
}

// Dragging the handle of a 30-second sound as it plays: the clock rests while
// the handle is held and shows the handle's time; let go, the player goes
// there and the clock runs again.
TEST_F(PlayerReach, TheSliderMovesMediaOfAnyLength) {
    openSound(30.0);
    platform::Slider& slider = player().Slider1;
    EXPECT_EQ(slider.max(), 30);
    frmMain& m = t.main();
    m.show();
    m.tabMain.setTab(frmMain::TabPlayer);
    player().Command8[PlayerTab::Play].click();
    QApplication::processEvents();
    QWidget* w = slider.widget();
    // The handle, at the start, is dragged to nine tenths of the way.
    const QPoint handle(5, w->height() / 2), there(w->width() * 9 / 10, w->height() / 2);
    ASSERT_TRUE(player().timPlayer.enabled()) << "the clock runs as it plays";
    QTest::mousePress(w, Qt::LeftButton, {}, handle);
    EXPECT_FALSE(player().timPlayer.enabled()) << "the clock rests while the handle is held";
    QTest::mouseMove(w, (handle + there) / 2);
    QTest::mouseMove(w, there);
    EXPECT_GT(slider.value(), 0);
    EXPECT_EQ(slider.text(), QString("00:00:%1,000").arg(slider.value(), 2, 10, QLatin1Char('0')));
    EXPECT_EQ(player().txtDuration.text(), slider.text());
    QTest::mouseRelease(w, Qt::LeftButton, {}, there);
    EXPECT_NEAR(media().currentPosition(), slider.value(), 0.05);
    EXPECT_TRUE(player().timPlayer.enabled());
    m.hide();
}

} // namespace
