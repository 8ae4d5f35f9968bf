// Requests through the transfer control: the start-up's version, list and news
// requests run one after the other and each completes; a newer build is
// announced; a missing server, a server that never answers and Cancel each
// end a request with a clear word; every command of the tab reports a code
// of its own.

#include "OnlineFixture.h"
#include "document/frmMessageBox.h"
#include "shell/Startup.h"
#include "shell/frmOnlineMess.h"
#include "shell/frmSplash.h"
#include "support/SilentServer.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <set>

namespace {

TEST(Requests, TheStartUpsRequestsRunOneAfterTheOtherAndEachCompletes) {
    FtpServer server;
    ASSERT_TRUE(server.running());
    server.write("version.sdf", "40118\r\n");
    server.write("sublist.sdf", crlf({"Film;film_en;subrip;English;Ann;"}));
    server.write("message.htm", "<html><body><p>Fresh news today</p></body></html>");
    TestProgram t;
    t.writeFile("System/i.set", crlf({"", server.address()}));
    t.writeFile("System/Settings/set.sdf", StartupSettings(true, true, true));
    t.main().load();
    std::vector<int> kinds;
    for (const Online::Request& r : t->online.Requests())
        kinds.push_back(r.kind);
    EXPECT_EQ(kinds, std::vector<int>({8, 1, 7}));
    EXPECT_EQ(t->online.InetRequest, 8);

    QString newsShown;
    bool pageThereWhileShown = false;
    t.answer<frmOnlineMess>([&](frmOnlineMess& w) {
        newsShown = w.brwHelp.documentText();
        pageThereWhileShown = QFile::exists(t.folder() + "/message.htm");
        w.show(); // for a look: online_news.png in the build folder
        QApplication::processEvents();
        EXPECT_TRUE(w.window()->grab().save("online_news.png"));
        w.Command1.onClick();
    });
    ASSERT_TRUE(runEventsUntil([&] { return t->online.Requests().empty(); }));
    EXPECT_EQ(t->online.UpdateNotice, "Update available 4.0 (build 40118)");
    EXPECT_EQ(t.main().onlineLists.FTPList.textMatrix(1, 2), " film_en");
    EXPECT_TRUE(newsShown.contains("Fresh news today")) << newsShown.toStdString();
    EXPECT_TRUE(pageThereWhileShown);
    for (const char* name : {"version.sdf", "sublist.sdf", "message.htm"})
        EXPECT_FALSE(QFile::exists(t.folder() + "/" + name)) << name;
    EXPECT_EQ(t->online.InetRequest, 0);
    t.main().hide();
}

// Told once, in plain words (no library codes), in a message that stays above
// the main window the start-up shows meanwhile.
TEST(Requests, AServerThatIsDownAtStartUpIsReportedOncePlainlyAboveTheMainWindow) {
    int port = 0;
    {
        SilentServer closed; // a port that was free a moment ago
        port = closed.port();
    }
    TestProgram t;
    t.writeFile("System/i.set", crlf({"", QStringLiteral("ftp://127.0.0.1:%1").arg(port)}));
    t.writeFile("System/Settings/set.sdf", StartupSettings(true, true, true));
    Message seen;
    bool onTop = false;
    t.answer<frmMessageBox>([&](frmMessageBox& m) { // one message; a second finds no answer
        seen = {m.Label4.caption(), m.Label1.caption()};
        t.main().show(); // the start-up goes on and shows the main window
        onTop = m.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        m.cmdActionClick(frmMessageBox::Ok);
    });
    t.main().load();
    ASSERT_TRUE(runEventsUntil([&] { return t->online.Requests().empty(); }));
    EXPECT_EQ(seen.title, "Error");
    EXPECT_TRUE(seen.text.startsWith("The server cannot be reached")) << seen.text.toStdString();
    EXPECT_FALSE(seen.text.contains("errno") || seen.text.contains("(")) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.endsWith(QStringLiteral("127.0.0.1:%1").arg(port)))
        << "names the server, not a file: " << seen.text.toStdString();
    EXPECT_TRUE(onTop) << "the message stays above the main window";
    t.main().hide();
}

TEST(Requests, OnlyANewerBuildIsAnnouncedOnTheSplash) {
    FtpServer server;
    ASSERT_TRUE(server.running());
    const std::pair<const char*, const char*> cases[] = {
        {"40118", "Update available 4.0 (build 40118)"},
        {"401", "Update available 4.0 (build 401)"},
        {"400", ""},
        {"399", ""},
        {"build 40118", ""},
        {"", ""},
    };
    for (const auto& [line, notice] : cases) {
        server.write("version.sdf", QByteArray(line) + "\r\n");
        TestProgram t;
        t.writeFile("System/i.set", crlf({"", server.address()}));
        t.writeFile("System/Settings/set.sdf", StartupSettings(true, false, false));
        Main(t.program()); // the splash loads the main window
        ASSERT_TRUE(runEventsUntil([&] { return t->online.Requests().empty(); })) << line;
        EXPECT_EQ(t->online.UpdateNotice, notice) << line;
        EXPECT_EQ(t->splash().Label2.caption(), notice) << line;
        EXPECT_FALSE(QFile::exists(t.folder() + "/version.sdf"));
        t->splash().hide();
        t.main().hide();
    }
}

