// The Online tab in a real window: the download page with a fetched list and
// the upload page with a sent file's log, saved as online_download.png and
// online_upload.png in the build folder for a look.

#include "OnlineFixture.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace {

TEST_F(OnlineTest, ScreenshotsOfBothPages) {
    frmMain& m = t.main();
    m.show();
    m.tabMain.setTab(frmMain::TabOnline);
    QStringList entries;
    const char* languages[] = {"English", "German", "Dutch", "French", "Spanish"};
    const char* formats[] = {"subrip", "microdvd", "sami", "substation alpha", "tmplayer"};
    for (int i = 0; i < 14; ++i)
        entries << QStringLiteral("Episode %1;episode_%1;%2;%3;Editor %4;")
                       .arg(i + 1)
                       .arg(formats[i % 5])
                       .arg(languages[i % 5])
                       .arg(QChar('A' + i));
    fetchList(entries);
    lists().rtfFTPSearch.setText("dutch");
    lists().Command46.onClick();
    lists().FTPList.setTopRow(1);
    lists().FTPList.setCurrentCell(3, 3);
    QApplication::processEvents();
    QPixmap shot = m.window()->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save("online_download.png"));

    t.loadDataFile("movie clip.srt", SubRipFile());
    m.tabMain.setTab(frmMain::TabOnline);
    tab().SSTab5.setTab(1);
    tab().Command39.onClick();
    ASSERT_TRUE(waitIdle());
    QApplication::processEvents();
    shot = m.window()->grab();
    EXPECT_TRUE(shot.save("online_upload.png"));
}

} // namespace
