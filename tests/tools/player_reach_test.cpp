// The player as a user meets it: the chooser offers the video files the
// player plays, the position slider moves media of any length, and the
// script player's line follows a seek.

#include "fileio/frmFile.h"
#include "player_fixture.h"
#include "support/FileBytes.h"
#include "support/ListItems.h"
#include "window_steps.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

namespace {

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

// Dragging the handle of a 30-second sound moves the slider and, when the
// button is let go, the player.
TEST_F(PlayerReach, TheSliderMovesMediaOfAnyLength) {
    openSound(30.0);
    platform::Slider& slider = player().Slider1;
    EXPECT_EQ(slider.max(), 30);
    frmMain& m = t.main();
    m.show();
    m.tabMain.setTab(frmMain::TabPlayer);
    QApplication::processEvents();
    QWidget* w = slider.widget();
    // The handle, at the start, is dragged to nine tenths of the way.
    const QPoint handle(5, w->height() / 2), there(w->width() * 9 / 10, w->height() / 2);
    QTest::mousePress(w, Qt::LeftButton, {}, handle);
    QTest::mouseMove(w, (handle + there) / 2);
    QTest::mouseMove(w, there);
    QTest::mouseRelease(w, Qt::LeftButton, {}, there);
    EXPECT_GT(slider.value(), 0);
    EXPECT_NEAR(media().currentPosition(), slider.value(), 0.05);
    m.hide();
}

const QByteArray Script =
    crlf({"1", "00:00:01,500 --> 00:00:02,000", "First", "", "2", "00:00:02,500 --> 00:00:03,000",
          "Next", "", "3", "00:00:20,345 --> 00:00:25,000", "Late", ""});

// Seeks forward and back: the line whose span holds the new position shows.
TEST_F(PlayerReach, TheScriptPlayersLineFollowsASeek) {
    mustLoad(t.program(), t.writeDataFile("script.srt", Script));
    openSound(30.0);
    t->doc.grid().setRow(1);
    player().Command8[PlayerTab::Play].click();
    player().Command8[PlayerTab::Pauze].click();
    struct Seek {
        double at;
        const char* shown;
    };
    for (const Seek& s : {Seek{1.6, "First"}, Seek{21.0, "Late"}, Seek{2.7, "Next"}, Seek{10.0, ""},
                          Seek{1.55, "First"}}) {
        media().setCurrentPosition(s.at);
        player().timPlayer.tick();
        EXPECT_EQ(script().Label23[0].caption(), s.shown) << s.at;
    }
}

} // namespace
