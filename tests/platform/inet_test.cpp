// The transfer control against a real FTP server on 127.0.0.1: files fetched
// and sent whole, failures with the server's reply, a partial or failed GET
// never replacing a file, Cancel at any moment, and a server that never
// answers failing after the time limit.

#include "platform/Inet.h"
#include "support/FileBytes.h"
#include "support/FtpServer.h"
#include "support/ProcessMaps.h"
#include "support/SilentServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

using platform::Inet;

// A control with the states it reported.
struct Watched {
    Inet inet;
    std::vector<int> states;
    Watched() {
        inet.onStateChanged = [this](int s) { states.push_back(s); };
    }
    bool ended() const {
        return !states.empty() &&
               (states.back() == Inet::StateError || states.back() == Inet::ResponseCompleted);
    }
    int run(const QString& url, const QString& operation) {
        states.clear();
        if (!inet.Execute(url, operation)) return -1;
        EXPECT_TRUE(runEventsUntil([this] { return ended(); })) << operation.toStdString();
        return states.empty() ? -1 : states.back();
    }
};

struct InetTest : ::testing::Test {
    FtpServer server;
    QTemporaryDir local;
    Watched w;
    void SetUp() override { ASSERT_TRUE(server.running()) << "pyftpdlib did not start"; }
    QString file(const QString& name) const { return local.path() + "/" + name; }
};

TEST_F(InetTest, GetFetchesTheWholeFileAndReportsProgressStates) {
    QByteArray big;
    for (int i = 0; i < 20000; ++i)
        big += "line " + QByteArray::number(i) + "\r\n";
    server.write("list.sdf", big);
    int progress = 0;
    w.inet.onProgress = [&] { ++progress; };
    EXPECT_EQ(w.run(server.address(), "GET list.sdf " + file("in folder/list.sdf")), -1)
        << "a local folder that does not exist is refused at once";
    EXPECT_TRUE(w.inet.ResponseInfo().startsWith("Cannot write"))
        << w.inet.ResponseInfo().toStdString();

    EXPECT_EQ(w.run(server.address(), "GET list.sdf " + file("list copy.sdf")),
              Inet::ResponseCompleted);
    EXPECT_EQ(readBytes(file("list copy.sdf")), big) << "a local path may hold blanks";
    EXPECT_EQ(w.states.front(), Inet::Connecting);
    EXPECT_NE(std::find(w.states.begin(), w.states.end(), int(Inet::ReceivingResponse)),
              w.states.end());
    EXPECT_GT(progress, 0);
    EXPECT_EQ(w.inet.bytesDone(), big.size());
    EXPECT_FALSE(w.inet.StillExecuting());
}

TEST_F(InetTest, AFailedGetLeavesTheOldFileAndSaysWhy) {
    writeFileAt(file("kept.sdf"), "old content");
    EXPECT_EQ(w.run(server.address(), "GET missing.sdf " + file("kept.sdf")), Inet::StateError);
    EXPECT_EQ(w.inet.ResponseCode(), 550);
    EXPECT_TRUE(w.inet.ResponseInfo().startsWith("The file is not on the server"))
        << w.inet.ResponseInfo().toStdString();
    EXPECT_EQ(readBytes(file("kept.sdf")), "old content");
    EXPECT_EQ(QDir(local.path()).entryList(QDir::Files), QStringList({"kept.sdf"}))
        << "no temporary file is left behind";
}

TEST_F(InetTest, PutSendsTheFileUnderTheRemoteName) {
    writeFileAt(file("my file.srt"), "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n");
    EXPECT_EQ(w.run("127.0.0.1:" + QString::number(server.port()),
                    "PUT " + file("my file.srt") + " new_my_file.srt"),
              Inet::ResponseCompleted)
        << "a bare host and port is an FTP address";
    EXPECT_TRUE(runEventsUntil([&] { return server.read("new_my_file.srt").size() > 0; }, 3000));
    EXPECT_EQ(server.read("new_my_file.srt"), readBytes(file("my file.srt")));

    EXPECT_EQ(w.run(server.address(), "PUT " + file("gone.srt") + " new_gone.srt"), -1);
    EXPECT_TRUE(w.inet.ResponseInfo().startsWith("Cannot read"));
}

// A control that never sends costs nothing of libcurl; the first request loads it.
TEST_F(InetTest, TheTransferLibraryIsLoadedWithTheFirstRequestOnly) {
    const QStringList curl{QStringLiteral("libcurl")};
    EXPECT_EQ(mappedLibraries(curl), QStringList()) << "before any request";
    server.write("version.sdf", "40118\r\n");
    EXPECT_EQ(w.run(server.address(), "GET version.sdf"), Inet::ResponseCompleted);
    EXPECT_EQ(mappedLibraries(curl).size(), 1);
}

