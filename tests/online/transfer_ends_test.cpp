// Cancel, exit and a second Load against a slow server (4 KB/s).

#include "OnlineFixture.h"
#include "platform/Application.h"
#include "support/ListItems.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <cstdio>
#include <dlfcn.h>

namespace {

// A program whose server moves 4 KB a second.
struct Slow {
    FtpServer server;
    TestProgram t;
    int ends = 0;
    explicit Slow(const QString& address = {}, const char* perm = "elradfmw") : server(4096, perm) {
        t.writeFile("System/i.set", crlf({"", address.isEmpty() ? server.address() : address}));
        t.writeFile("System/Settings/set.sdf", StartupSettings(false, false, false));
        t->shell.EndProgram = [this] { ++ends; };
        t.main().load();
    }
    ~Slow() { t.main().hide(); }
    OnlineTab& tab() { return t.main().online; }
    bool idle(int ms = 60000) {
        return runEventsUntil([this] { return t->online.Requests().empty(); }, ms);
    }
    // Loads `folder`/big.srt, presses Send and lets it run `ms`.
    void send(const QString& folder, const QByteArray& content, int ms = 0) {
        mustLoad(t.program(), t.writeFile(folder + "/big.srt", content));
        tab().Command39.onClick();
        if (ms > 0) runEventsUntil([] { return false; }, ms);
    }
};

const QByteArray Big = SubRip(1000, "A line long enough to be worth sending"); // about 60 KB
const QByteArray Small = SubRip(150, "Second");

void CancelThenSendAgain() {
    Slow s;
    s.send("first", Big, 1500);
    s.tab().cmdTransferCancel.onClick();
    EXPECT_FALSE(s.tab().lblTransfer.caption() == "Transfer cancelled." &&
                 s.server.exists("new_big.srt"))
        << "told cancelled while the part sent is on the server";
    s.send("second", Small); // at once, while the clean-up may still run
    ASSERT_TRUE(s.idle());
    runEventsUntil([] { return false; }, 1000); // a late clean-up would delete it now
    EXPECT_TRUE(s.server.read("new_big.srt").startsWith(Small + "<Mirel>"));

    s.send("first", Big, 1500);
    s.tab().cmdTransferCancel.onClick();
    ASSERT_TRUE(runEventsUntil(
        [&] { return s.tab().lblTransfer.caption() == "Transfer cancelled."; }, 5000));
    EXPECT_FALSE(s.server.exists("new_big.srt"));
}

// A child exits during a long name lookup: it ends within a second of File > Exit.
void ExitDuringALookup(bool cancelFirst) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIREL_LOOKUP_CHILD", cancelFirst ? "cancel" : "exit");
    env.insert("LD_PRELOAD", MIREL_SLOW_RESOLVER);
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=TransferEnds.AgainstASlowServer"});
    QByteArray out;
    while (child.state() != QProcess::NotRunning && !out.contains("exit clicked")) {
        child.waitForReadyRead(20);
        out += child.readAllStandardOutput();
    }
    QElapsedTimer sinceExit;
    sinceExit.start();
    ASSERT_TRUE(child.waitForFinished(30000));
    const qint64 ending = sinceExit.elapsed();
    out += child.readAllStandardOutput();
    ASSERT_TRUE(out.contains("exit clicked")) << out.toStdString();
    EXPECT_TRUE(out.contains("looking up")) << out.toStdString();
    EXPECT_LT(ending, 1000) << "ms from File > Exit to the end of the process";
}

// The child's half: Update, then File > Exit (after Cancel where asked).
[[noreturn]] void LookupChild(const QString& mode) {
    // Without the stub the name would be asked of the network's name server.
    if (!dlsym(RTLD_DEFAULT, "mirel_slow_resolver_loaded")) platform::EndProcess(2);
    {
        Slow s("ftp://slow.mirel.invalid");
        s.t.main().onlineLists.Command38.onClick(); // Update
        runEventsUntil([] { return false; }, 300);
        if (s.t->online.InetRequest == Online::DownloadList) std::printf("looking up\n");
        if (mode == "cancel") s.tab().cmdTransferCancel.onClick();
        std::printf("exit clicked\n");
        std::fflush(stdout);
        s.t.main().mnuExit.click();
    }
    platform::EndProcess(0);
}

// Yes stops the upload, its part deleted (or named) and Mirel ends; No keeps both going.
void ExitDuringAnUpload(int answer, bool deletes = true) {
    Slow s({}, deletes ? "elradfmw" : "elrw");
    s.send("first", Big, 1500);
    Message asked, left;
    s.t.reply(answer, &asked);
    if (!deletes) s.t.reply(AnswerOk, &left);
    s.t.main().mnuExit.click();
    EXPECT_EQ(asked.text, "A file is being sent to the server. Stop it and exit?");
    EXPECT_EQ(s.ends, answer == AnswerYes ? 1 : 0);
    if (answer == AnswerYes) {
        EXPECT_EQ(s.server.exists("new_big.srt"), !deletes) << "nothing is left as if whole";
        EXPECT_EQ(left.text.startsWith("new_big.srt on the server holds"), !deletes)
            << left.text.toStdString();
        EXPECT_TRUE(s.t->online.Requests().empty());
        return;
    }
    EXPECT_TRUE(s.t.main().isLoaded());
    ASSERT_TRUE(s.idle());
    EXPECT_TRUE(s.server.read("new_big.srt").startsWith(Big + "<Mirel>"));
}

