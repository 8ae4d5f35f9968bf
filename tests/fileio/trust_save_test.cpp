// Saving, New and Add as a user meets them through the file menu and the file
// chooser: a save writes every row or says which it did not, the chooser
// proposes the loaded file's format and refuses names it cannot use, a file
// that was only partly read is not replaced without asking, New after
// discarding starts unchanged, and Add keeps the document's own format.

#include "document/BasicTab.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "fileio/frmPreview.h"
#include "platform/Grid.h"
#include "shell/frmSettings.h"
#include "support/ChooserAnswers.h"
#include "support/FileBytes.h"
#include "support/ListItems.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QRegularExpression>
#include <QWidget>

namespace {

struct TrustSave : ::testing::Test {
    TestProgram t;
    QString files() { return QDir::cleanPath(t.folder() + "/Data/Files"); }
    platform::Grid& grid() { return t->doc.grid(); }
    int lines() { return t->doc.lineCount(); }
    QString formatName(int format) { return t->shell.FormatFilter[format + 1].section(" (", 0, 0); }

    // Answers the chooser: a type (-1 leaves it), a typed name, Ok.
    void typeName(const QString& name, int type = -1, std::function<void(frmFile&)> check = {}) {
        t.answer<frmFile>([=](frmFile& f) {
            if (check) check(f);
            if (type >= 0) f.List3.setListIndex(type);
            f.txtFilename.setText(name);
            f.cmdActionClick(frmFile::Ok);
        });
    }
    // Answers the chooser with what it proposes.
    void acceptProposal(std::function<void(frmFile&)> check = {}) {
        t.answer<frmFile>([=](frmFile& f) {
            if (check) check(f);
            f.cmdActionClick(frmFile::Ok);
        });
    }
    // Opens a file of Data/Files through the Load (or Add) menu, the type
    // chosen in the type pane and the file picked in the list; `then` queues
    // the answers to what the read asks.
    void open(platform::Menu& menu, const QString& name, int type,
              const std::function<void()>& then = {}) {
        pickInChooser(t, files() + "/" + name, type);
        if (then) then();
        menu.click();
    }
    void save() { t.main().mnuSavesubfile.click(); }
    // The user selects a cell, types into the Basic text field and presses Change.
    void change(int row, int col, const QString& text) {
        grid().setCurrentCell(row, col);
        t.main().editor.basic.rtfSubEditBasic.setText(text);
        t.main().editor.basic.Command14.onClick();
    }
};

// ---- Every row, or the rows that were not written ---------------------------------

TEST_F(TrustSave, ASaveWritesEveryRowOrSaysWhichItDidNot) {
    const QString film = t.loadDataFile("film.srt", SubRip(19));
    const QByteArray original = readBytes(film);
    // Times another tool left that are not time codes.
    grid().setTextMatrix(7, 1, "abc");
    grid().setTextMatrix(12, 2, "1:2");
    t->doc.FileChanged = true;

    typeName("film.srt");
    t.reply(frmMessageBox::Yes); // replace film.srt
    Message asked;
    t.reply(frmMessageBox::No, &asked); // not without rows 7 and 12
    save();
    EXPECT_EQ(readBytes(film), original) << "nothing is written";
    EXPECT_TRUE(asked.text.contains("7, 12")) << asked.text.toStdString();
    EXPECT_TRUE(t->doc.FileChanged);

    typeName("film.srt");
    t.reply(frmMessageBox::Yes);
    t.reply(frmMessageBox::Yes); // write the other rows
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile()) << "the document is not saved whole";
    const QByteArray partial = readBytes(film);
    EXPECT_TRUE(partial.contains("Line 6") && partial.contains("Line 19"));
    EXPECT_FALSE(partial.contains("Line 7\r") || partial.contains("Line 12\r"));
    EXPECT_TRUE(t->doc.FileChanged);
    EXPECT_EQ(t->files.CurFileName, film);

    change(7, 1, "00:00:06,000"); // the user puts real times back
    change(12, 2, "00:00:11,500");
    typeName("film.srt");
    t.reply(frmMessageBox::Yes);
    EXPECT_TRUE(t->fileCommands.MenuSaveSubFile());
    EXPECT_EQ(readBytes(film), original);
    EXPECT_FALSE(t->doc.FileChanged);
}

// A preview shows what a save would write, without the questions of a save.
TEST_F(TrustSave, APreviewLeavesOutARowWithoutATimeAndStillShows) {
    t.loadDataFile("film.srt", SubRip(3));
    grid().setTextMatrix(2, 1, "abc");
    QStringList shown;
    t.answer<frmPreview>([&](frmPreview& w) {
        shown = itemsOf(w.List1);
        w.Command1Click();
    });
    t.main().mnuPreview.click();
    EXPECT_TRUE(shown.contains("Line 1") && shown.contains("Line 3"));
    EXPECT_FALSE(shown.contains("Line 2"));
}

