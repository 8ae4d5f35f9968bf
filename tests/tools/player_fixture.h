#pragma once
// The fixture of the player and clipboard tests: a fresh program, media
// files written by the test and opened as a user opens them, and the
// clipboard's items and the last reported action read back.

#include "platform/Grid.h"
#include "support/FtpServer.h" // runEventsUntil
#include "support/ListItems.h"
#include "support/MediaFiles.h"
#include "support/TestProgram.h"

#include <QElapsedTimer>
#include <QTest>
#include <functional>

struct PlayerFixture : ::testing::Test {
    TestProgram t;

    PlayerTab& player() { return t.main().player; }
    ScriptPlayerTab& script() { return t.main().scriptPlayer; }
    ClipboardTab& clipboard() { return t.main().clipboard; }
    platform::MediaPlayer& media() { return player().MediaPlayer1; }
    platform::Grid& grid() { return t->doc.grid(); }

    // A sound of that length written into Data/Files and opened through the
    // loader, as the Open command does; returns its path.
    QString openSound(double seconds, const QString& name = QStringLiteral("tone.wav")) {
        const QString path = t.dataFilesPath(name);
        EXPECT_TRUE(writeWav(path, seconds));
        loadSubFile(t.program(), path);
        return path;
    }
    QStringList items() { return itemsOf(clipboard().List1); }
    // Marks the last report as taken, so a handler that reports nothing leaves it.
    void forgetAction() { t->macro.MacroAction = {-1, QStringLiteral("taken")}; }
    int reported() { return t->macro.MacroAction.code; }
    // Runs the event loop until the condition holds, for `ms` at the most.
    static bool waitFor(const std::function<bool()>& done, int ms = 5000) {
        return runEventsUntil(done, ms);
    }
};
