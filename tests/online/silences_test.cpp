// A server that goes silent at any one reply holds neither the window nor
// Cancel nor Exit: a 20 ms timer on the window's thread keeps ticking, Cancel
// ends the request within a second, and Exit ends Mirel within a second of
// the user's last answer, telling what may be left on the server.

#include "OnlineFixture.h"
#include "fileio/FileCommands.h"
#include "shell/frmMain.h"
#include "support/OwnDisplay.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace {

// The largest gap the window may show, with room for a machine busy with
// other work (the exit's writes are synced to the disk).
constexpr qint64 MaxGapMs = 250;

// The largest gap between the ticks of a 20 ms timer on the window's thread.
struct Ticks {
    QTimer timer;
    QElapsedTimer since;
    qint64 largest = 0;
    Ticks() {
        since.start();
        timer.callOnTimeout([this] { largest = std::max(largest, since.restart()); });
        timer.start(20);
    }
};

// A program whose server goes silent; it sends or fetches, and runs until
// the server held its reply back.
struct Silenced {
    TestProgram t;
    int ends = 0;
    explicit Silenced(FtpServer& server) {
        t.writeFile("System/i.set", crlf({"", server.address()}));
        t.writeFile("System/Settings/set.sdf", StartupSettings(false, false, false));
        t->shell.EndProgram = [this] { ++ends; };
        t.main().load();
        t->online.Inet1.setRequestTimeout(3); // a wait in libcurl would show in the ticks
    }
    OnlineTab& tab() { return t.main().online; }
    bool idle() { return t->online.Requests().empty() && !t->online.Inet1.CleaningUp(); }
    void start(bool upload) {
        if (!upload) return t.main().onlineLists.Command38.onClick(); // Update
        mustLoad(t.program(), t.writeFile("a/big.srt", SubRip(1000, "A line worth sending")));
        tab().Command39.onClick();
    }
};

// The transfer runs into the silence; then Cancel (or Exit, Yes) ends it.
void SilentAt(const char* where) {
    FtpServer server(FtpServer::SilentAt{where});
    ASSERT_TRUE(server.running());
    server.write("sublist.sdf", crlf({"Film;film_en;subrip;English;Ann;"}));
    const QByteArray silent = QByteArray("silent at ") + where;
    const bool upload = silent.endsWith("uploaded") || silent.endsWith("dele");
    const bool leaves = silent.endsWith("dele"); // the part sent cannot be deleted
    for (const bool exit : {false, true}) {
        SCOPED_TRACE(exit ? "Exit" : "Cancel");
        auto p = std::make_unique<Silenced>(server);
        p->start(upload);
        Ticks ticks; // from the request's start
        const int before = server.timesSaid(silent);
        if (!leaves) {
            ASSERT_TRUE(runEventsUntil([&] { return server.timesSaid(silent) > before; }, 8000));
        }
        runEventsUntil([] { return false; }, 500); // the transfer runs, or waits on the server
        Message left, asked;
        if (exit && upload) p->t.reply(AnswerYes, &asked);
        if (leaves) p->t.reply(AnswerOk, &left);
        QElapsedTimer took;
        took.start();
        if (exit) {
            p->t.main().mnuExit.click();
            EXPECT_EQ(p->ends, 1);
        } else {
            p->tab().cmdTransferCancel.onClick();
            EXPECT_TRUE(runEventsUntil([&] { return p->idle(); }, 3000));
        }
        EXPECT_LT(took.elapsed(), 1000) << "ms to end the transfer";
        // Under 100 ms on a quiet machine; a wait on the server would be 3 s.
        EXPECT_LT(ticks.largest, MaxGapMs) << "ms the window did not answer";
        if (exit) {
            took.restart();
            p.reset(); // the transfer control goes without a wait, as the process ends
            EXPECT_LT(took.elapsed(), 1000);
        }
        if (leaves) {
            // What the server may hold is never more than was sent, nor "a part" of all of it.
            const QRegularExpressionMatch said =
                QRegularExpression("^new_big\\.srt may be on the server(, whole or in part "
                                   "\\([0-9,]+ bytes were sent\\)| in part \\(up to ([0-9,]+) "
                                   "of ([0-9,]+) bytes\\)): delete it there\\.$")
                    .match(left.text);
            ASSERT_TRUE(said.hasMatch()) << left.text.toStdString();
            if (said.hasCaptured(2)) {
                EXPECT_LT(QString(said.captured(2)).remove(',').toLongLong(),
                          QString(said.captured(3)).remove(',').toLongLong());
            }
            EXPECT_GT(server.timesSaid(silent), before) << "the clean-up asked for the deletion";
        }
        if (p) p->t.main().hide();
    }
}

TEST(Silences, NoSilentServerHoldsTheWindowCancelOrExit) {
    for (const char* where : FtpServer::SilentPoints) {
        SCOPED_TRACE(where);
        SilentAt(where);
    }
}

TEST(Silences, ARefusedLoginNamesTheServer) {
    FtpServer server(FtpServer::SilentAt{"refuse"});
    Silenced s(server);
    Message seen;
    s.t.reply(AnswerOk, &seen);
    s.start(false);
    ASSERT_TRUE(runEventsUntil([&] { return s.idle(); }));
    EXPECT_EQ(seen.text, "The server refused the login: " + server.address());
    s.t.main().hide();
}

} // namespace

// A click on Send made while a load runs (here held in the window system's
// queue, as during a long load) runs after the load, and sends the document
// just loaded.
TEST(Silences, ASendClickedDuringALoadSendsTheLoadedDocument) {
    if (runInChildOnOwnDisplay()) return;
    FtpServer server;
    ASSERT_TRUE(server.running());
    TestProgram t;
    t.writeFile("System/i.set", crlf({"", server.address()}));
    t.writeFile("System/Settings/set.sdf", StartupSettings(false, false, false));
    t.main().load();
    t.main().show();
    mustLoad(t.program(), t.writeFile("a/x.srt", SubRip(400, "From a")));
    const QString b = t.writeFile("b/x.srt", SubRip(3, "From b"));
    t.main().tabMain.setTab(frmMain::TabOnline);
    t.main().online.SSTab5.setTab(1); // the upload page
    QWidget* send = t.main().online.Command39.widget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(send->window()));
    const QPoint at = send->mapToGlobal(send->rect().center());
    ASSERT_EQ(QProcess::execute("xdotool", {"mousemove", QString::number(at.x()),
                                            QString::number(at.y()), "click", "1"}),
              0);
    QThread::msleep(300);                 // the click waits in the queue
    t->fileCommands.OpenFile(b, 0, true); // as the Recent node opens it
    ASSERT_TRUE(
        runEventsUntil([&] { return server.exists("new_x.srt") && t->online.Requests().empty(); }));
    EXPECT_TRUE(server.read("new_x.srt").startsWith(SubRip(3, "From b") + "<Mirel>"))
        << server.read("new_x.srt").left(80).toStdString();
    t.main().hide();
}
