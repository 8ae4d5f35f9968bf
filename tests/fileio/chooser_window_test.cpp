// The file chooser on its own: its state after loading, the accordion of
// panes, the type filter, folders selected or opened, the answer it builds
// for Ok and Cancel, and a screenshot (frmFile.png in the build folder).

#include "fileio/frmFile.h"
#include "support/ListItems.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace {

struct Chooser : ::testing::Test {
    TestProgram t;
    frmFile& f() { return t->fileChooser(); }
    QString files() { return QDir::cleanPath(t.folder() + "/Data/Files"); }
    QStringList paneStates() {
        return {f().Label31.caption() + (f().List1.visible() ? "+" : "-"),
                f().Label2.caption() + (f().List2.visible() ? "+" : "-"),
                f().Label6.caption() + (f().List3.visible() ? "+" : "-")};
    }
    QStringList listed() { return itemsOf(f().File1); }
};

TEST_F(Chooser, LoadsOnTheProgramsSubtitleFolderWithEveryPaneClosed) {
    t.writeDataFile("a.srt", "");
    frmFile& c = f();
    EXPECT_EQ(c.List3.listCount(), frmFile::TypeCount);
    EXPECT_EQ(c.List3.list(9), "SubRip (*.srt)");
    EXPECT_EQ(c.List3.list(21), "Calculator Tablet Files (*.sac)");
    EXPECT_EQ(c.List3.listIndex(), 0);
    EXPECT_TRUE(c.Label5.caption().startsWith("Supported files"));
    EXPECT_EQ(c.List2.path(), files());
    EXPECT_EQ(c.File1.path(), files());
    EXPECT_EQ(c.Label1.caption(), files());
    EXPECT_EQ(paneStates(), QStringList({">>-", ">>-", ">>-"}));
    ASSERT_GE(c.List1.listIndex(), 0);
    EXPECT_EQ(c.Drive1.listIndex(), c.Drive1.indexOf(t.folder()));
    EXPECT_EQ(c.Label36.caption(), c.Drive1.drive());
    EXPECT_EQ(c.lblErr.caption(), "Ready");
}

TEST_F(Chooser, PanesOpenOneAtATime) {
    frmFile& c = f();
    c.PaneHeaderClick(c.Label31);
    EXPECT_EQ(paneStates(), QStringList({"<<+", ">>-", ">>-"}));
    c.PaneHeaderClick(c.Label2);
    EXPECT_EQ(paneStates(), QStringList({">>-", "<<+", ">>-"}));
    c.PaneHeaderClick(c.Label2);
    EXPECT_EQ(paneStates(), QStringList({">>-", ">>-", ">>-"}));

    c.List3.setListIndex(9); // a caller's preset with the pane closed opens it
    EXPECT_EQ(paneStates(), QStringList({">>-", ">>-", "<<+"}));
    c.List3.setListIndex(10); // a choice in the open pane closes it
    EXPECT_EQ(paneStates(), QStringList({">>-", ">>-", ">>-"}));
    EXPECT_EQ(c.Label5.caption(), "SubStation Alpha (*.ssa)");
}

TEST_F(Chooser, TypesFilterTheListWithoutCase) {
    for (const char* n : {"one.SRT", "two.srt", "three.Smi", "four.sami", "five.ssa", "six.txt"})
        t.writeFile(QString("Data/Files/") + n, "");
    frmFile& c = f();
    c.RefreshClick();
    EXPECT_EQ(listed().size(), 6) << "every supported file";
    c.List3.setListIndex(9);
    EXPECT_EQ(listed(), QStringList({"one.SRT", "two.srt"}));
    c.List3.setListIndex(7);
    EXPECT_EQ(listed(), QStringList({"four.sami", "three.Smi"}));
    c.List3.setListIndex(frmFile::TypeMacro);
    EXPECT_TRUE(listed().isEmpty());
}

TEST_F(Chooser, FilesFillTheNameAndOkFollowsIt) {
    t.writeFile("Data/Sub/b.srt", "");
    t.writeFile("Data/Sub/c.srt", "");
    frmFile& c = f();
    c.txtFilename.setText(QString());
    EXPECT_FALSE(c.cmdAction[frmFile::Ok].enabled());
    ASSERT_TRUE(c.ShowFolder(t.folder() + "/Data/Sub"));
    EXPECT_EQ(c.txtFilename.text(), "b.srt") << "a new listing selects its first file";
    EXPECT_TRUE(c.cmdAction[frmFile::Ok].enabled());
    c.File1.setListIndex(1);
    EXPECT_EQ(c.txtFilename.text(), "c.srt");
    c.txtFilename.setText(QString());
    EXPECT_FALSE(c.cmdAction[frmFile::Ok].enabled());

    t->messages.MsgResult = -1;
    c.show();
    c.File1.setListIndex(0);
    c.File1.onDblClick();
    EXPECT_EQ(t->messages.MsgResult, frmFile::Ok) << "a double click is Ok";
    EXPECT_FALSE(c.visible());
    EXPECT_EQ(c.lblFullName.caption(), QDir::cleanPath(t.folder() + "/Data/Sub") + "/b.srt");
}

