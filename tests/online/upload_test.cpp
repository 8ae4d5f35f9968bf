// The upload page: Send saves a changed document, sends the saved file with
// the information block at its end as "new_" + its server name and logs each
// step; a step that cannot be done ends the upload with a log line and sends
// nothing.

#include "OnlineFixture.h"
#include "fileio/frmFile.h"
#include "support/ListItems.h"
#include "support/SilentServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

class UploadTest : public OnlineTest {
protected:
    QStringList log() { return itemsOf(tab().List8); }
    // The log lines from the last " >Start" on, with the times taken out.
    QStringList lastUpload() {
        const QStringList lines = log();
        QStringList out;
        for (qsizetype i = lines.lastIndexOf(" >Start"); i >= 0 && i < lines.size(); ++i) {
            QString line = lines[i];
            if (line.startsWith("  ") && line.indexOf(" >") == 10) line = "  T" + line.mid(10);
            out << line;
        }
        return out;
    }
};

TEST_F(UploadTest, SendSavesAChangedDocumentAndSendsItWithTheInformationBlock) {
    const QString file = t.loadDataFile("movie clip.srt", SubRipFile("Before"));
    tab().List8.clear();
    t->doc.grid().setTextMatrix(1, 3, " After");
    t->doc.FileChanged = true; // edited and not saved
    t.reply(AnswerYes);        // overwrite its own file
    tab().Command39.onClick();
    ASSERT_TRUE(waitIdle());

    EXPECT_FALSE(t->doc.FileChanged);
    const QByteArray saved = readBytes(file);
    EXPECT_TRUE(saved.contains("After"));
    ASSERT_TRUE(server.exists("new_movie_clip.srt"));
    const QByteArray sent = server.read("new_movie_clip.srt");
    const QByteArray block =
        crlf({"<Mirel>", "Org: " + file, "Ftp: movie_clip.srt", "Frm: SubRip", "Lng: English",
              "Aut: " + qEnvironmentVariable("USER"), "</Mirel>"});
    EXPECT_EQ(sent, saved + block) << "the document as the user sees it, then the block";
    EXPECT_EQ(lastUpload(),
              QStringList({" >Start", "  T >Creating file...", "  T >File created.",
                           "  T >Sending information to server...", "  T >File send.",
                           "  T >File transfer completed.",
                           "  Your file will be added to the download list as soon as possible "
                           "if NOT already exists.",
                           " End<"}));
    EXPECT_EQ(tab().List8.listIndex(), tab().List8.listCount() - 1);
    EXPECT_FALSE(QFile::exists(t->online.UploadCopy("movie_clip.srt"))) << "the copy is used up";
    EXPECT_TRUE(tab().Command40.enabled());
}

TEST_F(UploadTest, TwoUploadsInARowSendOneBlockEach) {
    t.loadDataFile("a.srt", SubRipFile());
    for (int i = 0; i < 2; ++i) {
        tab().Command39.onClick();
        EXPECT_EQ(t->macro.MacroAction.code, Online::ActionUploadSend);
        ASSERT_TRUE(waitIdle());
    }
    const QByteArray sent = server.read("new_a.srt");
    EXPECT_EQ(sent.count("<Mirel>"), 1);
    EXPECT_TRUE(sent.startsWith(readBytes(t.dataFilesPath("a.srt"))));
}

TEST_F(UploadTest, AnUploadThatCannotBeMadeSaysWhyAndSendsNothing) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        const char* logged; // the line before " End<", after its time
    };
    const Case cases[] = {
        {"no current file", [] {}, "No file to send: open or save a subtitle file first."},
        {"the current file is gone",
         [this] {
             t.loadDataFile("gone.srt", SubRipFile());
             QFile::remove(t.dataFilesPath("gone.srt"));
         },
         "File %1 not found; nothing was sent."},
        {"the changed file is not saved",
         [this] {
             t.loadDataFile("kept.srt", SubRipFile());
             t->doc.FileChanged = true;
             t.reply(AnswerNo); // do not overwrite
         },
         "The changed file was not saved; nothing was sent."},
        {"no server", [this] { online().FtpAddress.clear(); },
         "No server is set (System/i.set names none); nothing was sent."},
    };
    for (const Case& c : cases) {
        tab().List8.clear();
        c.arrange();
        tab().Command39.onClick();
        const QStringList lines = lastUpload();
        ASSERT_GE(lines.size(), 2) << c.what;
        EXPECT_EQ(lines.back(), " End<") << c.what;
        const QString expected =
            "  T >" + QString::fromUtf8(c.logged).replace("%1", t->files.CurFileName);
        EXPECT_EQ(lines[lines.size() - 2], expected) << c.what;
        EXPECT_FALSE(lines.contains("  T >File created.")) << c.what;
        EXPECT_TRUE(online().Requests().empty()) << c.what;
    }
    EXPECT_TRUE(QDir(server.path("")).entryList(QDir::Files).isEmpty());
}

