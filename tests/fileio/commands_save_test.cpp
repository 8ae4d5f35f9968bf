// Save, New and the unsaved-document questions through the file chooser:
// every format written by the command, the name the format's extension
// gives, saves that were not written leaving the document unsaved, and each
// answer to the questions before New, Load and Save.

#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "shell/frmSettings.h"
#include "support/FileBytes.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>

namespace {

struct Save : ::testing::Test {
    TestProgram t;
    QString files() { return QDir::cleanPath(t.folder() + "/Data/Files"); }
    QString nodeFile(const QString& title) { return t->files.NodeFileOf(files() + "/" + title); }
    int lines() { return t->doc.lineCount(); }

    // Answers the chooser: a type (-1 leaves it), a typed name, Ok.
    void typeName(const QString& name, int type = -1, std::function<void(frmFile&)> check = {}) {
        t.answer<frmFile>([=](frmFile& f) {
            if (check) check(f);
            if (type >= 0) f.List3.setListIndex(type);
            f.txtFilename.setText(name);
            ASSERT_TRUE(f.cmdAction[frmFile::Ok].enabled());
            f.cmdActionClick(frmFile::Ok);
        });
    }
    void cancelChooser() {
        t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Cancel); });
    }
};

TEST_F(Save, EveryFormatIsWrittenUnderItsExtension) {
    t.loadDataFile("source.srt", SubRip(3));
    const QByteArray source = readBytes(files() + "/source.srt");
    for (int format = 1; format <= 16; ++format) {
        SCOPED_TRACE(format);
        t->doc.FileChanged = true;
        const QString target = files() + "/out" + Files::SetSubFileExt(format);
        const bool existed = QFile::exists(target);
        typeName("out" + Files::SetSubFileExt(format), format);
        if (existed) t.reply(frmMessageBox::Yes); // five formats share ".sub"
        EXPECT_TRUE(t->fileCommands.MenuSaveSubFile());
        const QByteArray written = readBytes(target);
        EXPECT_TRUE(written.contains("Line 3")) << written.toStdString();
        EXPECT_EQ(t->files.CurFileName, target);
        EXPECT_EQ(t->files.CurFileIndex, format);
        EXPECT_FALSE(t->doc.FileChanged);
        EXPECT_TRUE(QFile::exists(nodeFile("out" + Files::SetSubFileExt(format))));
        EXPECT_EQ(t->macro.MacroAction.code, 104);
        EXPECT_EQ(t.main().StatusBar1.panelText(2),
                  t->shell.FormatFilter[format + 1].section(" (", 0, 0));
    }
    EXPECT_EQ(readBytes(files() + "/out.srt"), source) << "SubRip is written as it was read";
}

// The whole road: a sample opened through the chooser from its own folder,
// then saved as two other formats in the program's subtitle folder.
TEST_F(Save, ASampleIsOpenedAndSavedAsTwoOtherFormats) {
    const QString samples = QDir::cleanPath(MIREL_SAMPLES_DIR "/subrip");
    t.answer<frmFile>([&](frmFile& f) {
        f.List3.setListIndex(9);
        f.List2.setPath(samples);
        for (int i = 0; i < f.File1.listCount(); ++i)
            if (f.File1.list(i) == "subsrt_sample.srt") f.File1.setListIndex(i);
        ASSERT_EQ(f.txtFilename.text(), "subsrt_sample.srt");
        f.cmdActionClick(frmFile::Ok);
    });
    t.main().mnuLoadFile.click();
    ASSERT_GT(lines(), 0);
    EXPECT_EQ(t->files.CurFileName, samples + "/subsrt_sample.srt");
    const QString firstText = t->doc.grid().textMatrix(1, 3).trimmed();
    ASSERT_FALSE(firstText.isEmpty());

    for (int format : {12, 7}) { // SubViewer 2.0, SAMI
        t.answer<frmFile>([&](frmFile& f) {
            f.List3.setListIndex(format);
            f.List2.setPath(files());
            f.txtFilename.setText("sample" + Files::SetSubFileExt(format));
            f.cmdActionClick(frmFile::Ok);
        });
        t.main().mnuSavesubfile.click();
        const QString target = files() + "/sample" + Files::SetSubFileExt(format);
        EXPECT_EQ(t->files.CurFileName, target);
        EXPECT_TRUE(QString::fromUtf8(readBytes(target)).contains(firstText))
            << target.toStdString();
    }
    EXPECT_TRUE(readBytes(files() + "/sample.sub").startsWith("[INFORMATION]"));
    EXPECT_TRUE(readBytes(files() + "/sample.smi").toLower().startsWith("<sami>"));
}