// Exit asks about unsaved work before it stops the upload: Cancel there keeps both.
void ExitCancelledAtTheUnsavedWork() {
    Slow s;
    s.send("first", Big, 1500);
    s.t->doc.FileChanged = true; // an edit made since
    Message unsaved;
    s.t.reply(AnswerYes);
    s.t.reply(AnswerCancel, &unsaved);
    s.t.main().mnuExit.click();
    EXPECT_EQ(unsaved.title, "Warning: File not saved");
    EXPECT_EQ(s.ends, 0);
    ASSERT_TRUE(s.idle());
    EXPECT_TRUE(s.server.read("new_big.srt").startsWith(Big + "<Mirel>"));
    s.t->doc.FileChanged = false;
}

// The count is what the server took, not what the system holds for it; so
// is what Cancel tells may be left.
void ProgressCountsWhatTheServerTook() {
    Slow s({}, "elrw");
    const QByteArray line(600, 'x');
    const QByteArray large = SubRip(1000, line.constData()); // about 600 KB
    s.send("first", large, 2500);
    const qint64 done = s.t->online.Inet1.bytesDone(), total = s.t->online.Inet1.bytesTotal();
    EXPECT_GT(total, large.size());
    EXPECT_LT(done, total / 2) << s.tab().lblTransfer.caption().toStdString();
    Message left;
    s.t.reply(AnswerOk, &left);
    s.tab().cmdTransferCancel.onClick();
    ASSERT_TRUE(s.idle());
    ASSERT_TRUE(runEventsUntil([&] { return !s.t->online.Inet1.CleaningUp(); }, 3000));
    EXPECT_TRUE(left.text.contains(" of ") &&
                !left.text.contains(QLocale(QLocale::English).toString(total) + " of"))
        << left.text.toStdString();
}

// Exit at once after Cancel, while the part sent is being deleted: it is
// deleted before Mirel ends, not left as if whole.
void ExitDuringACleanUp() {
    Slow s;
    s.send("first", Big);
    runEventsUntil([] { return false; }, 1500);
    s.tab().cmdTransferCancel.onClick();
    s.t.main().mnuExit.click();
    EXPECT_EQ(s.ends, 1);
    EXPECT_FALSE(s.server.exists("new_big.srt"));
}

// Two entries of the list name one file on the server: each Load runs.
void ASecondLoad() {
    Slow s;
    s.server.write("film.ssf", SubRipFile("From the server"));
    s.server.write("sublist.sdf",
                   crlf({"First;film;subrip;English;Ann;", "Second;film;subrip;English;Bob;"}));
    OnlineLists& lists = s.t.main().onlineLists;
    lists.Command38.onClick();
    ASSERT_TRUE(s.idle());
    for (int row : {1, 2}) {
        lists.FTPList.setCurrentCell(row, 1);
        lists.Command37.onClick();
    }
    ASSERT_TRUE(s.idle());
    EXPECT_EQ(QDir(s.t.folder() + "/Data/Files").entryList(QDir::Files, QDir::Name),
              QStringList({"First.srt", "Second.srt"}));
}

TEST(TransferEnds, AgainstASlowServer) {
    if (qEnvironmentVariableIsSet("MIREL_LOOKUP_CHILD"))
        LookupChild(qEnvironmentVariable("MIREL_LOOKUP_CHILD"));
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"Cancel, then Send again", CancelThenSendAgain},
        {"exit during a lookup", [] { ExitDuringALookup(false); }},
        {"Cancel and exit during a lookup", [] { ExitDuringALookup(true); }},
        {"exit during an upload, Yes", [] { ExitDuringAnUpload(AnswerYes); }},
        {"exit during an upload, No", [] { ExitDuringAnUpload(AnswerNo); }},
        {"exit during an upload the server keeps, Yes",
         [] { ExitDuringAnUpload(AnswerYes, false); }},
        {"exit during a clean-up", ExitDuringACleanUp},
        {"exit during an upload, Yes, then Cancel at the unsaved work",
         ExitCancelledAtTheUnsavedWork},
        {"progress counts what the server took", ProgressCountsWhatTheServerTook},
        {"a second Load", ASecondLoad},
    };
    for (const auto& [what, row] : rows) {
        SCOPED_TRACE(what);
        row();
    }
}

} // namespace