TEST_F(Chooser, TheAnswerComesFromTheListedFolder) {
    t.writeDataFile("here.srt", "");
    t.writeDataFile("Inner/there.srt", "");
    frmFile& c = f();
    c.List2.setPath(files());
    const int inner = 0;
    ASSERT_EQ(c.List2.list(inner), files() + "/Inner");
    c.List2.setListIndex(inner); // selected, not opened
    EXPECT_EQ(c.List2.path(), files());
    EXPECT_EQ(c.File1.path(), files() + "/Inner");
    EXPECT_EQ(c.Label1.caption(), files() + "/Inner");
    EXPECT_EQ(c.txtFilename.text(), "there.srt");
    c.cmdActionClick(frmFile::Ok);
    EXPECT_EQ(c.lblFullName.caption(), files() + "/Inner/there.srt")
        << "the file the user saw, not one of the open folder";

    ASSERT_TRUE(c.ShowFolder("/"));
    c.txtFilename.setText("top.srt");
    c.cmdActionClick(frmFile::Ok);
    EXPECT_EQ(c.lblFullName.caption(), "/top.srt") << "a root takes no second slash";
}

TEST_F(Chooser, MediaOptionCancelAndAFailingDrive) {
    frmFile& c = f();
    t->players.OpenMedia("/videos/film.avi");
    c.txtFilename.setText("chosen.srt");
    c.Check1.setValue(platform::CheckBox::Checked);
    c.cmdActionClick(frmFile::Ok);
    EXPECT_EQ(c.lblFullName.caption(), "/videos/film.avi");
    c.Check1.setEnabled(false);
    c.cmdActionClick(frmFile::Ok);
    EXPECT_EQ(c.lblFullName.caption(), files() + "/chosen.srt")
        << "a withheld option is not the user's choice";

    t->macro.MacroRunning = true;
    c.cmdActionClick(frmFile::Cancel);
    EXPECT_EQ(t->messages.MsgResult, frmFile::Cancel);
    EXPECT_FALSE(t->macro.MacroRunning) << "Cancel stops a running macro";

    QTemporaryDir gone;
    c.Drive1.setRoots({"/", gone.path() + "/unplugged"});
    c.List1.clear();
    c.List1.addItem("/");
    c.List1.addItem(gone.path() + "/unplugged");
    c.List1.setListIndex(1);
    EXPECT_NE(c.lblErr.caption(), "Ready");
    EXPECT_EQ(c.Label36.caption(), gone.path() + "/unplugged");
    EXPECT_EQ(c.List2.path(), files()) << "the folder stays when the drive cannot be had";
    c.List1.setListIndex(0);
    EXPECT_EQ(c.lblErr.caption(), "Ready");
    EXPECT_EQ(c.List2.path(), "/");
    EXPECT_EQ(paneStates(), QStringList({">>-", "<<+", ">>-"})) << "the folder pane opens";
}

TEST_F(Chooser, ClosingIsACancelAndKeepsTheWindow) {
    frmFile& c = f();
    c.show();
    t->messages.MsgResult = 1;
    c.requestClose();
    EXPECT_EQ(t->messages.MsgResult, frmFile::Cancel);
    EXPECT_FALSE(c.visible());
    EXPECT_TRUE(c.isLoaded());
}

TEST_F(Chooser, Screenshot) {
    for (const char* n : {"Movie one.srt", "movie two.SRT", "talk.smi", "Episode 3.ssa"})
        t.writeFile(QString("Data/Files/") + n, "");
    frmFile& c = f();
    c.RefreshClick();
    c.lblInfo.setCaption(t->texts.TextTable(6, 0));
    c.File1.setListIndex(0);
    c.show();
    QCoreApplication::processEvents();
    const QPixmap shot = c.window()->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QCoreApplication::applicationDirPath() + "/frmFile.png"));
    c.PaneHeaderClick(c.Label2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(
        c.window()->grab().save(QCoreApplication::applicationDirPath() + "/frmFile_folders.png"));
    c.hide();
}

} // namespace
