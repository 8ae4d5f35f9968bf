// How a failed transfer is told: in plain words (no library codes), naming a
// file the server does not have, and in a message that stays above every
// window the start-up shows meanwhile.

#include "OnlineFixture.h"
#include "document/frmMessageBox.h"
#include "support/SilentServer.h"

#include <QWidget>

namespace {

TEST(TransferMessages, AServerThatIsDownIsToldPlainlyAboveTheMainWindow) {
    int port = 0;
    {
        SilentServer closed; // a port that was free a moment ago
        port = closed.port();
    }
    TestProgram t;
    t.writeFile("System/i.set", Crlf({"", QStringLiteral("ftp://127.0.0.1:%1").arg(port)}));
    t.writeFile("System/Settings/set.sdf", StartupSettings(true, true, true));
    QString text;
    bool onTop = false;
    t.answer<frmMessageBox>([&](frmMessageBox& m) {
        text = m.Label1.caption();
        t.main().show(); // the start-up goes on and shows the main window
        onTop = m.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        m.cmdActionClick(frmMessageBox::Ok);
    });
    t.main().load();
    ASSERT_TRUE(runEventsUntil([&] { return t->online.Requests().empty(); }));
    EXPECT_TRUE(text.startsWith("The server cannot be reached")) << text.toStdString();
    EXPECT_FALSE(text.contains("errno")) << text.toStdString();
    EXPECT_FALSE(text.contains("(")) << text.toStdString();
    EXPECT_TRUE(onTop) << "the message stays above the main window";
    t.main().hide();
}

struct MissingFile : OnlineTest {};

TEST_F(MissingFile, AFileMissingOnTheServerIsNamed) {
    fetchList({"Film;film_en;subrip;English;Ann;"});
    Message seen;
    t.reply(AnswerOk, &seen);
    lists().FTPList.setCurrentCell(1, 1);
    lists().Command37.onClick();
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(seen.text.contains("film_en.ssf")) << seen.text.toStdString();
    EXPECT_FALSE(seen.text.contains("(")) << seen.text.toStdString();
}

} // namespace
