// On a display without OpenGL (an X server Qt is told to use without GLX or
// EGL, as over some remote sessions) the main window starts and works: a film
// opened in the Player tab plays, and the video area says that video cannot be
// shown there instead of bringing the program down. The test starts its own
// X server and runs its second half in a child process on it.

#include "shell/frmMain.h"
#include "support/MediaFiles.h"
#include "support/TestProgram.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QWidget>

namespace {

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

TEST(NoOpenGL, TheMainWindowStartsAndThePlayerSaysVideoCannotBeShown) {
    if (qEnvironmentVariableIsSet("MIREL_NO_OPENGL_CHILD")) {
        startOnDisplayWithoutOpenGL();
        return;
    }
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
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=NoOpenGL.*"});
    const bool ended = child.waitForFinished(60000);
    const QString output = QString::fromLocal8Bit(child.readAll());
    server.terminate();
    server.waitForFinished(5000);
    ASSERT_TRUE(ended) << output.toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

} // namespace
