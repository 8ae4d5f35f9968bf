// On a display without OpenGL (an X server Qt is told to use without GLX or
// EGL, as over some remote sessions) the main window starts and works: a film
// opened in the Player tab plays, and the video area says that video cannot be
// shown there instead of bringing the program down; and a window opened over
// the main window is drawn where a grab of the whole screen sees it. Each
// test starts its own X server and runs its body in a child process on it.

#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/FtpServer.h" // runEventsUntil
#include "support/MediaFiles.h"
#include "support/OwnDisplay.h"
#include "support/TestProgram.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <QtEndian>

namespace {

// The whole screen as `xwd -root` grabs it; a null image when xwd is missing
// or gives other than the 32-bit pixels in this machine's byte order that
// Xvfb gives at depth 24.
QImage grabRoot() {
    QProcess xwd;
    xwd.start("xwd", {"-root", "-silent"});
    if (!xwd.waitForFinished(10000) || xwd.exitCode() != 0) return {};
    const QByteArray file = xwd.readAllStandardOutput();
    if (file.size() < 100) return {};
    auto field = [&](int i) { return qFromBigEndian<quint32>(file.constData() + 4 * i); };
    const int width = int(field(4)), height = int(field(5)), bytesPerLine = int(field(12));
    const qsizetype pixels = field(0) + 12 * field(19); // the header, then the colours
    const bool nativeOrder = (field(7) == 0) == (Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    if (field(11) != 32 || !nativeOrder || file.size() < pixels + qsizetype(bytesPerLine) * height)
        return {};
    return QImage(reinterpret_cast<const uchar*>(file.constData() + pixels), width, height,
                  bytesPerLine, QImage::Format_RGB32)
        .copy();
}

// Runs the current test again in a child process on an X server of its own,
// with Qt told to use it without OpenGL; false in that child, where the
// test's body runs.
bool runInChildWithoutOpenGL() {
    return runInChildOnOwnDisplay({{"QT_XCB_GL_INTEGRATION", "none"}});
}

TEST(NoOpenGL, TheMainWindowStartsAndThePlayerSaysVideoCannotBeShown) {
    if (runInChildWithoutOpenGL()) return;
    TestProgram t;
    frmMain& main = t.main();
    main.show();
    main.tabMain.setTab(frmMain::TabPlayer);
    QTest::qWait(200);
    const QString film = t.dataFilesPath("film.avi");
    ASSERT_TRUE(writeVideo(film, 2.0, 25, 160, 90));
    loadSubFile(t.program(), film);
    platform::MediaPlayer& media = main.player.MediaPlayer1;
    ASSERT_TRUE(media.isOpen());
    EXPECT_FALSE(media.showsVideo());
    media.play();
    EXPECT_TRUE(runEventsUntil([&] { return media.currentPosition() >= 0.3; }, 5000))
        << "the film plays without its video";
    QTest::qWait(200); // the window is drawn again with the note
    auto* note = media.widget()->findChild<QLabel*>("VideoNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains("cannot be shown"));
    main.tabMain.setTab(frmMain::TabEditor);
    QTest::qWait(100);
}

// The About window read back from `xwd -root` is drawn, not black.
TEST(NoOpenGL, AScreenGrabShowsAWindowOpenedOverTheMainWindow) {
    if (runInChildWithoutOpenGL()) return;
    TestProgram t;
    t.main().show();
    QTest::qWait(200);
    QImage screen;
    QRect about;
    t.answer<frmAbout>([&](frmAbout& window) {
        QTest::qWait(300);
        about = window.window()->frameGeometry();
        screen = grabRoot();
        window.unload();
    });
    t.main().mnuAbout.click();
    ASSERT_FALSE(screen.isNull()) << "xwd gave no image";
    int black = 0;
    for (int y = about.top(); y <= about.bottom(); ++y)
        for (int x = about.left(); x <= about.right(); ++x)
            black += (screen.pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_LT(black, about.width() * about.height() / 4) << "the About window was grabbed black";
}

} // namespace
