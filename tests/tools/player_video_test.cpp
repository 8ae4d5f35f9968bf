// A film played in the Player tab of the shown main window, and a time taken
// from it into the Stretch tool. Under a display (xvfb-run with
// QT_QPA_PLATFORM=xcb) the video shows in the tab and the screenshot proves
// it; under the offscreen platform the film plays without video output.
// Either way the screenshot is kept in the build's tests folder.

#include "player_fixture.h"
#include "shell/frmSettings.h"
#include "support/FileBytes.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace {

// The share of the area's sampled pixels that carry colour (the film's
// frames are coloured; the empty area is black, the window grey).
double colouredShare(const QImage& image, const QRect& area) {
    int coloured = 0, total = 0;
    for (int y = area.top(); y < area.bottom(); y += 4)
        for (int x = area.left(); x < area.right(); x += 4) {
            ++total;
            if (QColor(image.pixel(x, y)).hsvSaturation() > 80) ++coloured;
        }
    return total ? double(coloured) / total : 0;
}

struct PlayerVideo : PlayerFixture {
    // The window as the screen shows it (with the video), or as the widgets
    // draw themselves where there is no screen to grab.
    QImage screenshot() {
        QWidget* window = t.main().window();
        if (platform::MediaPlayer::Headless()) return window->grab().toImage();
        return QGuiApplication::primaryScreen()->grabWindow(window->winId()).toImage();
    }
    QRect videoArea() {
        QWidget* video = media().widget();
        return QRect(video->mapTo(t.main().window(), QPoint(0, 0)), video->size());
    }
};

TEST_F(PlayerVideo, AFilmPlaysInThePlayerTabAndItsTimeGoesToTheStretchTool) {
    mustLoad(t.program(), t.writeDataFile("film.srt", SubRip(3)));
    t->settings().Check7[8].setValue(platform::CheckBox::Checked); // auto set stretch
    const QString film = t.dataFilesPath("film.avi");
    ASSERT_TRUE(writeVideo(film, 6.0, 25, 320, 180));
    t.main().show();
    loadSubFile(t.program(), film);
    ASSERT_TRUE(media().isOpen());
    EXPECT_NEAR(media().duration(), 6.0, 0.1);
    EXPECT_EQ(media().showsVideo(), !platform::MediaPlayer::Headless());

    player().Command8[PlayerTab::Play].click();
    ASSERT_TRUE(waitFor([&] { return media().currentPosition() > 1.5; }));
    player().Command8[PlayerTab::Pauze].click();
    QTest::qWait(300); // the paused frame is drawn
    player().timPlayer.tick();
    const QString taken = player().txtDuration.text();
    EXPECT_GE(taken, QString("00:00:01,500"));
    player().Command49[0].onClick();
    EXPECT_EQ(t.main().editor.rtfStretchFirst.text(), taken);
    EXPECT_EQ(items(), QStringList{"True.Time.Start:1>" + taken});

    t.main().tabMain.setTab(frmMain::TabPlayer);
    QTest::qWait(100);
    const QImage shot = screenshot();
    const QString name =
        platform::MediaPlayer::Headless() ? "player_offscreen.png" : "player_video.png";
    EXPECT_TRUE(shot.save(QStringLiteral(QT_TESTCASE_BUILDDIR "/") + name));
    const double coloured = colouredShare(shot, videoArea());
    if (platform::MediaPlayer::Headless())
        EXPECT_LT(coloured, 0.05) << "no video without a display";
    else
        EXPECT_GT(coloured, 0.5) << "the film's frame fills the video area";
}

} // namespace
