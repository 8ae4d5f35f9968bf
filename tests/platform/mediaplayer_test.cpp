// The media player control on real files the tests write: opening, length,
// play, pause, stop, position reads and writes, and files that do not open.

#include "platform/MediaPlayer.h"
#include "support/FileBytes.h"
#include "support/FormFixture.h"
#include "support/FtpServer.h" // runEventsUntil
#include "support/MediaFiles.h"
#include "support/ProcessMaps.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

using platform::MediaPlayer;

struct MediaFixture : FormFixture {
    QTemporaryDir dir;
    MediaPlayer player{form, "MediaPlayer1"};

    QString wav(const QString& name, double seconds) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeWav(path, seconds));
        return path;
    }
    // Runs the event loop until the condition holds, for `ms` at the most.
    static bool waitFor(const std::function<bool()>& done, int ms = 5000) {
        return runEventsUntil(done, ms);
    }
};

TEST_F(MediaFixture, AFileOpensStoppedAtItsStartWithItsLength) {
    EXPECT_EQ(player.playState(), MediaPlayer::Closed);
    const QString path = wav("tone.wav", 3.0);
    player.setFileName(path);
    EXPECT_EQ(player.fileName(), path);
    EXPECT_TRUE(player.isOpen());
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    EXPECT_NEAR(player.duration(), 3.0, 0.05);
    EXPECT_EQ(player.currentPosition(), 0.0);
    EXPECT_FALSE(player.showsVideo()) << "the offscreen platform has no video";
}

TEST_F(MediaFixture, PlayAdvancesPauseHoldsStopKeepsThePlace) {
    player.setFileName(wav("tone.wav", 5.0));
    player.play();
    EXPECT_EQ(player.playState(), MediaPlayer::Playing);
    ASSERT_TRUE(waitFor([&] { return player.currentPosition() > 0.3; }))
        << "the position advances while playing";

    player.pause();
    EXPECT_EQ(player.playState(), MediaPlayer::Paused);
    QTest::qWait(100);
    const double held = player.currentPosition();
    QTest::qWait(200);
    EXPECT_NEAR(player.currentPosition(), held, 0.001) << "a paused player holds its place";
    EXPECT_LT(held, 4.0);

    player.play();
    ASSERT_TRUE(waitFor([&] { return player.currentPosition() > held + 0.2; }));
    player.stop();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    QTest::qWait(100);
    const double stopped = player.currentPosition();
    QTest::qWait(200);
    EXPECT_NEAR(player.currentPosition(), stopped, 0.001);
}

TEST_F(MediaFixture, PositionsAreClampedToTheFileAndReadBackAsWritten) {
    player.setFileName(wav("tone.wav", 4.0));
    struct Case {
        double asked, expected;
    };
    for (const Case c : {Case{1.5, 1.5}, Case{-2.0, 0.0}, Case{3.25, 3.25}, Case{60.0, 4.0}}) {
        player.setCurrentPosition(c.asked);
        EXPECT_NEAR(player.currentPosition(), c.expected, 0.001) << c.asked << " at once";
        QTest::qWait(200); // the player gets there
        EXPECT_NEAR(player.currentPosition(), c.expected, 0.03) << c.asked << " after the seek";
    }
}

TEST_F(MediaFixture, PlayingToTheEndStopsThereAndPlayStartsAgain) {
    player.setFileName(wav("short.wav", 0.6));
    player.play();
    ASSERT_TRUE(waitFor([&] { return player.playState() == MediaPlayer::Stopped; }));
    EXPECT_NEAR(player.currentPosition(), 0.6, 0.05);
    EXPECT_TRUE(player.isOpen()) << "the file stays open at its end";

    player.play();
    EXPECT_EQ(player.playState(), MediaPlayer::Playing);
    EXPECT_LT(player.currentPosition(), 0.3) << "play at the end starts from the beginning";
}

TEST_F(MediaFixture, AFileThatDoesNotOpenKeepsItsNameAndIgnoresTheTransport) {
    const QString garbage = dir.filePath("movie.avi");
    writeFileAt(garbage, "not a film");
    for (const QString& path : {garbage, dir.filePath("missing.wav")}) {
        player.setFileName(path);
        EXPECT_EQ(player.fileName(), path);
        EXPECT_FALSE(player.isOpen()) << path.toStdString();
        EXPECT_EQ(player.playState(), MediaPlayer::Closed);
        EXPECT_EQ(player.duration(), 0.0);
        player.play();
        player.setCurrentPosition(2.0);
        EXPECT_EQ(player.playState(), MediaPlayer::Closed);
        EXPECT_EQ(player.currentPosition(), 0.0);
    }
}

TEST_F(MediaFixture, ANewFileReplacesTheOldAndAnEmptyNameCloses) {
    player.setFileName(wav("long.wav", 6.0));
    player.setCurrentPosition(5.0);
    player.setFileName(wav("short.wav", 2.0));
    EXPECT_TRUE(player.isOpen());
    EXPECT_NEAR(player.duration(), 2.0, 0.05);
    EXPECT_EQ(player.currentPosition(), 0.0);

    player.setFileName(QString());
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(player.fileName(), "");
    EXPECT_EQ(player.duration(), 0.0);
}

TEST_F(MediaFixture, AVideoOpensAndPlaysWithoutVideoOutputHeadless) {
    const QString path = dir.filePath("film.avi");
    ASSERT_TRUE(writeVideo(path, 2.0, 10, 64, 48));
    player.setFileName(path);
    ASSERT_TRUE(player.isOpen());
    EXPECT_NEAR(player.duration(), 2.0, 0.15);
    player.play();
    EXPECT_TRUE(waitFor([&] { return player.currentPosition() > 0.3; }));
}

// A player made but never given a file costs nothing of the playing library,
// the codecs or OpenGL; the first file brings them in.
TEST_F(MediaFixture, ThePlayingLibraryIsLoadedWithTheFirstFileOnly) {
    const QStringList libraries{QStringLiteral("libmpv"), QStringLiteral("libavcodec"),
                                QStringLiteral("mirel_media"), QStringLiteral("libQt6OpenGL")};
    showForm();
    player.play();
    EXPECT_EQ(player.currentPosition(), 0.0);
    EXPECT_EQ(mappedLibraries(libraries), QStringList()) << "before any file";
    player.setFileName(wav("tone.wav", 1.0));
    EXPECT_TRUE(player.isOpen());
    EXPECT_GE(mappedLibraries(libraries).size(), 3)
        << mappedLibraries(libraries).join(' ').toStdString();
}

TEST_F(MediaFixture, ASoundPlayerPlaysWithoutAVideoArea) {
    MediaPlayer sound(form, "MPlay", false);
    EXPECT_FALSE(sound.showsVideo());
    sound.setFileName(wav("beep.wav", 1.0));
    ASSERT_TRUE(sound.isOpen());
    sound.play();
    EXPECT_TRUE(waitFor([&] { return sound.currentPosition() > 0.2; }));
}

} // namespace