TEST_F(TrustSave, ALineAtTheLastTimeAndANegativeStartAreNotDroppedSilently) {
    const QString film = t.loadDataFile("film.srt", SubRip(5));
    change(4, 1, "99:59:59,999");
    change(4, 2, "99:59:59,999");
    typeName("late.srt");
    EXPECT_TRUE(t->fileCommands.MenuSaveSubFile());
    const QByteArray late = readBytes(files() + "/late.srt");
    EXPECT_TRUE(late.contains("99:59:59,999 --> 99:59:59,999\r\nLine 4"));
    EXPECT_TRUE(late.contains("Line 5")) << "the rows after it are written too";

    change(2, 1, "-1:59:59,000");
    typeName("negative.srt");
    t.reply(frmMessageBox::No); // do not write a negative time
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile());
    EXPECT_FALSE(QFile::exists(files() + "/negative.srt"));
    EXPECT_TRUE(t->doc.FileChanged);
    EXPECT_EQ(t->files.CurFileName, files() + "/late.srt");
}

// ---- The chooser's proposal and the names it refuses ------------------------------

TEST_F(TrustSave, SaveProposesTheLoadedFilesFormat) {
    t->settings().Check4.setValue(platform::CheckBox::Unchecked); // not "same format"
    t.writeDataFile("film.srt", SubRip(3));
    open(t.main().mnuLoadFile, "film.srt", frmFile::TypeSupported);
    ASSERT_EQ(lines(), 3);
    change(1, 3, "Edited");
    acceptProposal([](frmFile& f) {
        EXPECT_EQ(f.List3.listIndex(), 9);
        EXPECT_EQ(f.txtFilename.text(), "film.srt");
    });
    t.reply(frmMessageBox::Yes); // replace film.srt
    save();
    EXPECT_TRUE(readBytes(files() + "/film.srt").contains("Edited"));
    EXPECT_FALSE(t->doc.FileChanged);

    // Converting file after file: the format chosen at the last save stays.
    typeName("film.ssa", 10);
    save();
    ASSERT_TRUE(QFile::exists(files() + "/film.ssa"));
    t.writeDataFile("next.srt", SubRip(2));
    open(t.main().mnuLoadFile, "next.srt", frmFile::TypeSupported);
    acceptProposal([](frmFile& f) { EXPECT_EQ(f.List3.listIndex(), 10); });
    save();
    EXPECT_TRUE(QFile::exists(files() + "/next.ssa"));
}

TEST_F(TrustSave, AnEmptyNameIsRefusedWithAMessage) {
    t.main().mnuNewFile.click();
    for (const char* name : {"", "   "}) {
        SCOPED_TRACE(std::string("'") + name + "'");
        Message said;
        bool stayed = false;
        t.answer<frmFile>([&](frmFile& f) {
            f.txtFilename.setText(QString::fromLatin1(name));
            f.cmdActionClick(frmFile::Ok);
            stayed = f.visible();
            f.cmdActionClick(frmFile::Cancel);
        });
        t.reply(frmMessageBox::Ok, &said);
        EXPECT_FALSE(t->fileCommands.MenuSaveSubFile());
        EXPECT_TRUE(stayed) << "the chooser stays open for another name";
        EXPECT_TRUE(said.text.contains("name")) << said.text.toStdString();
    }
    QStringList hidden = QDir(files()).entryList(QDir::Files | QDir::Hidden);
    hidden = hidden.filter(QRegularExpression("^\\."));
    hidden.removeAll(".keep"); // the program folder's own
    EXPECT_EQ(hidden, QStringList()) << "no hidden file is written";
}

TEST_F(TrustSave, TheMediaNameOptionWithoutMediaSaysSo) {
    const QString film = t.loadDataFile("film.srt", SubRip(3));
    ASSERT_TRUE(t->players.mediaFileName().isEmpty());
    t->doc.FileChanged = true;
    Message said;
    bool stayed = false;
    t.answer<frmFile>([&](frmFile& f) {
        f.Check1.setValue(platform::CheckBox::Checked);
        f.cmdActionClick(frmFile::Ok);
        stayed = f.visible();
        f.Check1.setValue(platform::CheckBox::Unchecked); // the user saves under the name
        f.cmdActionClick(frmFile::Ok);
    });
    t.reply(frmMessageBox::Ok, &said);
    t.reply(frmMessageBox::Yes); // replace film.srt
    EXPECT_TRUE(t->fileCommands.MenuSaveSubFile());
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(said.text.contains("media")) << said.text.toStdString();
    EXPECT_FALSE(t->doc.FileChanged);
}

TEST_F(TrustSave, AtExitTheMediaNameOptionWithoutMediaDoesNotCancelInSilence) {
    t.loadDataFile("film.srt", SubRip(3));
    change(2, 3, "Edited");
    int ends = 0;
    t->shell.EndProgram = [&] { ++ends; };
    Message said;
    t.reply(frmMessageBox::Yes); // save before leaving
    t.answer<frmFile>([](frmFile& f) {
        f.Check1.setValue(platform::CheckBox::Checked);
        f.cmdActionClick(frmFile::Ok); // told that no media is loaded
        f.Check1.setValue(platform::CheckBox::Unchecked);
        f.cmdActionClick(frmFile::Ok);
    });
    t.reply(frmMessageBox::Ok, &said);
    t.reply(frmMessageBox::Yes); // replace film.srt
    t.main().mnuExit.click();
    EXPECT_TRUE(said.text.contains("media")) << said.text.toStdString();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(readBytes(files() + "/film.srt").contains("Edited"));
}