// A typed extension of another format is written in that format.
TEST_F(Save, TheChooserIsPresetAndATypedExtensionChoosesItsFormat) {
    t.loadDataFile("movie.srt", SubRip(2));
    t->settings().Check4.setValue(platform::CheckBox::Checked);
    t->fileChooser().List3.setListIndex(3);
    typeName("renamed.txt", -1, [&](frmFile& f) {
        EXPECT_EQ(f.List3.listIndex(), 9) << "save as the same format";
        EXPECT_EQ(f.txtFilename.text(), "movie.srt");
        EXPECT_EQ(f.lblInfo.caption(), "Save subtitle file.");
        EXPECT_TRUE(f.Check1.enabled());
        EXPECT_EQ(f.List2.path(), files());
    });
    EXPECT_TRUE(t->fileCommands.MenuSaveSubFile());
    EXPECT_TRUE(QFile::exists(files() + "/renamed.txt"));
    EXPECT_FALSE(QFile::exists(files() + "/renamed.srt"));
    EXPECT_EQ(t->files.CurFileName, files() + "/renamed.txt");
    EXPECT_EQ(t->files.CurFileIndex, 13) << "TMPlayer, the format of \".txt\"";
    EXPECT_EQ(t->fileChooser().lblFullName.caption(), files() + "/renamed.txt");
}

TEST_F(Save, TheMediaNameOptionWritesBesideTheMediaFile) {
    t.loadDataFile("movie.srt", SubRip(2));
    const QString video = t.writeFile("Data/Video/film.avi", "RIFF");
    t->players.OpenMedia(video);
    t.answer<frmFile>([](frmFile& f) {
        f.List3.setListIndex(10);
        f.Check1.setValue(platform::CheckBox::Checked);
        f.cmdActionClick(frmFile::Ok);
        f.Check1.setValue(platform::CheckBox::Unchecked);
    });
    EXPECT_TRUE(t->fileCommands.MenuSaveSubFile());
    EXPECT_TRUE(QFile::exists(t.folder() + "/Data/Video/film.ssa"));
    EXPECT_EQ(readBytes(video), "RIFF") << "the media file itself is never written";
}

TEST_F(Save, ASaveThatWasNotWrittenLeavesTheDocumentUnsaved) {
    t.loadDataFile("keep.srt", SubRip(2));
    t->doc.FileChanged = true;
    // A folder that does not exist: the writer reports it.
    typeName("missing/where.srt", 9);
    t.reply(frmMessageBox::Ok);
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile());
    EXPECT_TRUE(t->doc.FileChanged);
    EXPECT_EQ(t->files.CurFileName, files() + "/keep.srt");
    EXPECT_EQ(t->fileChooser().lblFullName.caption(), files() + "/keep.srt");

    // An existing file the user does not want replaced.
    t.writeDataFile("other.sub", "old");
    typeName("other.sub", 3);
    t.reply(frmMessageBox::No);
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile());
    EXPECT_EQ(readBytes(files() + "/other.sub"), "old");
    EXPECT_TRUE(t->doc.FileChanged);
    EXPECT_EQ(t->files.CurFileIndex, 9);
    EXPECT_FALSE(QFile::exists(nodeFile("other.sub")));

    // A type that is not a subtitle format.
    Message said;
    typeName("settings", frmFile::TypeSettingFile);
    t.reply(frmMessageBox::Ok, &said);
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile());
    EXPECT_TRUE(said.text.contains("subtitle formats")) << said.text.toStdString();
    EXPECT_TRUE(t->doc.FileChanged);
}

TEST_F(Save, DiagnoseErrorsAreConfirmedFirst) {
    t.loadDataFile("errors.srt", SubRip(2));
    t->diag.DiagErrorCount = 3;
    Message asked;
    t.reply(frmMessageBox::No, &asked);
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile()) << "No ends the command before the chooser";
    EXPECT_EQ(asked.text, "File contains 3 errors. Do you want to save this file anyway.");
    t.reply(frmMessageBox::Yes);
    cancelChooser();
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile());
    EXPECT_NE(t->macro.MacroAction.code, 104) << "a cancelled save reports nothing";
}

