// The tab changes as a user makes them: the help page the left pane shows,
// the code the macro recorder gets, the copy buttons' labels and the editor's
// enlarge button.

#include "support/TestProgram.h"

#include "shell/InstantHelp.h"
#include "shell/frmSettings.h"

#include <QFileInfo>

namespace {

struct MainTabs : ::testing::Test {
    TestProgram t;
    frmMain& m = t.main();
    void SetUp() override {
        m.load();
        autoHelp(true);
    }
    void autoHelp(bool on) { t->settings().Check7[6].setValue(on ? 1 : 0); }
    QString page() { return QFileInfo(t->main().brwHelp.locationURL()).fileName(); }
    int code() { return t->macro.MacroAction.code; }
    void forget() {
        t->macro.SetMacroAction(QString(), -1);
        m.brwHelp.navigate(QString());
        m.SSTab1.setTab(0);
        t->macro.SetMacroAction(QString(), -1);
    }
    platform::Label& copy(int i) { return m.clipboard.command4[i]; }
};

// Each change shows its page and reports its code, last; the copy buttons
// follow the field they copy to.
TEST_F(MainTabs, EachTabChangeShowsItsPageReportsItsCodeAndLabelsTheCopyButtons) {
    m.clipboard.AddClipboardItem("Added by player 1>00:00:01,500");
    const struct {
        const char* what;
        std::function<void()> change;
        const char* page;
        int code;
        const char* first;  // "" when the copy buttons keep their labels
        const char* second; // "" when hidden
    } rows[] = {
        {"partition", [&] { m.tabMain.setTab(frmMain::TabPartition); }, "main_par.htm", 4,
         "Copy.To.Partitionlist", ""},
        {"classic", [&] { m.calculator.tabCalculator.setTab(1); }, "calc_cla.htm", 3, "Copy.To.A",
         "Copy.To.B"},
        {"calculator", [&] { m.tabMain.setTab(frmMain::TabCalculator); }, "calc_cla.htm", 1,
         "Copy.To.A", "Copy.To.B"},
        {"advanced", [&] { m.calculator.tabCalculator.setTab(0); }, "calc_adv.htm", 2,
         "Copy.To.Spreadsheet", ""},
        {"editor", [&] { m.tabMain.setTab(frmMain::TabEditor); }, "edit_bas.htm", 5,
         "Copy.To.Duration", ""},
        {"search", [&] { m.editor.SSTab2.setTab(1); }, "edit_sr.htm", 7, "", ""},
        {"stretch", [&] { m.editor.SSTab3.setTab(1); }, "edit_str.htm", 11, "Copy.To.First",
         "Copy.To.Last"},
        {"time", [&] { m.editor.SSTab3.setTab(2); }, "edit_tim.htm", 12, "Copy.To.Start",
         "Copy.To.End"},
        {"frame rate", [&] { m.editor.SSTab3.setTab(3); }, "edit_fr.htm", 13, "", ""},
        {"shift", [&] { m.editor.SSTab3.setTab(0); }, "edit_shi.htm", 10, "Copy.To.Duration", ""},
        {"player", [&] { m.tabMain.setTab(frmMain::TabPlayer); }, "main_mp.htm", 14, "", ""},
        {"diagnose", [&] { m.tabMain.setTab(frmMain::TabDiagnose); }, "main_dia.htm", 15, "", ""},
        {"macros", [&] { m.tabMain.setTab(frmMain::TabMacros); }, "main_mac.htm", 16, "", ""},
        {"online", [&] { m.tabMain.setTab(frmMain::TabOnline); }, "online_dl.htm", 17, "", ""},
        {"upload", [&] { m.online.SSTab5.setTab(1); }, "online_ul.htm", 19, "", ""},
        {"script player", [&] { m.tabClipboard.setTab(1); }, "main_sp.htm", 21, "", ""},
        {"clipboard", [&] { m.tabClipboard.setTab(0); }, "main_cli.htm", 20, "", ""}};
    for (const auto& r : rows) {
        forget();
        const QString before0 = copy(0).caption(), before1 = copy(1).caption();
        const bool visible1 = copy(1).visible();
        r.change();
        EXPECT_EQ(m.SSTab1.tab(), 1) << r.what;
        EXPECT_EQ(page(), r.page) << r.what;
        EXPECT_EQ(code(), r.code) << r.what;
        if (!*r.first) {
            EXPECT_EQ(copy(0).caption(), before0) << r.what;
            EXPECT_EQ(copy(1).caption(), before1) << r.what;
            EXPECT_EQ(copy(1).visible(), visible1) << r.what;
            continue;
        }
        EXPECT_EQ(copy(0).caption(), r.first) << r.what;
        EXPECT_EQ(copy(1).visible(), *r.second != 0) << r.what;
        EXPECT_EQ(copy(0).width(), *r.second ? 1635 : 3330) << r.what;
        if (*r.second) {
            EXPECT_EQ(copy(1).caption(), r.second) << r.what;
        }
    }
    EXPECT_EQ(copy(0).toolTipText(), "Copy item to 'Duration'");
}

TEST_F(MainTabs, WithoutAutoHelpTheLeftPaneStaysButTheCodesAreReported) {
    autoHelp(false);
    forget();
    m.tabMain.setTab(frmMain::TabDiagnose);
    EXPECT_EQ(m.SSTab1.tab(), 0);
    EXPECT_EQ(page(), "");
    EXPECT_EQ(code(), 15);
    m.SSTab1.setTab(1);
    EXPECT_EQ(page(), "") << "no welcome page without AutoHelp";
    EXPECT_EQ(code(), 39);
    autoHelp(true);
    m.SSTab1.setTab(0);
    EXPECT_EQ(code(), 38);
    m.SSTab1.setTab(1);
    EXPECT_EQ(page(), "main_wel.htm");
    EXPECT_EQ(code(), 39);
}

TEST_F(MainTabs, ARecordingDoesNotRecordTheSwitchToTheMacrosTab) {
    forget();
    t->macro.RecordMode = 1;
    m.tabMain.setTab(frmMain::TabMacros);
    EXPECT_NE(code(), 16);
    t->macro.RecordMode = 0;
    m.tabMain.setTab(frmMain::TabDiagnose);
    m.tabMain.setTab(frmMain::TabMacros);
    EXPECT_EQ(code(), 16);
}

TEST_F(MainTabs, ThePlayerTabShowsTheStoppedCaption) {
    m.tabMain.setTab(frmMain::TabPlayer);
    EXPECT_EQ(m.player.Label27.caption(), "Media Player [Stopped]");
}

TEST_F(MainTabs, TheFirstCopyButtonIsEnabledOnlyWithItemsAndNeverDisabled) {
    m.tabMain.setTab(frmMain::TabDiagnose);
    copy(0).setEnabled(false);
    m.tabMain.setTab(frmMain::TabPartition);
    EXPECT_FALSE(copy(0).enabled()) << "an empty list enables nothing";
    m.clipboard.AddClipboardItem("x>00:00:01,000");
    m.tabMain.setTab(frmMain::TabEditor);
    EXPECT_TRUE(copy(0).enabled());
}

TEST_F(MainTabs, TheEnlargeButtonHidesTheSideAreaAndTheEditorBringsItBack) {
    m.tabMain.setTab(frmMain::TabEditor);
    platform::Label& plus = m.mainTabs.command55[0];
    const int normal = m.tabMain.height();
    EXPECT_EQ(plus.caption(), "+");
    plus.onClick();
    EXPECT_EQ(plus.caption(), "-");
    EXPECT_FALSE(m.tabClipboard.visible());
    EXPECT_GT(m.tabMain.height(), normal);
    EXPECT_EQ(m.editor.grdSubEdit.height(), m.tabMain.height() - 2430);
    // Another tab brings the side area back at once, and the button with it.
    m.tabMain.setTab(frmMain::TabDiagnose);
    EXPECT_TRUE(m.tabClipboard.visible());
    EXPECT_EQ(m.tabMain.height(), normal);
    EXPECT_EQ(plus.caption(), "+");
    m.tabMain.setTab(frmMain::TabEditor);
    EXPECT_EQ(plus.caption(), "+");
    EXPECT_TRUE(m.tabClipboard.visible());
    EXPECT_EQ(m.tabMain.height(), normal);
}

// The copy buttons fill the field their caption names.
TEST_F(MainTabs, TheCopyButtonsFillTheFieldsTheyName) {
    m.clipboard.AddClipboardItem("Added by player 1>01:02:03,456");
    m.tabMain.setTab(frmMain::TabCalculator);
    m.calculator.tabCalculator.setTab(1);
    copy(1).onClick();
    const char* parts[] = {"01", "02", "03", "456"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(m.calculator.rtfCalcClassicB[i].text(), parts[i]) << i;
    m.tabMain.setTab(frmMain::TabEditor);
    m.editor.SSTab3.setTab(0);
    copy(0).onClick();
    EXPECT_EQ(m.shift.rtfShiftDuration.text(), "01:02:03,456");
    m.editor.SSTab3.setTab(2);
    copy(1).onClick();
    EXPECT_EQ(m.timeTab.rtfTimeEnd.text(), "01:02:03,456");
    EXPECT_EQ(code(), 1008);
}

} // namespace

namespace {

// Pages outside the table, and its empty last slot, show nothing.
TEST(InstantHelp, OnlyThePagesOfTheTableAreShown) {
    TestProgram t;
    frmMain& m = t.main();
    const struct {
        int page;
        bool shown;
        const char* file;
    } rows[] = {{-1, false, ""},           {0, true, "main_wel.htm"},
                {4, true, "edit_bas.htm"}, {29, true, "file_sset.htm"},
                {30, false, ""},           {31, false, ""}};
    for (const auto& r : rows) {
        m.brwHelp.navigate(QString());
        EXPECT_EQ(ShowHelpPage(t.program(), r.page), r.shown) << r.page;
        EXPECT_EQ(QFileInfo(m.brwHelp.locationURL()).fileName(), r.file) << r.page;
    }
    // Every page of the table ships with Mirel.
    for (int page = 0; page < 30; ++page)
        EXPECT_TRUE(ShowHelpPage(t.program(), page)) << page;
}

} // namespace