// ---- A partly read file -----------------------------------------------------------

TEST_F(TrustSave, APartlyReadFileIsNotReplacedWithoutAsking) {
    // Lines without "ntp" escape the count, so the read stops at the limit.
    QStringList file;
    for (int i = 0; i < Document::MaxLines + 7; ++i)
        file << QString::asprintf("%d:%02d:%02d.00,%d:%02d:%02d.50,", i / 3600, i / 60 % 60, i % 60,
                                  i / 3600, i / 60 % 60, i % 60) +
                    QStringLiteral("Line %1").arg(i + 1);
    const QString film = t.writeDataFile("film.tts", crlf(file));
    const QByteArray complete = readBytes(film);
    open(t.main().mnuLoadFile, "film.tts", 14,
         [&] { t.reply(frmMessageBox::Ok); }); // the read stops at the limit
    ASSERT_EQ(lines(), Document::MaxLines);

    Message asked;
    acceptProposal([](frmFile& f) { EXPECT_EQ(f.txtFilename.text(), "film.tts"); });
    t.reply(frmMessageBox::No, &asked);
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile());
    EXPECT_EQ(readBytes(film), complete);
    EXPECT_TRUE(asked.text.contains("9998")) << asked.text.toStdString();

    typeName("copy.tts"); // another name asks nothing more than usual
    EXPECT_TRUE(t->fileCommands.MenuSaveSubFile());
    EXPECT_EQ(readBytes(film), complete);

    typeName("film.tts"); // the original name still asks
    t.reply(frmMessageBox::Yes, &asked);
    t.reply(frmMessageBox::Yes); // replace film.tts
    EXPECT_TRUE(t->fileCommands.MenuSaveSubFile());
    EXPECT_TRUE(asked.text.contains("9998"));
    EXPECT_NE(readBytes(film), complete);

    acceptProposal(); // once replaced, the file holds what the document holds
    t.reply(frmMessageBox::Yes);
    EXPECT_TRUE(t->fileCommands.MenuSaveSubFile());
}

// ---- New and Add ------------------------------------------------------------------

TEST_F(TrustSave, NewAfterDiscardingChangesStartsUnchanged) {
    t.loadDataFile("film.srt", SubRip(3));
    change(1, 3, "Edited");
    ASSERT_TRUE(t->doc.FileChanged);
    t.reply(frmMessageBox::No); // discard
    t.main().mnuNewFile.click();
    EXPECT_EQ(lines(), 1);
    EXPECT_FALSE(t->doc.FileChanged);
    t.main().mnuNewFile.click(); // nothing to ask about
    EXPECT_EQ(lines(), 1);
}

TEST_F(TrustSave, AddingAFileOfAnotherFormatKeepsTheDocumentsFormat) {
    const QString film = t.loadDataFile("film.srt", SubRip(3));
    t.writeDataFile("extra.vsf",
                    crlf({"{* VIPLAY SUBTITLE FILE *}", "00:00:07,000-00:00:08,000=Extra"}));
    open(t.main().mnuAddFile, "extra.vsf", 15);
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(t->files.CurFileName, film);
    EXPECT_EQ(t->files.CurFileIndex, 9);
    EXPECT_EQ(t.main().StatusBar1.panelText(2), formatName(9));
    EXPECT_EQ(t.main().partition.combo3.listIndex(), 8);
    EXPECT_TRUE(t->doc.FileChanged);

    acceptProposal([](frmFile& f) {
        EXPECT_EQ(f.txtFilename.text(), "film.srt");
        EXPECT_EQ(f.List3.listIndex(), 9);
    });
    t.reply(frmMessageBox::Yes); // replace film.srt
    save();
    EXPECT_TRUE(readBytes(film).contains("Extra"));
    EXPECT_FALSE(QFile::exists(files() + "/film.vsf"));
}

// The question about rows that cannot be written, as the user sees it.
TEST_F(TrustSave, ScreenshotOfTheRowsNotWrittenQuestion) {
    t.loadDataFile("film.srt", SubRip(30));
    for (int row : {3, 9, 27})
        grid().setTextMatrix(row, 2, "later");
    typeName("shot.srt");
    t.answer<frmMessageBox>([](frmMessageBox& box) {
        QApplication::processEvents();
        EXPECT_TRUE(box.window()->grab().save("trust_save_rows_not_written.png"));
        EXPECT_TRUE(box.Label1.caption().contains("3, 9, 27"));
        box.cmdActionClick(frmMessageBox::No);
    });
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile());
}

} // namespace