TEST_F(Save, NewMakesOneEmptyLineInNonameAndAsksAboutChanges) {
    t.loadDataFile("work.srt", SubRip(5));
    t.main().partition.combo3.setListIndex(9); // SubStation Alpha
    t->diag.DiagErrorCount = 2;
    t->fileCommands.MenuNewFile(); // unchanged: no question
    EXPECT_EQ(lines(), 1);
    EXPECT_EQ(t->doc.grid().textMatrix(1, 3), "");
    EXPECT_TRUE(t->doc.grid().textMatrix(1, 0).contains("1"));
    EXPECT_EQ(t->files.CurFileName, files() + "/Noname.ssa");
    EXPECT_EQ(t->files.CurFileIndex, 10);
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_EQ(t->doc.FileNodes.Count(), 1);
    EXPECT_EQ(t->doc.lstFont.size(), 2);
    EXPECT_EQ(t.main().tabMain.tab(), frmMain::TabEditor);
    EXPECT_EQ(t->macro.MacroAction.code, 101);

    t.loadDataFile("work.srt", SubRip(5));
    t->doc.FileChanged = true;
    for (int button : {int(frmMessageBox::Cancel), -1}) { // Cancel, and closing the question
        t.answer<frmMessageBox>([button](frmMessageBox& m) {
            if (button >= 0) m.cmdActionClick(button);
        });
        t->fileCommands.MenuNewFile();
        EXPECT_EQ(lines(), 5) << "the changed document stays";
        EXPECT_EQ(t->files.CurFileName, files() + "/work.srt");
    }
    t.reply(frmMessageBox::Yes); // save first, but the save is cancelled
    cancelChooser();
    t->fileCommands.MenuNewFile();
    EXPECT_EQ(lines(), 5);

    t->doc.grid().setTextMatrix(1, 3, " Edited");
    t.reply(frmMessageBox::Yes); // save first, then the new document
    typeName("work.srt", 9);
    t.reply(frmMessageBox::Yes); // replace work.srt
    t->fileCommands.MenuNewFile();
    EXPECT_EQ(lines(), 1);
    EXPECT_TRUE(readBytes(files() + "/work.srt").contains("Edited"));

    t.loadDataFile("work.srt", SubRip(5));
    t->doc.FileChanged = true;
    t.reply(frmMessageBox::No);
    t->fileCommands.MenuNewFile();
    EXPECT_EQ(lines(), 1) << "No discards the changes";
}

TEST_F(Save, LoadOverAChangedDocumentAnsweredEachWay) {
    t.writeDataFile("next.srt", SubRip(4, "Next"));
    // Opens next.srt; `then` queues the answers to what the load asks.
    auto loadNext = [&](const std::function<void()>& then) {
        t.answer<frmFile>([&](frmFile& f) {
            f.List2.setPath(files());
            f.txtFilename.setText("next.srt");
            f.cmdActionClick(frmFile::Ok);
        });
        then();
        t->fileCommands.MenuLoadFile();
    };
    auto changedDocument = [&] {
        t->doc.FileChanged = false;
        t.loadDataFile("mine.srt", SubRip(2, "Mine"));
        t->doc.grid().setTextMatrix(1, 3, " Changed");
        t->doc.FileChanged = true;
    };

    changedDocument();
    loadNext([&] { t.reply(frmMessageBox::Cancel); });
    EXPECT_EQ(lines(), 2);

    changedDocument();
    loadNext([&] {
        t.reply(frmMessageBox::Yes);
        cancelChooser(); // the save is cancelled, so the load stops
    });
    EXPECT_EQ(lines(), 2);
    EXPECT_TRUE(t->doc.FileChanged);

    changedDocument();
    loadNext([&] {
        t.reply(frmMessageBox::Yes);
        typeName("mine.srt", 9);
        t.reply(frmMessageBox::Yes); // replace mine.srt
    });
    EXPECT_EQ(lines(), 4);
    EXPECT_TRUE(readBytes(files() + "/mine.srt").contains("Changed"));

    changedDocument();
    loadNext([&] { t.reply(frmMessageBox::No); });
    EXPECT_EQ(lines(), 4);
    EXPECT_FALSE(readBytes(files() + "/mine.srt").contains("Changed")) << "No loads without saving";

    // Another program saves over next.srt while the question is open: the
    // document holds the file as read, and a save asks about that change.
    changedDocument();
    const QByteArray theirs = SubRip(1, "Theirs");
    loadNext([&] {
        t.answer<frmMessageBox>([&](frmMessageBox& m) {
            t.writeDataFile("next.srt", theirs);
            m.cmdActionClick(frmMessageBox::No);
        });
    });
    ASSERT_EQ(lines(), 4);
    Message asked;
    typeName("next.srt", 9);
    t.reply(frmMessageBox::No, &asked);
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile());
    EXPECT_TRUE(asked.text.endsWith(" was changed on disk since Mirel read it. Overwrite it?"))
        << asked.text.toStdString();
    EXPECT_EQ(readBytes(files() + "/next.srt"), theirs);
}

} // namespace