TEST(Requests, WithoutAServerUpdateSaysThatNoneIsSet) {
    TestProgram t;
    t.writeFile("System/Settings/set.sdf", StartupSettings(false, false, false));
    t.main().load();
    Message seen;
    t.reply(AnswerOk, &seen);
    t.main().onlineLists.Command38.onClick();
    EXPECT_EQ(seen.text, "No server is set: the second line of System/i.set names none.");
    EXPECT_TRUE(t->online.Requests().empty());
    EXPECT_EQ(t->online.InetRequest, 0);
    t.main().hide();
}

class SilentTest : public ::testing::Test {
protected:
    SilentServer silent;
    TestProgram t;
    void SetUp() override {
        ASSERT_GT(silent.port(), 0);
        t.writeFile("System/i.set", crlf({"", silent.address()}));
        t.writeFile("System/Settings/set.sdf", StartupSettings(false, false, false));
        t.main().load();
    }
    void TearDown() override { t.main().hide(); }
};

TEST_F(SilentTest, AServerThatNeverAnswersTimesOutWithAMessage) {
    t->online.Inet1.setRequestTimeout(1);
    Message seen;
    t.reply(AnswerOk, &seen);
    t.main().onlineLists.Command38.onClick();
    EXPECT_EQ(t.main().online.lblTransfer.caption(), "Getting sublist.sdf...");
    ASSERT_TRUE(runEventsUntil([&] { return t->online.Requests().empty(); }));
    EXPECT_EQ(seen.title, "Error");
    EXPECT_TRUE(seen.text.startsWith("The server did not answer within 1 seconds"))
        << seen.text.toStdString();
    EXPECT_FALSE(QFile::exists(t.folder() + "/System/sublist.sdf"));
}

TEST_F(SilentTest, CancelStopsTheRunningRequestAndThoseWaiting) {
    OnlineLists& lists = t.main().onlineLists;
    OnlineTab& tab = t.main().online;
    EXPECT_FALSE(tab.cmdTransferCancel.enabled());
    lists.Command38.onClick();
    lists.Command38.onClick();
    EXPECT_EQ(t->online.Requests().size(), 1u) << "the same request waits only once";
    t.loadDataFile("a.srt", SubRipFile());
    tab.Command39.onClick(); // an upload waits its turn, and says so
    EXPECT_EQ(tab.lblTransfer.caption(),
              "Sending a.srt waits until Getting sublist.sdf has ended.");
    EXPECT_EQ(t->online.Requests().size(), 2u);
    EXPECT_TRUE(QFile::exists(t->online.UploadCopy("a.srt")));
    runEventsUntil([] { return false; }, 300);
    EXPECT_EQ(t->online.InetRequest, Online::DownloadList) << "still waiting for an answer";
    EXPECT_TRUE(tab.cmdTransferCancel.enabled());

    tab.cmdTransferCancel.onClick();
    EXPECT_TRUE(t->online.Requests().empty());
    EXPECT_EQ(t->online.InetRequest, 0);
    EXPECT_FALSE(t->online.Inet1.StillExecuting());
    EXPECT_EQ(tab.lblTransfer.caption(), "Transfer cancelled. Not started: Sending a.srt.");
    EXPECT_FALSE(tab.cmdTransferCancel.enabled());
    EXPECT_FALSE(QFile::exists(t->online.UploadCopy("a.srt"))) << "the upload's copy goes";
    EXPECT_TRUE(QFile::exists(t.dataFilesPath("a.srt"))) << "the user's file stays";
    EXPECT_TRUE(tab.List8.list(tab.List8.listCount() - 2).endsWith(">Upload cancelled."));
    runEventsUntil([] { return false; }, 300); // no message follows
}

TEST(Requests, EveryOnlineCommandReportsACodeOfItsOwn) {
    SilentServer silent;
    TestProgram t;
    t.writeFile("System/i.set", crlf({"", silent.address()}));
    t.writeFile("System/Settings/set.sdf", StartupSettings(false, false, false));
    t.main().load();
    const struct {
        const char* name;
        int code;
    } expected[] = {
        {"Online.Download.Set.All Formats", 801},
        {"Online.Download.Set.SubRip", 810},
        {"Online.Download.Set.Zero G", 817},
        {"Online.Download.All Languages", 818},
        {"Online.Download.Set.Albanian", 819},
        {"Online.Download.Set.Hongarian", 835},
        {"Online.Download.Set.Urdu", 853},
        {"Online.Download.Update", 854},
        {"Online.Upload.Set.Albanian", 901},
        {"Online.Upload.Set.Urdu", 935},
        {"Online.Upload.Clear", 936},
        {"Online.Upload.Send", 937},
    };
    for (const auto& e : expected) {
        const CommandRegistry::Command* c = t->commands.find(e.name);
        ASSERT_NE(c, nullptr) << e.name;
        EXPECT_EQ(c->actionCode, e.code) << e.name;
    }
    std::set<int> codes;
    int online = 0;
    for (const QString& name : t->commands.names()) {
        if (!name.startsWith("Online.")) continue;
        ++online;
        const CommandRegistry::Command* c = t->commands.find(name);
        t->macro.SetMacroAction(QString(), 0);
        t->commands.run(name);
        EXPECT_EQ(t->macro.MacroAction.code, c->actionCode) << name.toStdString();
        EXPECT_TRUE(codes.insert(c->actionCode).second) << "shared code: " << name.toStdString();
    }
    EXPECT_EQ(online, 17 + 1 + 35 + 1 + 35 + 2);
    t->online.CancelTransfers();
    t.main().hide();
}

} // namespace