// A second program saved over the file since it was read: Send, like File >
// Save, asks about that change and nothing more (a second question would
// find no answer queued), also with no edit of the user's; No keeps the
// other program's save and sends nothing, Yes sends what the grid shows.
TEST_F(UploadTest, ASaveOverAFileChangedOnDiskAsksAboutTheChangeAlone) {
    const QByteArray theirs = SubRipFile("Theirs, saved meanwhile");
    struct Row {
        bool send;
        int answer;
        bool edited;
    };
    for (const Row& r :
         {Row{true, AnswerNo, true}, Row{true, AnswerYes, true}, Row{false, AnswerYes, true},
          Row{true, AnswerNo, false}, Row{true, AnswerYes, false}}) {
        SCOPED_TRACE(QStringLiteral("send %1, answer %2, edited %3")
                         .arg(r.send)
                         .arg(r.answer)
                         .arg(r.edited)
                         .toStdString());
        t->doc.FileChanged = false; // the row before kept its edit unsaved
        QFile::remove(server.path("new_shared.srt"));
        const QString file = t.loadDataFile("shared.srt", SubRipFile("Mine"));
        if (r.edited) {
            t->doc.grid().setTextMatrix(1, 3, " Edited");
            t->doc.FileChanged = true;
        }
        t.writeDataFile("shared.srt", theirs);
        Message asked;
        if (!r.send) t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Ok); });
        t.reply(r.answer, &asked);
        r.send ? tab().Command39.onClick() : t.main().mnuSavesubfile.click();
        ASSERT_TRUE(waitIdle());
        EXPECT_TRUE(asked.text.endsWith(" was changed on disk since Mirel read it. Overwrite it?"))
            << asked.text.toStdString();
        const bool yes = r.answer == AnswerYes;
        EXPECT_EQ(readBytes(file).contains(r.edited ? "Edited" : "Mine") && !t->doc.FileChanged,
                  yes);
        EXPECT_EQ(readBytes(file) == theirs, !yes);
        EXPECT_EQ(server.exists("new_shared.srt"), yes && r.send);
        EXPECT_FALSE(server.read("new_shared.srt").contains("Theirs"));
    }
}

// The user's file may lie in the program folder, where fetched files pass
// through: the copy that is sent is made in the scratch folder, so the file
// stays as it was however the upload ends, and only the copy goes. A refused
// upload is shown and logged.
TEST(Upload, TheUsersFileStaysAsItWasHoweverTheUploadEnds) {
    FtpServer writable, readOnly(false);
    SilentServer silent;
    ASSERT_TRUE(writable.running() && readOnly.running());
    const struct {
        const char* end;
        QString server;
        const char* says; // the message shown and answered Ok, none where ""
        bool cancel;
        const char* name = "movie.srt";
    } cases[] = {
        {"sent", writable.address(), "", false},
        {"refused", readOnly.address(), "The server refused the file: new_movie.srt", false},
        {"cancelled", silent.address(), "", true},
        {"a name no server takes", writable.address(),
         "The server address or the file's name cannot be used in a request: new_bad\r\n"
         "name.srt",
         false, "bad\r\nname.srt"}};
    const QByteArray own = SubRipFile("Mine");
    for (const auto& c : cases) {
        TestProgram t;
        t.writeFile("System/i.set", crlf({"", c.server}));
        t.writeFile("System/Settings/set.sdf", StartupSettings(false, false, false));
        t.main().load();
        const QString file = t.writeFile(c.name, own);
        mustLoad(t.program(), file);
        Message seen;
        if (*c.says) t.reply(AnswerOk, &seen);
        OnlineTab& tab = t.main().online;
        tab.Command39.onClick();
        const QDir scratch(t->folder.path(runtime::Place::ScratchFolder));
        const QStringList made = scratch.entryList(QDir::Files);
        ASSERT_EQ(made.size(), 1) << c.end << ": the copy is made in the scratch folder";
        const QString copy = scratch.filePath(made[0]);
        EXPECT_TRUE(readBytes(copy).startsWith(own + "<Mirel>")) << c.end;
        if (c.cancel) tab.cmdTransferCancel.onClick();
        ASSERT_TRUE(runEventsUntil([&] { return t->online.Requests().empty(); })) << c.end;
        EXPECT_EQ(readBytes(file), own) << c.end << ": the user's file is untouched";
        EXPECT_FALSE(QFile::exists(copy)) << c.end << ": the copy goes with the upload";
        if (*c.says) {
            const QString says = QString::fromUtf8(c.says);
            EXPECT_EQ(seen.text, says) << seen.text.toStdString();
            const QStringList lines = itemsOf(tab.List8);
            ASSERT_GE(lines.size(), 2);
            EXPECT_TRUE(lines[lines.size() - 2].contains(" >Could not upload file. " + says))
                << lines[lines.size() - 2].toStdString();
            EXPECT_TRUE(lines[lines.size() - 2].endsWith("."));
            EXPECT_EQ(lines.back(), " End<");
        }
        t.main().hide();
    }
    EXPECT_EQ(writable.read("new_movie.srt").left(own.size()), own);
    EXPECT_FALSE(readOnly.exists("new_movie.srt"));
}

