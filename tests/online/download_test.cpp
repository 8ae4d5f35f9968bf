// The download page's Load: the selected entry's file comes from the server,
// is stored in Data/Files under its original name and the format's extension
// and is loaded; the questions on the way keep the user's work, and names
// that are not plain file names never reach the disk.

#include "OnlineFixture.h"
#include "document/frmMessageBox.h"
#include "shell/frmSettings.h"
#include "support/FileSizeLimit.h"
#include "support/SilentServer.h"

#include <QDir>

namespace {

const QStringList Entries = {
    "Film;film_en;subrip;English;Ann;",
    "Film German;film_de;subrip;German;Bob;",
    "Odd;odd;weird;Urdu;Cy;",
};

class DownloadTest : public OnlineTest {
protected:
    void SetUp() override {
        OnlineTest::SetUp();
        server.write("film_en.ssf", SubRipFile("From the server"));
        server.write("film_de.ssf", SubRipFile("Vom Server"));
        server.write("odd.ssf", SubRipFile("Odd one"));
        fetchList(Entries);
    }
    // Picks a row as a click does and presses Load.
    void download(int row) {
        lists().FTPList.setCurrentCell(row, 1);
        lists().Command37.onClick();
    }
    QStringList dataFiles() const {
        return QDir(t.folder() + "/Data/Files").entryList(QDir::Files, QDir::Name);
    }
};

TEST_F(DownloadTest, LoadFetchesTheSelectedFileStoresItAndLoadsIt) {
    t.main().StatusBar1.setPanelText(2, "MicroDVD");
    download(2);
    EXPECT_EQ(t.main().StatusBar1.panelText(2), "Getting data. Please wait...");
    EXPECT_EQ(online().InetRequest, Online::Download);
    EXPECT_EQ(tab().Combo8[1].text(), "German") << "the upload language follows the file";
    EXPECT_EQ(tab().Label61.caption(), "German");
    ASSERT_TRUE(waitIdle());

    EXPECT_EQ(dataFiles(), QStringList({"Film German.srt"}));
    EXPECT_EQ(t->files.CurFileName, t.dataFilesPath("Film German.srt"));
    EXPECT_EQ(t->doc.lineCount(), 2);
    EXPECT_EQ(t->doc.grid().textMatrix(1, 3).trimmed(), "Vom Server");
    EXPECT_FALSE(t->doc.FileChanged);
    EXPECT_EQ(t.main().StatusBar1.panelText(2), "SubRip") << "the loaded file's format";
    EXPECT_FALSE(QFile::exists(transfer("film_de.ssf"))) << "the received file is used up";
    EXPECT_EQ(online().InetRequest, 0);
}

// "Auto select" chooses the script of the downloaded file's language, turns
// the script on and reads the file in it; without the tick, or for a Western
// language, the script stays off. The document open before is not read anew
// in the script, so nobody is asked to save what they never changed.
TEST_F(DownloadTest, AutoSelectReadsTheFileInTheScriptOfItsLanguage) {
    server.write("film_ru.ssf", // "Привет" in Windows-1251
                 "1\r\n00:00:01,000 --> 00:00:02,000\r\n\xCF\xF0\xE8\xE2\xE5\xF2\r\n\r\n");
    const struct {
        bool ticked;
        const char* language;
        int charset; // 0: the script stays off
    } cases[] = {{true, " Russian ", 204},
                 {true, "vietnamese", 163},
                 {true, "Polish", 238},
                 {true, "English", 0},
                 {false, "Russian", 0}};
    frmSettings& s = t->settings();
    for (const auto& c : cases) {
        fetchList({QStringLiteral("Film;film_ru;subrip;%1;Cy;").arg(c.language)});
        s.Check6[0].setValue(0); // the script off, as at start: it reads the last file anew
        t->doc.FileChanged = false;
        s.Check6[1].setValue(c.ticked ? 1 : 0);                             // "Auto select"
        if (QFile::exists(t.dataFilesPath("Film.srt"))) t.reply(AnswerYes); // overwrite
        download(1);
        ASSERT_TRUE(waitIdle()) << c.language;
        EXPECT_EQ(s.scriptEnable(), c.charset != 0) << c.language;
        EXPECT_EQ(s.scriptCharset(), c.charset) << c.language;
        if (c.charset == 204) {
            EXPECT_EQ(t->doc.grid().textMatrix(1, 3).trimmed(), QString::fromUtf8("Привет"));
        }
    }
}

TEST_F(DownloadTest, AnEntryOfAnUnknownFormatIsStoredWithoutExtensionAndDetected) {
    download(3);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(dataFiles(), QStringList({"Odd"}));
    EXPECT_EQ(t->files.CurFileIndex, 9) << "SubRip, detected";
    EXPECT_EQ(t->doc.grid().textMatrix(1, 3).trimmed(), "Odd one");
}

TEST_F(DownloadTest, NoToTheUnsavedChangesQuestionKeepsTheDocument) {
    t.loadDataFile("mine.srt", SubRipFile("My own work"));
    t->doc.FileChanged = true; // edited and not saved
    Message seen;
    t.reply(AnswerNo, &seen);
    download(1);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(seen.title, "Warning: File not saved");
    EXPECT_TRUE(seen.text.contains("has been changed and not saved.")) << seen.text.toStdString();
    EXPECT_EQ(t->doc.grid().textMatrix(1, 3).trimmed(), "My own work");
    EXPECT_TRUE(t->doc.FileChanged);
    EXPECT_EQ(dataFiles(), QStringList({"mine.srt"}));
    EXPECT_FALSE(QFile::exists(transfer("film_en.ssf")));

    // Closing the question without No goes on, and the load does not ask again.
    t.reply(AnswerCancel);
    download(1);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(t->doc.grid().textMatrix(1, 3).trimmed(), "From the server");
    EXPECT_FALSE(t->doc.FileChanged);
}

// No or Cancel to the overwrite question: the stored file stays, nothing is
// loaded, and the received file leaves the program folder either way; Yes
// overwrites it and loads. The user's own file of the server's name stays, no copy stays behind.
TEST_F(DownloadTest, OnlyYesToOverwritingTheStoredFileLoadsIt) {
    const QString target = t.writeDataFile("Film.srt", SubRipFile("Kept"));
    const QByteArray mine = SubRipFile("My own film_en.ssf");
    t.writeFile("film_en.ssf", mine);
    const QString scratch = t->folder.path(runtime::Place::ScratchFolder);
    const QStringList before = QDir(t.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const int answer : {AnswerNo, AnswerCancel}) {
        Message seen;
        t.reply(answer, &seen);
        download(1);
        ASSERT_TRUE(waitIdle()) << answer;
        EXPECT_TRUE(seen.text.contains("already exists")) << answer;
        EXPECT_EQ(readBytes(target), SubRipFile("Kept")) << answer;
        EXPECT_TRUE(t->files.CurFileName.isEmpty()) << answer << ": nothing was loaded";
        EXPECT_EQ(QDir(t.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), before)
            << answer << ": the received file is gone";
        EXPECT_EQ(dataFiles(), QStringList({"Film.srt"})) << answer;
        EXPECT_EQ(readBytes(transfer("film_en.ssf")), mine) << answer;
        EXPECT_EQ(QDir(scratch).entryList({"*film_en*"}, QDir::Files), QStringList()) << answer;
    }
    t.reply(AnswerYes);
    download(1);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(t->doc.grid().textMatrix(1, 3).trimmed(), "From the server");
    EXPECT_EQ(readBytes(transfer("film_en.ssf")), mine);
    EXPECT_EQ(QDir(scratch).entryList({"*film_en*"}, QDir::Files), QStringList());
}

// A full disk keeps the stored file whole, whichever write fails, and names the failed file.
TEST_F(DownloadTest, AFullDiskLeavesTheStoredFileWhole) {
    const QString target = t.writeDataFile("Film.srt", SubRipFile("Kept"));
    QStringList told;
    t->host.modal.onUnanswered = [&told](platform::Form& form) {
        auto& box = dynamic_cast<frmMessageBox&>(form);
        told << box.Label1.caption();
        box.cmdActionClick(box.cmdAction[frmMessageBox::Yes].visible() ? frmMessageBox::Yes
                                                                       : frmMessageBox::Ok);
    };
    {
        FileSizeLimit limit(SubRipFile("Kept").size() + 2);
        ASSERT_TRUE(limit.active());
        download(1);
        ASSERT_TRUE(waitIdle());
    }
    EXPECT_EQ(readBytes(target), SubRipFile("Kept"));
    EXPECT_TRUE(told.filter("Cannot write").size() + told.filter("Error writing").size() == 1)
        << told.join("\n").toStdString();
    EXPECT_EQ(dataFiles(), QStringList({"Film.srt"}));
}

// A download that does not complete keeps nothing: no part of the file is
// left in the program folder or stored and loaded as if it were whole.
TEST(Download, AnUnfinishedDownloadKeepsNothing) {
    SilentServer silent;
    FtpServer cutShort{FtpServer::CutShort{}};
    ASSERT_GT(silent.port(), 0);
    ASSERT_TRUE(cutShort.running());
    enum End { Cancelled, NoAnswer, CutShort };
    const struct {
        End end;
        QString server;
        const char* says; // the start of the message shown
    } cases[] = {{Cancelled, silent.address(), ""},
                 {NoAnswer, silent.address(), "The server did not answer"},
                 {CutShort, cutShort.address(),
                  "The server broke off before the whole file arrived: film_en.ssf"}};
    for (const auto& c : cases) {
        TestProgram t;
        t.writeFile("System/i.set", crlf({"", c.server}));
        t.writeFile("System/Settings/set.sdf", StartupSettings(false, false, false));
        t.writeFile("System/sublist.sdf", crlf({"today", Entries[0]}));
        t.main().load();
        const QStringList before =
            QDir(t.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        OnlineLists& lists = t.main().onlineLists;
        ASSERT_EQ(lists.FTPList.rows(), 2) << c.end;
        Message seen;
        if (c.end != Cancelled) t.reply(AnswerOk, &seen);
        if (c.end == NoAnswer) t->online.Inet1.setRequestTimeout(1);
        lists.FTPList.setCurrentCell(1, 1);
        lists.Command37.onClick();
        ASSERT_EQ(t->online.InetRequest, Online::Download) << c.end;
        if (c.end == Cancelled) {
            runEventsUntil([] { return false; }, 300);
            t.main().online.cmdTransferCancel.onClick();
        }
        ASSERT_TRUE(runEventsUntil([&] { return t->online.Requests().empty(); })) << c.end;
        if (*c.says) {
            EXPECT_TRUE(seen.text.startsWith(QString::fromLatin1(c.says)))
                << c.end << ": " << seen.title.toStdString() << ": " << seen.text.toStdString();
        }
        EXPECT_EQ(QDir(t.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), before)
            << c.end;
        EXPECT_FALSE(QDir(t.folder() + "/Data/Files").exists("Film.srt")) << c.end;
        EXPECT_TRUE(t->files.CurFileName.isEmpty()) << c.end << ": nothing was loaded";
        t.main().hide();
    }
}

TEST_F(DownloadTest, AFileMissingOnTheServerIsReportedAndNothingStored) {
    QFile::remove(server.path("film_en.ssf"));
    t.main().StatusBar1.setPanelText(2, "SAMI");
    Message seen;
    t.reply(AnswerOk, &seen);
    download(1);
    ASSERT_TRUE(waitIdle());
    // In plain words (no library codes), naming the file.
    EXPECT_TRUE(seen.text.startsWith("The file is not on the server")) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains("film_en.ssf") && !seen.text.contains("("))
        << seen.text.toStdString();
    EXPECT_EQ(t.main().StatusBar1.panelText(2), "SAMI") << "the format panel comes back";
    EXPECT_EQ(dataFiles(), QStringList());
    EXPECT_FALSE(QFile::exists(transfer("film_en.ssf")));
}

// The copy it is received in has a name of its own length.
TEST_F(DownloadTest, AFileOfTheLongestNameTheServerServesIsDownloaded) {
    const QString name(251, QLatin1Char('x')); // with ".ssf" 255 bytes
    server.write(name + ".ssf", SubRipFile("Long named"));
    fetchList({"Long;" + name + ";subrip;English;Ann;"});
    download(1);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(t->doc.grid().textMatrix(1, 3).trimmed(), "Long named");
}

TEST_F(DownloadTest, NamesThatAreNotPlainFileNamesAreRefused) {
    const char* const lines[] = {
        "../evil;film_en;subrip;English;Ann;",  "a/b;film_en;subrip;English;Ann;",
        "C:evil;film_en;subrip;English;Ann;",   "Film;..;subrip;English;Ann;",
        "Film;sub\\dir;subrip;English;Ann;",    "Film;film en;subrip;English;Ann;",
        "Film;/etc/passwd;subrip;English;Ann;", "Bell\aName;film_en;subrip;English;Ann;",
    };
    for (const char* line : lines) {
        fetchList({QString::fromUtf8(line)});
        Message seen;
        t.reply(AnswerOk, &seen);
        download(1);
        EXPECT_TRUE(seen.text.contains("not a plain file name")) << line;
        EXPECT_TRUE(online().Requests().empty()) << line;
    }
    EXPECT_EQ(dataFiles(), QStringList());

    fetchList({});
    Message seen;
    t.reply(AnswerOk, &seen);
    lists().Command37.onClick();
    EXPECT_EQ(seen.text, "Choose a file in the download list first.");
    EXPECT_TRUE(online().Requests().empty());
}

} // namespace
