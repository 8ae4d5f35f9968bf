// The file chooser: its state after loading, the accordion of panes, the
// type filter, folders selected or opened, the answer it builds for Ok and
// Cancel; shown by File > Open and File > Save as the user meets it: files
// written since it was last shown are listed, and its name box only offers a
// file of the folder and type listed. Screenshots (frmFile.png and
// frmFile_folders.png in the build folder).

#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "support/FileBytes.h"
#include "support/ListItems.h"
#include "support/Printing.h"
#include "support/TestProgram.h"
#include "tools/window_steps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
    f(); // the chooser exists before the files are written
    for (const char* n : {"one.SRT", "two.srt", "three.Smi", "four.sami", "five.ssa", "six.txt"})
        t.writeFile(QString("Data/Files/") + n, "");
    std::vector<QStringList> seen;
    t.answer<frmFile>([&](frmFile& c) {
        seen.push_back(listed()); // every supported file
        for (int type : {9, 7, int(frmFile::TypeMacro)}) {
            c.List3.setListIndex(type);
            seen.push_back(listed());
        }
        c.cmdActionClick(frmFile::Cancel);
    });
    t.main().mnuLoadFile.click();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].size(), 6);
    EXPECT_EQ(seen[1], QStringList({"one.SRT", "two.srt"}));
    EXPECT_EQ(seen[2], QStringList({"four.sami", "three.Smi"}));
    EXPECT_TRUE(seen[3].isEmpty());
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
    t.main().show();
    f(); // shown before: the files come after
    for (const char* n : {"Movie one.srt", "movie two.SRT", "talk.smi", "Episode 3.ssa"})
        t.writeFile(QString("Data/Files/") + n, "");
    t.answer<frmFile>([](frmFile& c) {
        c.File1.setListIndex(0);
        QCoreApplication::processEvents();
        const QPixmap shot = c.window()->grab();
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(QCoreApplication::applicationDirPath() + "/frmFile.png"));
        c.PaneHeaderClick(c.Label2);
        QCoreApplication::processEvents();
        EXPECT_TRUE(c.window()->grab().save(QCoreApplication::applicationDirPath() +
                                            "/frmFile_folders.png"));
        c.cmdActionClick(frmFile::Cancel);
    });
    t.main().mnuLoadFile.click();
    t.main().hide();
}

// What File > Open lists each time it shows the chooser.
QStringList ListedByFileOpen(TestProgram& t) {
    QStringList seen;
    t.answer<frmFile>([&seen](frmFile& c) {
        seen = itemsOf(c.File1);
        c.cmdActionClick(frmFile::Cancel);
    });
    t.main().mnuLoadFile.click();
    return seen;
}

TEST_F(Chooser, ListsTheFilesWrittenSinceItWasLastShown) {
    t.loadDataFile("first.srt", SubRip(2));
    EXPECT_EQ(ListedByFileOpen(t), QStringList({"first.srt"}));
    t.writeDataFile("copied in.srt", SubRip(1)); // written by another program meanwhile
    EXPECT_EQ(ListedByFileOpen(t), QStringList({"copied in.srt", "first.srt"}));

    t.answer<frmFile>([](frmFile& c) { // File > Save under a new name
        c.List3.setListIndex(9);
        c.txtFilename.setText("second.srt");
        c.cmdActionClick(frmFile::Ok);
    });
    t.main().mnuSavesubfile.click();
    ASSERT_EQ(t->files.CurFileName, files() + "/second.srt");
    EXPECT_EQ(ListedByFileOpen(t), QStringList({"copied in.srt", "first.srt", "second.srt"}));

    QFile::remove(files() + "/first.srt");
    EXPECT_EQ(ListedByFileOpen(t), QStringList({"copied in.srt", "second.srt"}))
        << "a file gone is no longer offered";
}

// The name box holds a file the list shows, or nothing: a folder without such
// files, or a type that lists none, leaves nothing to open.
TEST_F(Chooser, TheNameBoxOffersOnlyAFileOfTheListedFolderAndType) {
    t.writeDataFile("a.srt", SubRip(1));
    t.writeDataFile("Empty/.keep", "");
    t.writeDataFile("Other/c.srt", SubRip(3));
    t.writeDataFile("Other/d.sub", "{1}{25}Line");
    struct Seen {
        QString name;
        bool ok;
    };
    std::vector<Seen> seen;
    auto look = [&](frmFile& c) {
        seen.push_back({c.txtFilename.text(), c.cmdAction[1].enabled()});
    };
    auto pickFolder = [&](frmFile& c, const QString& name) {
        const int i =
            int(QStringList({c.List2.list(0), c.List2.list(1)}).indexOf(files() + "/" + name));
        ASSERT_GE(i, 0) << name.toStdString();
        c.List2.setListIndex(i); // the user clicks the folder
    };
    t.answer<frmFile>([&](frmFile& c) {
        look(c); // Data/Files: its file
        pickFolder(c, "Empty");
        look(c);
        pickFolder(c, "Other");
        look(c);
        c.List3.setListIndex(9); // SubRip: the file stays
        look(c);
        c.List3.setListIndex(frmFile::TypeMacro); // nothing of that type here
        look(c);
        c.List3.setListIndex(3); // MicroDVD (*.sub)
        look(c);
        c.cmdActionClick(frmFile::Ok);
    });
    t.main().mnuLoadFile.click();
    ASSERT_EQ(seen.size(), 6u);
    const std::vector<std::pair<QString, bool>> wanted = {{"a.srt", true}, {"", false},
                                                          {"c.srt", true}, {"c.srt", true},
                                                          {"", false},     {"d.sub", true}};
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        EXPECT_EQ(seen[i].name, wanted[i].first) << "step " << i;
        EXPECT_EQ(seen[i].ok, wanted[i].second) << "step " << i;
    }
    EXPECT_EQ(t->files.CurFileName, files() + "/Other/d.sub");
}