// At 4 KB/s the window stays free and counts; Cancel stops and deletes the part sent, or says.
TEST(Upload, ASlowUploadLeavesTheWindowFreeAndCancelLeavesNoPartOfTheFile) {
    const QByteArray big = SubRip(1600, "A line long enough to be worth sending");
    for (const char* perm : {"elradfmw", "elrw"}) { // with "d" the server lets Mirel delete
        SCOPED_TRACE(perm);
        const bool deletes = QByteArray(perm).contains('d');
        FtpServer server(4096, perm);
        ASSERT_TRUE(server.running()) << "pyftpdlib did not start";
        TestProgram t;
        t.writeFile("System/i.set", crlf({"", server.address()}));
        t.writeFile("System/Settings/set.sdf", StartupSettings(false, false, false));
        t.main().load();
        mustLoad(t.program(), t.writeFile("big.srt", big));
        OnlineTab& tab = t.main().online;
        Message seen;
        if (!deletes) t.reply(AnswerOk, &seen);
        QElapsedTimer clock; // the longest wait between two ticks: how long no input was taken
        clock.start();
        qint64 last = 0, longest = 0, pressed = -1;
        QTimer ticks;
        ticks.callOnTimeout([&] {
            const qint64 now = clock.elapsed();
            longest = std::max(longest, now - std::exchange(last, now));
        });
        ticks.start(50);
        QString shown;
        QTimer::singleShot(1500, [&] {
            shown = tab.lblTransfer.caption();
            pressed = clock.elapsed();
            QTest::mouseClick(tab.cmdTransferCancel.widget(), Qt::LeftButton);
        });
        QTest::mouseClick(tab.Command39.widget(), Qt::LeftButton); // Send
        ASSERT_TRUE(runEventsUntil([&] { return pressed >= 0; }, 90000));
        EXPECT_TRUE(t->online.Requests().empty());
        const QRegularExpressionMatch counted =
            QRegularExpression("^Sending big\\.srt: ([1-9][0-9]*) bytes of ([0-9]+)$").match(shown);
        ASSERT_TRUE(counted.hasMatch()) << shown.toStdString();
        const qint64 whole = counted.captured(2).toLongLong();
        if (deletes) {
            EXPECT_TRUE(runEventsUntil([&] { return !server.exists("new_big.srt"); }, 1000));
        } else {
            EXPECT_TRUE(runEventsUntil([&] { return !seen.text.isEmpty(); }, 1000));
            runEventsUntil([] { return false; }, 1000);
            const qint64 left = server.read("new_big.srt").size();
            runEventsUntil([] { return false; }, 1000);
            EXPECT_EQ(server.read("new_big.srt").size(), left) << "the upload goes on";
            const QLocale en(QLocale::English);
            EXPECT_EQ(seen.text, "new_big.srt on the server holds " + en.toString(left) + " of " +
                                     en.toString(whole) + " bytes: delete it there.");
        }
        EXPECT_LT(longest, 500) << "the window took no input for " << longest << " ms";
        t.main().hide();
    }
}

TEST_F(UploadTest, ClearEmptiesTheLog) {
    tab().List8.addItem("a line");
    tab().Command40.onClick();
    EXPECT_EQ(tab().List8.listCount(), 0);
    EXPECT_EQ(t->macro.MacroAction.code, Online::ActionUploadClear);
    t->macro.SetMacroAction(QString(), 0);
    tab().Command40.onClick();
    EXPECT_EQ(tab().List8.listCount(), 0);
    EXPECT_EQ(t->macro.MacroAction.code, Online::ActionUploadClear) << "an empty log reports too";
}

TEST_F(UploadTest, TheUploadLanguageRewritesOnlyTheLastLanguageLine) {
    t.loadDataFile("one.srt", SubRipFile());
    t.loadDataFile("two.srt", SubRipFile());
    lists().Label60.onClick(); // open the picker
    tab().Combo8[1].setListIndex(8);
    const QStringList lines = log();
    QStringList languageLines;
    for (const QString& l : lines)
        if (l.startsWith("Language:")) languageLines << l;
    EXPECT_EQ(languageLines, QStringList({"Language: English", "Language: Dutch"}));
    EXPECT_EQ(tab().Label61.caption(), "Dutch");
    EXPECT_EQ(t->macro.MacroAction.code, Online::ActionUploadLanguage + 8);
    EXPECT_FALSE(tab().Combo8[1].visible()) << "the choice closes the picker";
}

} // namespace
