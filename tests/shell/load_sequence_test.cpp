// The main window's load: on an empty program folder every table and list is
// filled and nothing is written; on a folder with every state file each file
// comes back where it belongs. The loaded window is saved as
// frmMain_loaded.png in the build folder for a look.

#include "ShellFixture.h"
#include "runtime/Numbers.h"
#include "shell/frmSettings.h"
#include "support/ListItems.h"
#include "support/SilentServer.h"

#include <QApplication>
#include <QDirIterator>
#include <QPixmap>
#include <QWidget>

namespace {

int FileCount(const QString& folder) {
    int n = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

TEST(Load, OnAnEmptyProgramFolderFillsEveryTableAndList) {
    ProgramFolder folder(false);
    ProgramOn p(folder.path());
    frmMain& m = p.main();
    m.load();
    const ShellState& s = p->shell;
    EXPECT_EQ(m.caption(), "Brinlow - Mirel 4.0");
    EXPECT_EQ(s.HelpPageTable[0], "main_wel.htm");
    EXPECT_EQ(s.HelpPageTable[19], "main_set.htm");
    EXPECT_EQ(s.HelpPageTable[29], "file_sset.htm");
    EXPECT_EQ(s.HelpPageTable[30], "");
    EXPECT_EQ(s.FormatFilter[10], "SubRip (*.srt)|*.srt");
    EXPECT_EQ(s.FormatFilter[22], "Calculator Tablet Files (*.sac)|*.sac");
    EXPECT_EQ(s.FormatFilter[23], "All files (*.*)|*");
    EXPECT_EQ(s.FormatFilter[24], "");
    EXPECT_EQ(s.FormatName[7], "SAMI");
    EXPECT_EQ(s.ColumnCaptions[5], "Text #3");
    EXPECT_EQ(s.FrameRateText, "25.000");
    EXPECT_EQ(s.CurFontName, "Arial");
    EXPECT_EQ(p->calc.CalcInvokeTarget, -1);

    const QStringList rates = {"23.970", "24.000", "25.000", "29.970", "30.000"};
    EXPECT_EQ(itemsOf(m.frameRate.Combo14[0]), rates);
    EXPECT_EQ(itemsOf(m.frameRate.Combo14[1]), rates);
    EXPECT_EQ(itemsOf(m.shift.Combo2), QStringList({"Beginning", "End"}));
    EXPECT_EQ(m.shift.Combo2.listIndex(), 0);
    EXPECT_EQ(m.partition.combo3.listCount(), 16);
    EXPECT_EQ(m.partition.combo3.list(9), "Substation Alpha");
    EXPECT_EQ(m.online.Combo7.listCount(), 17);
    EXPECT_EQ(m.online.Combo7.text(), "All Formats");
    EXPECT_EQ(m.online.Combo7.list(10), "Substation Alpha");
    EXPECT_EQ(m.online.Combo8[0].listCount(), 36);
    EXPECT_EQ(m.online.Combo8[0].text(), "All Languages");
    EXPECT_EQ(m.online.Combo8[1].listCount(), 35);
    EXPECT_EQ(m.online.Combo8[1].text(), "English");
    EXPECT_EQ(
        itemsOf(m.calculator.cmbCalcAdvFuncSelect),
        QStringList({"Function (+,-,*,/,..)", "Timecode (hh:mm:ss,000)", "Value (0,000 - E..)",
                     "Text (a,A,..,z,Z)", "Convert [Timecode>frames]"}));
    EXPECT_EQ(itemsOf(m.editor.font.Combo9[1]),
              QStringList({"Regular", "Bold", "Italic", "Bold Italic"}));
    EXPECT_EQ(m.editor.font.Combo9[0].listCount(), p->host.screen.fontCount());
    EXPECT_TRUE(m.Combo13.listCount() == 0 && m.search.List4.listCount() == 0);
    EXPECT_EQ(FileCount(folder.path()), 0) << "a load writes nothing";
}

TEST(Load, HeadsTheGridsAndOpensEveryPicker) {
    ProgramFolder folder(false);
    ProgramOn p(folder.path());
    frmMain& m = p.main();
    m.load();
    platform::Grid& calc = m.calculator.Calc;
    EXPECT_EQ(calc.rows(), 51);
    EXPECT_EQ(calc.cols(), 27);
    EXPECT_EQ(calc.textMatrix(0, 1), "A");
    EXPECT_EQ(calc.textMatrix(0, 26), "Z");
    EXPECT_EQ(calc.textMatrix(50, 0), "50");
    EXPECT_EQ(calc.colWidth(0), 435);
    EXPECT_EQ(calc.colWidth(26), 1320);

    platform::Grid& doc = m.editor.grdSubEdit;
    const QStringList heads = {"#", "Start", "End", "Text #1", "Text #2", "Text #3"};
    // The three text columns share what the number and time columns leave.
    const int text = (m.editor.grdSubEdit.width() - 1080 - 2 * 1560 - 300) / 3;
    const int widths[] = {1080, 1560, 1560, text, text, text};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(doc.textMatrix(0, c), heads[c]);
        EXPECT_EQ(doc.colWidth(c), widths[c]);
    }
    EXPECT_EQ(m.partition.grid.textMatrix(0, 1), "Filename");
    EXPECT_EQ(m.partition.grid.colWidth(1), m.partition.grid.width() - 1200 - 654);
    platform::Grid& ftp = m.onlineLists.FTPList;
    EXPECT_EQ(ftp.textMatrix(0, 1), "Original Name");
    EXPECT_EQ(ftp.textMatrix(0, 5), "Editor");
    EXPECT_EQ(ftp.colWidth(1), 3774);

    const std::pair<platform::Label*, platform::Control*> pickers[] = {
        {&m.calculator.Label16, &m.calculator.cmbCalcAdvFuncSelect},
        {&m.editor.font.Label20, &m.editor.font.Combo9[0]},
        {&m.editor.font.Label44, &m.editor.font.Combo9[1]},
        {&m.frameRate.Label29, &m.frameRate.Combo14[0]},
        {&m.frameRate.Label45, &m.frameRate.Combo14[1]},
        {&m.partition.Label31, &m.partition.combo3},
        {&m.onlineLists.Label53, &m.online.Combo7},
        {&m.onlineLists.Label58, &m.online.Combo8[0]},
        {&m.onlineLists.Label60, &m.online.Combo8[1]},
        {&m.macroPickers.Label54, &m.macroPickers.Combo5}};
    for (auto [label, list] : pickers) {
        EXPECT_EQ(label->caption(), "<<") << label->name().toStdString();
        EXPECT_TRUE(list->visible()) << list->name().toStdString();
    }
    EXPECT_FALSE(m.search.List4.visible()) << "the search history stays closed";
    // Listing the first command group toggles the group picker open, and the
    // load's own toggle closes it again.
    EXPECT_EQ(m.macroPickers.Label56.caption(), ">>");
    EXPECT_FALSE(m.macroPickers.Combo6.visible());
    EXPECT_EQ(m.macroEditor.Label55.caption(), "View");
    // Choosing the first direction toggles the direction picker open, and the
    // load's own toggle closes it again.
    EXPECT_EQ(m.shift.Label37.caption(), ">>");
    EXPECT_FALSE(m.shift.Combo2.visible());
    m.editor.font.Label20.onClick();
    EXPECT_FALSE(m.editor.font.Combo9[0].visible()) << "a second click closes it again";
    EXPECT_EQ(m.editor.font.Label20.caption(), ">>");

    EXPECT_EQ(m.tabMain.tab(), frmMain::TabEditor);
    EXPECT_EQ(m.editor.SSTab3.tab(), 0);
    EXPECT_EQ(m.online.SSTab5.tab(), 0);
    EXPECT_EQ(m.macros.SSTab4.width(), m.online.SSTab5.width());
    EXPECT_EQ(m.SSTab1.top() + m.SSTab1.height(), m.tabClipboard.top() + m.tabClipboard.height());
}

// Every state file an earlier run leaves, and the files they name.
struct EveryStateFile {
    SilentServer server; // the online requests wait on it for the whole test
    ProgramFolder folder;
    QString last, other, media;
    EveryStateFile() {
        last = folder.write("Data/Files/last.srt", SubRip(4));
        other = folder.write("Data/Files/other.srt", SubRip(2));
        media = folder.write("Data/Files/film.mp3", "ID3");
        QStringList settings = {" 1", " 1", " 1", " 1",          " 0",  " 1", " 0", " 1",
                                " 1", " 1", " 0", " 3",          " 0",  " 1", " 1", " 0",
                                " 1", " 0", " 1", "Deutsch.lng", " 1 ", " 1 "};
        folder.write("System/Settings/set.sdf", crlf(settings));
        folder.write("System/recent.sdf",
                     crlf({other, folder.file("Data/Files/gone.srt"), last, other}));
        folder.write("System/last.sdf", crlf({last, media}));
        folder.write("System/pos.sdf", crlf({" 300 ", " 450 ", " 15000 ", " 9600 "}));
        folder.write("System/sr.sdf", crlf({"colour>color", "", "night"}));
        folder.write("System/i.set", crlf({"http://help.example.invalid", server.address()}));
        folder.write("System/sublist.sdf",
                     crlf({"1-1-2024, 10:00", "Film;film_en;subrip;English;Ann;",
                           "Film;film_de;microdvd;German;Bob;"}));
        QStringList wizard;
        for (int i = 0; i < 100; ++i)
            wizard << (i == 3 ? " 1 " : " 0 ") << (i == 3 ? "Cleans the text" : "");
        folder.write("System/wizard.sdf", crlf(wizard));
        QStringList store(20000);
        store[200] = "Clean";
        store[201] = "Run.Filters";
        folder.write("System/Macro.sdf", crlf(store));
        QStringList tablet(1301, "@");
        tablet[0] = "4.00:=Budget";
        tablet[2] = "@tc_00:01:30,500";       // B1
        tablet[3] = "=B1+B1@tc_00:00:00,000"; // C1, as worked out by an older run
        tabletBytes = crlf(tablet);
        folder.write("Data/Calculator/default.sac", tabletBytes);
    }
    QByteArray tabletBytes;
};

TEST(Load, BringsBackEveryStateFile) {
    EveryStateFile state;
    ProgramOn p(state.folder.path());
    frmMain& m = p.main();
    m.load();
    frmSettings& s = p->settings();
    const int check7[] = {1, 1, 1, 1, 0, 1, 0, 1, 1, 1, 0};
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(s.Check7[i].value(), check7[i]) << i;
    EXPECT_EQ(s.Combo2.listIndex(), 3);
    EXPECT_TRUE(m.calculator.optFrameRate[3].value());
    EXPECT_EQ(m.frameRate.Combo14[0].listIndex(), 3);
    EXPECT_EQ(m.frameRate.Combo14[1].listIndex(), 0);
    EXPECT_EQ(m.calculator.Check1.value(), 1);
    EXPECT_EQ(m.calculator.Check2.value(), 0);
    EXPECT_EQ(p->shell.LanguageFile, "Deutsch.lng");
    EXPECT_EQ(s.Check3.value(), 1);
    EXPECT_EQ(s.Check4.value(), 1);

    EXPECT_EQ(itemsOf(m.Combo13), QStringList({state.other, state.last}))
        << "the file that is gone is left out, the repeated one listed once";
    EXPECT_EQ(m.TV1.childKeys("recent"), QStringList({"lf_" + state.other, "lf_" + state.last}));

    EXPECT_EQ(p->files.CurFileName, state.last) << "Load last file(s) is ticked";
    EXPECT_EQ(p->doc.lineCount(), 4);
    EXPECT_TRUE(m.editor.rtfEdit.enabled());
    EXPECT_EQ(p->players.mediaFileName(), state.media);
    EXPECT_TRUE(m.player.Combo1.enabled());

    EXPECT_EQ(itemsOf(m.search.List4), QStringList({"colour>color", "night"}));
    EXPECT_EQ(m.left(), 300);
    EXPECT_EQ(m.top(), 450);
    EXPECT_EQ(m.width(), 15000);
    EXPECT_EQ(m.height(), 9600);

    EXPECT_EQ(p->online.OnlineUrl, "http://help.example.invalid");
    EXPECT_EQ(p->online.FtpAddress, state.server.address());
    const std::vector<Online::Request> requests = p->online.Requests();
    ASSERT_EQ(requests.size(), 3u) << "updates, download list, news, one after the other";
    EXPECT_EQ(requests[0].kind, 8);
    EXPECT_EQ(requests[0].operation, "GET version.sdf " + state.folder.path() + "/version.sdf");
    EXPECT_EQ(requests[1].kind, 1);
    EXPECT_EQ(requests[2].kind, 7);
    EXPECT_EQ(p->online.InetRequest, 8) << "the kind of the request running";
    // The last file's load chose its format in the download filter.
    EXPECT_EQ(m.onlineLists.Label57.caption(), "SubRip");
    EXPECT_EQ(m.onlineLists.FTPList.rows(), 2);
    EXPECT_EQ(m.onlineLists.FTPList.textMatrix(1, 2), " film_en");
    EXPECT_EQ(m.onlineLists.FTPList.textMatrix(1, 0), "1");

    EXPECT_EQ(p->macroLibrary.MacroStore[1][0], "Clean");
    EXPECT_EQ(p->macroLibrary.MacroStore[1][1], "Run.Filters");
    EXPECT_EQ(p->macroLibrary.WizardFlags[3], 1);
    EXPECT_EQ(p->macroLibrary.WizardTexts[3], "Cleans the text");
    EXPECT_EQ(p->tablets.CurTabletName, "Budget");
    EXPECT_EQ(m.calculator.Calc.textMatrix(1, 2), "00:01:30,500");
    EXPECT_EQ(m.calculator.Calc.textMatrix(1, 3), "00:03:01,000");
    EXPECT_EQ(readBytes(state.folder.file("Data/Calculator/default.sac")), state.tabletBytes)
        << "a start writes no store nobody changed";
    EXPECT_EQ(p->tablets.TabletNames, QStringList{"Budget"});
    EXPECT_EQ(p->sysVars.sysVar[0], state.server.address());
    EXPECT_EQ(p->sysVars.sysVar[22], "400");
}

TEST(Load, AFileOnTheCommandLineWinsOverTheLastFile) {
    EveryStateFile state;
    ProgramOn p(state.folder.path());
    p->shell.CommandLine = state.other;
    p.main().load();
    EXPECT_EQ(p->settings().Check7[1].value(), 1);
    EXPECT_EQ(p->files.CurFileName, state.other);
    EXPECT_EQ(p->doc.lineCount(), 2);
    EXPECT_TRUE(p->players.mediaFileName().isEmpty());
}

TEST(Load, ALastFileThatIsGoneOpensNothing) {
    EveryStateFile state;
    QFile::remove(state.last);
    ProgramOn p(state.folder.path());
    p.main().load();
    EXPECT_TRUE(p->files.CurFileName.isEmpty());
    EXPECT_EQ(p->players.mediaFileName(), state.media) << "the media file still opens";
}

// The last media opens only as a regular file that exists: not a folder.
TEST(Load, TheLastMediaOpensOnlyWhenItIsAFile) {
    for (const char* media : {"/", "Data/Files", "Data/Files/gone.mp3"}) {
        EveryStateFile state;
        const QString named = *media == '/' ? media : state.folder.file(media);
        state.folder.write("System/last.sdf", crlf({state.last, named}));
        ProgramOn p(state.folder.path());
        p.main().load();
        EXPECT_EQ(p->files.CurFileName, state.last) << media;
        EXPECT_TRUE(p->players.mediaFileName().isEmpty()) << media;
    }
}

TEST(Load, Screenshot) {
    ProgramFolder folder;
    const QString file =
        folder.write("Data/Files/sample.srt",
                     readBytes(QStringLiteral(MIREL_SAMPLES_DIR) + "/subrip/subsrt_sample.srt"));
    ProgramOn p(folder.path());
    p->shell.CommandLine = file;
    frmMain& m = p.main();
    m.show();
    ASSERT_TRUE(p->loader.LoadOk);
    QApplication::processEvents();
    const QPixmap shot = m.window()->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save("frmMain_loaded.png"));
    m.hide();
}

} // namespace