TEST_F(InetTest, GetWithoutALocalPathKeepsTheDataForGetChunk) {
    server.write("version.sdf", "40118\r\n");
    EXPECT_EQ(w.run(server.address(), "GET version.sdf"), Inet::ResponseCompleted);
    EXPECT_EQ(w.inet.GetChunk(3), "401");
    EXPECT_EQ(w.inet.GetChunk(100), "18\r\n");
    EXPECT_EQ(w.inet.GetChunk(100), "");
}

TEST_F(InetTest, CancelStopsAtAnyMomentWithoutAStateAndTheNextRequestRuns) {
    server.write("a.sdf", "first");
    writeFileAt(file("a.sdf"), "old");
    ASSERT_TRUE(w.inet.Execute(server.address(), "GET a.sdf " + file("a.sdf")));
    EXPECT_TRUE(w.inet.StillExecuting());
    EXPECT_FALSE(w.inet.Execute(server.address(), "GET a.sdf " + file("b.sdf")))
        << "one request at a time";
    w.inet.Cancel();
    EXPECT_FALSE(w.inet.StillExecuting());
    runEventsUntil([] { return false; }, 300);
    EXPECT_TRUE(w.states.empty()) << "a cancelled request reports nothing";
    EXPECT_EQ(readBytes(file("a.sdf")), "old");

    // Cancelled once the transfer has begun.
    w.inet.onStateChanged = [&](int s) {
        w.states.push_back(s);
        if (s == Inet::Connecting) w.inet.Cancel();
    };
    ASSERT_TRUE(w.inet.Execute(server.address(), "GET a.sdf " + file("a.sdf")));
    runEventsUntil([&] { return !w.inet.StillExecuting(); }, 5000);
    runEventsUntil([] { return false; }, 300);
    EXPECT_EQ(w.states, std::vector<int>({Inet::Connecting}));
    EXPECT_EQ(readBytes(file("a.sdf")), "old");

    w.inet.onStateChanged = [&](int s) { w.states.push_back(s); };
    EXPECT_EQ(w.run(server.address(), "GET a.sdf " + file("a.sdf")), Inet::ResponseCompleted);
    EXPECT_EQ(readBytes(file("a.sdf")), "first");
}

TEST_F(InetTest, AServerThatNeverAnswersFailsAfterTheTimeLimit) {
    SilentServer silent;
    ASSERT_GT(silent.port(), 0);
    w.inet.setRequestTimeout(1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(w.run(silent.address(), "GET version.sdf " + file("version.sdf")), Inet::StateError);
    EXPECT_LT(clock.elapsed(), 8000);
    EXPECT_EQ(w.inet.ResponseCode(), 0);
    EXPECT_TRUE(w.inet.ResponseInfo().startsWith("The server did not answer within 1 seconds"))
        << w.inet.ResponseInfo().toStdString();
    EXPECT_FALSE(QFile::exists(file("version.sdf")));
}

TEST_F(InetTest, AServerThatIsDownCannotBeReached) {
    int port = 0;
    {
        SilentServer closed; // a port that was free a moment ago
        port = closed.port();
    }
    EXPECT_EQ(w.run(QStringLiteral("ftp://127.0.0.1:%1").arg(port), "GET x.sdf " + file("x")),
              Inet::StateError);
    EXPECT_TRUE(w.inet.ResponseInfo().startsWith("The server cannot be reached"))
        << w.inet.ResponseInfo().toStdString();
}

TEST(InetOperation, ReadsGetAndPutTexts) {
    struct Case {
        const char* text;
        bool valid, put;
        const char* remote;
        const char* local;
    };
    const Case cases[] = {
        {"GET sublist.sdf /opt/my mirel/sublist.sdf", true, false, "sublist.sdf",
         "/opt/my mirel/sublist.sdf"},
        {"get version.sdf", true, false, "version.sdf", ""},
        {"PUT /opt/my mirel/a b.srt new_a_b.srt", true, true, "new_a_b.srt",
         "/opt/my mirel/a b.srt"},
        {"PUT new_a.srt", false, false, "", ""},
        {"DELETE a.srt", false, false, "", ""},
        {"GET", false, false, "", ""},
        {"", false, false, "", ""},
    };
    for (const Case& c : cases) {
        const Inet::Operation op = Inet::ParseOperation(QString::fromUtf8(c.text));
        EXPECT_EQ(op.valid, c.valid) << c.text;
        if (!c.valid) continue;
        EXPECT_EQ(op.put, c.put) << c.text;
        EXPECT_EQ(op.remote, QString::fromUtf8(c.remote)) << c.text;
        EXPECT_EQ(op.local, QString::fromUtf8(c.local)) << c.text;
    }
}

TEST(InetOperation, JoinsTheServerAddressAndTheName) {
    EXPECT_EQ(Inet::RemoteUrl("ftp.example.org", "sublist.sdf"),
              "ftp://ftp.example.org/sublist.sdf");
    EXPECT_EQ(Inet::RemoteUrl(" ftp://h:21/subs/ ", "a b#1.ssf"), "ftp://h:21/subs/a%20b%231.ssf");
    EXPECT_EQ(Inet::RemoteUrl("http://h/dl", "version.sdf"), "http://h/dl/version.sdf");
}

} // namespace
