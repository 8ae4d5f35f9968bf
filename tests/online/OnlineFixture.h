#pragma once
// A program whose server is a real FTP server on 127.0.0.1, with its main
// window loaded (no start-up request ticked), and the waits the transfer
// tests share.

#include "online/Online.h"
#include "online/OnlineLists.h"
#include "online/OnlineTab.h"
#include "support/FileBytes.h"
#include "support/FtpServer.h"
#include "support/TestProgram.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

// The settings file with the online start-up requests ticked as asked and
// everything else off.
inline QByteArray StartupSettings(bool updates, bool list, bool news) {
    QStringList lines(22, QStringLiteral(" 0"));
    lines[0] = updates ? QStringLiteral(" 1") : QStringLiteral(" 0");
    lines[2] = list ? QStringLiteral(" 1") : QStringLiteral(" 0");
    lines[3] = news ? QStringLiteral(" 1") : QStringLiteral(" 0");
    lines[19] = QString();
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// Two subtitles in SubRip.
inline QByteArray SubRipFile(const QString& text = QStringLiteral("Hello")) {
    return crlf({"1", "00:00:01,000 --> 00:00:02,000", text, "", "2",
                 "00:00:03,000 --> 00:00:04,000", "World", ""});
}

class OnlineTest : public ::testing::Test {
protected:
    FtpServer server;
    TestProgram t;

    void SetUp() override {
        ASSERT_TRUE(server.running()) << "pyftpdlib did not start";
        setServer(server.address());
        t.writeFile("System/Settings/set.sdf", StartupSettings(false, false, false));
        t.main().load();
        ASSERT_EQ(t->online.FtpAddress, server.address());
    }
    void TearDown() override { t.main().hide(); }

    // Writes the address into System/i.set (read at the next load).
    void setServer(const QString& address) {
        t.writeFile("System/i.set", crlf({"http://help.example.invalid", address}));
    }
    Online& online() { return t->online; }
    OnlineLists& lists() { return t.main().onlineLists; }
    OnlineTab& tab() { return t.main().online; }
    QString transfer(const QString& name) const { return t.folder() + "/" + name; }

    // Runs the event loop until no request runs or waits.
    bool waitIdle(int ms = 30000) {
        return runEventsUntil([this] { return t->online.Requests().empty(); }, ms);
    }
    // The server's list (entries after its own header line), fetched by Update.
    void fetchList(const QStringList& entries) {
        server.write("sublist.sdf", crlf(entries));
        lists().Command38.onClick();
        ASSERT_TRUE(waitIdle()) << tab().lblTransfer.caption().toStdString() << " "
                                << online().Requests().size();
    }
    // The FTP names (column 2, trimmed) of the rows shown.
    QStringList shownNames() {
        QStringList names;
        const platform::Grid& g = lists().FTPList;
        for (int r = 1; r < g.rows(); ++r)
            if (!g.textMatrix(r, 0).isEmpty()) names << g.textMatrix(r, 2).trimmed();
        return names;
    }
};