// Saving, the user types a new name, then looks into another folder: the name
// stays, so Ok writes the new file there and overwrites none of its files.
TEST_F(Chooser, ATypedSaveNameStaysWhenTheFolderChanges) {
    t.loadDataFile("mine.srt", SubRip(2));
    t.writeDataFile("Other/theirs.srt", SubRip(3));
    const QByteArray theirs = readBytes(files() + "/Other/theirs.srt");
    QString shown;
    t.answer<frmFile>([&](frmFile& c) {
        c.List3.setListIndex(9);
        c.txtFilename.setText("fresh.srt");
        const int i =
            int(QStringList({c.List2.list(0), c.List2.list(1)}).indexOf(files() + "/Other"));
        ASSERT_GE(i, 0);
        c.List2.setListIndex(i); // the user clicks the folder
        shown = c.txtFilename.text();
        c.cmdActionClick(frmFile::Ok);
    });
    t.main().mnuSavesubfile.click();
    EXPECT_EQ(shown, "fresh.srt");
    EXPECT_EQ(t->files.CurFileName, files() + "/Other/fresh.srt");
    EXPECT_EQ(readBytes(files() + "/Other/theirs.srt"), theirs) << "their file untouched";
}

// The type picked gives the name box its extension; a name typed after the pick decides the type
// (one shared by several waits for a pick, an unknown one keeps it); one the type would change is
// shown at the first Ok, written at the next. The type last saved in is proposed for the next save.
TEST_F(Chooser, TheSaveNameShowsTheExtensionOfTheTypePicked) {
    const auto placed = [&](QString n) { return n.replace('@', files()); }; // a full path
    const struct {
        const char* opens; // the name shown as the chooser opens; none: not looked at
        const char* typed; // typed before the type is picked; none keeps the name
        int type;
        const char* shown;
        const char *after = nullptr, *written = nullptr; // typed after the pick; if not shown
        int then = -1, oks = 1, format = -1; // a pick after `after`; Ok presses; type written
    } cases[] = {
        {"src.srt", nullptr, 3, "src.sub"},
        {"src.sub", "out.txt", 10, "out.ssa"},
        {"src.ssa", "film.sub", 7, "film.smi"},
        {"src.smi", "keep.sami", 7, "keep.sami"},
        {"src.smi", "plain", 9, "plain.srt"},
        {"src.srt", "@/abs.srt", 1, "@/abs.sub"},
        {"src.sub", "@/again.srt", 1, "@/again.sub"},
        {"src.sub", nullptr, 9, "src.srt", "@/late.ssa", "@/late.ssa", -1, 1, 10},
        {nullptr, nullptr, 9, nullptr, "later.sub", "", -1, 3, 9}, // Ok waits for the pick
        {nullptr, nullptr, 9, nullptr, "later.sub", "later.sub", 3, 1, 3},
        {nullptr, nullptr, 3, nullptr, "mine.sub", "mine.sub", -1, 1, 3},
        {nullptr, nullptr, 9, nullptr, "again.txt", "again.txt", -1, 1, 13},
        {nullptr, nullptr, 9, nullptr, "again.txt", "again.srt", 9, 1, 9},
        {nullptr, nullptr, 6, nullptr, "rt.srt", "rt.srt", -1, 1, 9},
        {nullptr, nullptr, 9, nullptr, "x.rtf", "x.rtf", -1, 1, 9}, // ".rt" on the way
        {nullptr, nullptr, 9, nullptr, "bare", "bare.srt", -1, 2, 9},
    };
    for (const auto& c : cases) {
        t.loadDataFile("src.srt", SubRip(2));
        QString opens, shown, box, status;
        int oks = 0, type = -1;
        t.answer<frmFile>([&](frmFile& f) {
            opens = f.txtFilename.text();
            if (c.typed) window_steps::type(f.txtFilename, placed(c.typed));
            f.List3.setListIndex(c.type); // the user picks the type in its pane
            shown = f.txtFilename.text();
            if (c.after) window_steps::type(f.txtFilename, placed(c.after));
            if (c.then >= 0) f.List3.setListIndex(c.then);
            for (; f.visible() && oks < 3; ++oks) { // Ok until the window closes
                box = f.txtFilename.text();
                type = f.List3.listIndex();
                window_steps::click(f.cmdAction[frmFile::Ok]);
            }
            status = f.List3.visible() ? f.lblErr.caption() : QString();
        });
        t.main().mnuSavesubfile.click();
        const QString written = placed(c.written ? c.written : c.shown);
        EXPECT_EQ(opens, c.opens ? c.opens : opens);
        EXPECT_EQ(shown, c.shown ? placed(c.shown) : shown);
        EXPECT_EQ(oks, c.oks) << c.after;
        EXPECT_EQ(type, c.format >= 0 ? c.format : type) << c.after;
        if (written.isEmpty()) {
            EXPECT_EQ(status, "\".sub\" is the extension of DVD Subtitle, MicroDVD, Sonic DVD, "
                              "SubViewer 1.0 and SubViewer 2.0: pick the type to write.");
            EXPECT_EQ(t->files.CurFileName, files() + "/src.srt");
            continue;
        }
        EXPECT_EQ(box, written);
        EXPECT_EQ(t->files.CurFileName, QDir(files()).filePath(box));
        EXPECT_EQ(t->files.CurFileIndex, type);
        EXPECT_TRUE(QFile::exists(t->files.CurFileName)) << written.toStdString();
    }
}

