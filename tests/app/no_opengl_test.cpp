// On a display without OpenGL (an X server Qt is told to use without GLX or
// EGL, as over some remote sessions) the main window starts and works: a film
// opened in the Player tab plays, and the video area says that video cannot be
// shown there instead of bringing the program down; and a window opened over
// the main window is drawn where a grab of the whole screen sees it. Each
// test starts its own X server and runs its second half in a child process
// on it.

#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/MediaFiles.h"
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

// The whole screen as `xwd -root` grabs it (a true-colour image of 32 bits a
// pixel, as Xvfb gives at depth 24); a null image when xwd is missing.
QImage grabRoot() {
    QProcess xwd;
    xwd.start("xwd", {"-root", "-silent"});
    if (!xwd.waitForFinished(10000) || xwd.exitCode() != 0) return {};
    const QByteArray file = xwd.readAllStandardOutput();
    auto field = [&](int i) { return qFromBigEndian<quint32>(file.constData() + 4 * i); };
    if (file.size() < 100) return {};
    const quint32 headerSize = field(0), width = field(4), height = field(5);
    const bool lsbFirst = field(7) == 0;
    const quint32 bitsPerPixel = field(11), bytesPerLine = field(12), colors = field(19);
    const qsizetype pixels = headerSize + 12 * colors;
    if (bitsPerPixel != 32 || file.size() < pixels + qsizetype(bytesPerLine) * height) return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (quint32 y = 0; y < height; ++y)
        for (quint32 x = 0; x < width; ++x) {
            const char* at = file.constData() + pixels + y * bytesPerLine + 4 * x;
            image.setPixel(int(x), int(y),
                           lsbFirst ? qFromLittleEndian<quint32>(at) : qFromBigEndian<quint32>(at));
        }
    return image;
}

// In the child: the main window on the display without OpenGL.
void startOnDisplayWithoutOpenGL() {
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
    QElapsedTimer clock;
    clock.start();
    while (media.currentPosition() < 0.3 && clock.elapsed() < 5000)
        QTest::qWait(20);
    EXPECT_GE(media.currentPosition(), 0.3) << "the film plays without its video";
    QTest::qWait(200); // the window is drawn again with the note
    auto* note = media.widget()->findChild<QLabel*>("VideoNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains("cannot be shown"));
    main.tabMain.setTab(frmMain::TabEditor);
    QTest::qWait(100);
}

// A window opened over the main window, as a grab of the whole screen shows
// it: the About window read back from `xwd -root` is drawn, not black.
void grabTheScreenWithAWindowOverTheMain() {
    TestProgram t;
    frmMain& main = t.main();
    main.show();
    QTest::qWait(200);
    QImage screen;
    QRect about;
    t.answer<frmAbout>([&](frmAbout& window) {
        QTest::qWait(300);
        about = window.window()->frameGeometry();
        screen = grabRoot();
        window.unload();
    });
    main.mnuAbout.click();
    ASSERT_FALSE(screen.isNull()) << "xwd gave no image";
    int black = 0;
    for (int y = about.top(); y <= about.bottom(); ++y)
        for (int x = about.left(); x <= about.right(); ++x)
            black += screen.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_LT(black, about.width() * about.height() / 4) << "the About window was grabbed black";
}

// Runs this executable's tests named by `filter` in a child process on an X
// server of their own, with Qt told to use it without OpenGL.
void runOnDisplayWithoutOpenGL(const QString& filter) {
    QProcess server;
    server.setProcessChannelMode(QProcess::SeparateChannels);
    server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
    ASSERT_TRUE(server.waitForStarted(5000)) << "Xvfb is needed for this test";
    QByteArray number;
    QElapsedTimer clock;
    clock.start();
    while (!number.contains('\n') && clock.elapsed() < 10000) {
        server.waitForReadyRead(100);
        number += server.readAllStandardOutput();
    }
    ASSERT_TRUE(number.contains('\n')) << "the X server gave no display number";

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIREL_NO_OPENGL_CHILD", "1");
    env.insert("DISPLAY", ":" + QString::fromLatin1(number.trimmed()));
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("QT_XCB_GL_INTEGRATION", "none");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=" + filter});
    const bool ended = child.waitForFinished(60000);
    const QString output = QString::fromLocal8Bit(child.readAll());
    server.terminate();
    server.waitForFinished(5000);
    ASSERT_TRUE(ended) << output.toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

TEST(NoOpenGL, TheMainWindowStartsAndThePlayerSaysVideoCannotBeShown) {
    if (qEnvironmentVariableIsSet("MIREL_NO_OPENGL_CHILD"))
        startOnDisplayWithoutOpenGL();
    else
        runOnDisplayWithoutOpenGL("NoOpenGL.TheMainWindowStarts*");
}

TEST(NoOpenGL, AScreenGrabShowsAWindowOpenedOverTheMainWindow) {
    if (qEnvironmentVariableIsSet("MIREL_NO_OPENGL_CHILD"))
        grabTheScreenWithAWindowOverTheMain();
    else
        runOnDisplayWithoutOpenGL("NoOpenGL.AScreenGrab*");
}

} // namespace