namespace {

// The name shown is the name written: a file loaded as "LOUD.SRT" is saved
// over itself (after the overwrite question), never beside it as "LOUD.srt".
TEST_F(Save, AnUpperCaseExtensionIsSavedUnderTheSameName) {
    const QString loud = t.loadDataFile("LOUD.SRT", SubRip(2));
    EXPECT_EQ(t->files.CurFileName, loud);
    t->doc.FileChanged = true;
    typeName("LOUD.SRT", 9);
    Message asked;
    t.reply(frmMessageBox::Yes, &asked);
    EXPECT_TRUE(t->fileCommands.MenuSaveSubFile());
    EXPECT_TRUE(asked.text.contains("LOUD.SRT")) << asked.text.toStdString();
    EXPECT_FALSE(QFile::exists(files() + "/LOUD.srt"));
    EXPECT_EQ(t->files.CurFileName, loud);
    EXPECT_TRUE(readBytes(loud).contains("Line 2"));
}

// A line that itself starts below zero is named in Save's question; the
// partition's own question is for times that only its parts make negative.
TEST_F(Save, TheQuestionAboutANegativeTimeNamesTheLine) {
    t.loadDataFile("early.srt", SubRip(3));
    t->doc.grid().setTextMatrix(2, 1, "-1:59:55,000");
    t->doc.FileChanged = true;
    typeName("early_out.srt", 9);
    Message asked;
    t.reply(frmMessageBox::No, &asked);
    EXPECT_FALSE(t->fileCommands.MenuSaveSubFile());
    EXPECT_EQ(asked.text, "Error creating " + files() +
                              "/early_out.srt. Line 2 starts at -00:00:05,000, before "
                              "00:00:00,000.\r\nContinue?");
    EXPECT_FALSE(QFile::exists(files() + "/early_out.srt")) << "No writes nothing";
}

// Another program saves over the file while one of the save's questions is
// open: the save looks again before it writes and asks about that change;
// No keeps the other program's file and the document unsaved.
TEST_F(Save, AFileSavedOverWhileASaveAsksIsAskedAboutAgain) {
    const struct {
        const char* while_; // the question open while the other program saves
        bool changedBefore, negative;
        int last; // the answer to "changed on disk" that follows
    } rows[] = {{"File exists", false, false, frmMessageBox::No},
                {"File exists", false, false, frmMessageBox::Yes},
                {"Negative time", false, true, frmMessageBox::No},
                {"Changed on disk", true, false, frmMessageBox::No}};
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.while_) + (r.last == frmMessageBox::Yes ? ", Yes" : ", No"));
        t->doc.FileChanged = false; // the row before may have kept its edit unsaved
        const QString file = t.loadDataFile("own.srt", SubRip(3));
        if (r.negative) t->doc.grid().setTextMatrix(2, 1, "-1:59:55,000");
        t->doc.FileChanged = true;
        if (r.changedBefore) t.writeDataFile("own.srt", SubRip(1, "Before"));
        const QByteArray theirs = SubRip(2, "Theirs");
        typeName("own.srt", 9);
        if (r.negative) t.reply(frmMessageBox::Yes); // "File exists"
        t.answer<frmMessageBox>([&](frmMessageBox& m) {
            t.writeDataFile("own.srt", theirs);
            m.cmdActionClick(frmMessageBox::Yes);
        });
        Message asked;
        t.reply(r.last, &asked);
        const bool saved = t->fileCommands.MenuSaveSubFile();
        EXPECT_TRUE(asked.text.endsWith(" was changed on disk since Mirel read it. Overwrite it?"))
            << asked.text.toStdString();
        const bool yes = r.last == frmMessageBox::Yes;
        EXPECT_EQ(saved, yes);
        EXPECT_EQ(readBytes(file) == theirs, !yes);
        EXPECT_EQ(t->doc.FileChanged, !yes);
    }
}

} // namespace