// Emptied, the name box leaves Ok doing nothing, and the status line says
// why; a full path typed (Return for Ok) is written there, not below the
// folder listed.
TEST_F(Chooser, OkSaysWhyItNeedsANameAndTakesAFullPathAsItStands) {
    t.loadDataFile("src.srt", SubRip(2));
    QTemporaryDir elsewhere;
    const QString full = elsewhere.path() + "/out.srt";
    QString status, named;
    bool stayed = false;
    t.answer<frmFile>([&](frmFile& f) {
        f.List3.setListIndex(9);
        window_steps::type(f.txtFilename, "x");
        QTest::keyClick(f.txtFilename.widget(), Qt::Key_Backspace);
        ASSERT_EQ(f.txtFilename.text(), "");
        window_steps::click(f.cmdAction[frmFile::Ok]);
        status = f.lblErr.caption();
        stayed = f.visible();
        window_steps::type(f.txtFilename, full);
        named = f.lblErr.caption();
        QTest::keyClick(f.txtFilename.widget(), Qt::Key_Return); // Return in the name is Ok
    });
    t.main().mnuSavesubfile.click();
    EXPECT_EQ(status, "Type a file name or choose one in the list.");
    EXPECT_TRUE(stayed);
    EXPECT_EQ(named, "Ready");
    EXPECT_EQ(t->files.CurFileName, full);
    EXPECT_TRUE(QFile::exists(full));
    EXPECT_FALSE(QDir(files()).exists(elsewhere.path().mid(1)));
}

// Loading, the name box takes no typing and looks so; saving, it takes the
// name typed.
TEST_F(Chooser, TheNameBoxLooksAsItTakesTyping) {
    t.loadDataFile("src.srt", SubRip(2));
    const struct {
        platform::Menu* command;
        bool typed;
        platform::Color back;
    } cases[] = {{&t.main().mnuLoadFile, false, platform::SysButtonFace},
                 {&t.main().mnuSavesubfile, true, platform::SysWindowBackground},
                 {&t.main().mnuLoadFile, false, platform::SysButtonFace}};
    for (const auto& c : cases) {
        platform::Color back = 0;
        QString after;
        t.answer<frmFile>([&](frmFile& f) {
            back = f.txtFilename.backColor();
            window_steps::type(f.txtFilename, "typed.srt");
            after = f.txtFilename.text();
            f.cmdActionClick(frmFile::Cancel);
        });
        c.command->click();
        EXPECT_EQ(back, c.back) << c.typed;
        EXPECT_EQ(after == "typed.srt", c.typed) << after.toStdString();
    }
}

// File > Open's chooser, File > Preview and a message open over the main
// window, wherever it is.
TEST_F(Chooser, TheChooserThePreviewAndAMessageOpenOverTheMainWindow) {
    t.loadDataFile("show.srt", SubRip(3));
    frmMain& m = t.main();
    m.show();
    m.move(0, 0, m.width(), m.height()); // away from the screen's middle
    ASSERT_GT(std::abs(m.top() + m.height() / 2 - t->host.screen.height() / 2), 600);
    const std::pair<const char*, std::function<void()>> opens[] = {
        {"File > Open", [&m] { m.mnuLoadFile.click(); }},
        {"File > Preview", [&m] { m.mnuPreview.click(); }},
        {"a message", [this] { t->messages.ShowMessage("Done", KindInformation, "ok", "Info"); }}};
    for (const auto& [what, open] : opens) {
        QPoint centre;
        t.answer<platform::Form>([&centre](platform::Form& w) {
            centre = {w.left() + w.width() / 2, w.top() + w.height() / 2};
            w.requestClose();
        });
        open();
        EXPECT_NEAR(centre.x(), m.left() + m.width() / 2, 30) << what;
        EXPECT_NEAR(centre.y(), m.top() + m.height() / 2, 30) << what;
    }
    m.hide();
}

} // namespace
