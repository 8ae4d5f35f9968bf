// The system window's description of a chosen variable and its reports, and
// the wizard window: explanation, Go and the start-up box.

#include "MacroRun.h"
#include "macro/frmWizard.h"
#include "shell/frmSettings.h"

namespace {

TEST(MacroSystemWindow, AChosenVariableShowsTypeDescriptionAndRemarks) {
    TestProgram t;
    t.main().load(); // the language loader writes the descriptions
    t->sysVars.sysVarHelp[5] = "String:=Used language file#Read Only";
    t->sysVars.sysVarHelp[21] = "no separators at all";
    t.answer<frmSystem>([](frmSystem& sys) {
        int row = -1;
        for (int i = 0; i < sys.List1.listCount(); ++i)
            if (sys.List1.list(i).startsWith("sysVar[21]=")) row = i;
        ASSERT_GE(row, 0);
        sys.List1.setListIndex(row);
        EXPECT_EQ(sys.lblSysComment[0].caption(), "");
        EXPECT_EQ(sys.lblSysComment[1].caption(), "no separators at all");
        for (int i = 0; i < sys.List1.listCount(); ++i)
            if (sys.List1.list(i).startsWith("sysVar[12]=")) sys.List1.setListIndex(i);
        EXPECT_EQ(sys.lblSysComment[0].caption(), "Boolean");
        EXPECT_EQ(sys.lblSysComment[1].caption(), "Macro executing control");
        EXPECT_EQ(sys.lblSysComment[2].caption(),
                  "True:=Executed, False:Terminated or Not started. Read Only");
        EXPECT_TRUE(sys.Label2.caption().startsWith("Defined Variables:"));
        sys.cmdOk.onClick();
    });
    t.main();
    t.main().mnuMacro.click(); // Options > System
    EXPECT_FALSE(t->system().visible());
}

TEST(MacroSystemWindow, DoubleClicksOnItsTabsReportTheShownTab) {
    TestProgram t;
    frmSystem& sys = t->system();
    sys.SSTab1.setTab(frmSystem::TabMacro);
    EXPECT_NE(t->macro.MacroAction.code, 34) << "a plain change reports nothing";
    sys.SSTab1.onDblClick();
    EXPECT_EQ(t->macro.MacroAction.code, 34);
    sys.SSTab2.setTab(frmSystem::TabExecuteList);
    sys.SSTab2.onDblClick();
    EXPECT_EQ(t->macro.MacroAction.code, 36);
    sys.onActivate();
    EXPECT_EQ(t->macro.MacroAction.code, 32);
}

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        defineMacro(t, 0, "First", {"System.mcrVar.Set:=first"});
        defineMacro(t, 1, "Second", {"System.mcrVar.Set:=second"});
        t->macroLibrary.WizardTexts[1] = "Runs the second macro.";
        t->macroLibrary.WizardList = {"Second", "Renamed since"};
    }
    TestProgram t;
};

TEST_F(WizardTest, GoRunsTheChosenWizardAndSelectsItInTheEditor) {
    t.answer<frmWizard>([this](frmWizard& w) {
        ASSERT_EQ(w.List1.listCount(), 2);
        w.List1.setListIndex(0);
        EXPECT_EQ(w.Label2.caption(), "Runs the second macro.");
        w.cmdGo.onClick();
        EXPECT_TRUE(w.cmdGo.enabled()) << "enabled again after the run";
        w.Label1.onClick();
    });
    t->commands.run("Menu.Wizard.Show");
    EXPECT_EQ(variableValues(t), QStringList({"second"}));
    EXPECT_EQ(t.main().macroPickers.Combo5.listIndex(), 1);
}

TEST_F(WizardTest, AnEntryWithoutItsMacroRunsNothing) {
    t.main().macroPickers.Combo5.setListIndex(0); // the editor shows First
    t.answer<frmWizard>([](frmWizard& w) {
        w.List1.setListIndex(0);
        w.List1.setListIndex(1);
        EXPECT_EQ(w.Label2.caption(), "Runs the second macro.") << "kept";
        w.cmdGo.onClick();
        w.Label1.onClick();
    });
    t->commands.run("Menu.Wizard.Show");
    EXPECT_TRUE(variableValues(t).isEmpty());
}

TEST_F(WizardTest, TheStartUpBoxSwitchesTheTipsOff) {
    frmSettings& s = t->settings();
    s.StoreStartupTick(4, 1);
    s.StoreStartupTick(5, 0);
    t.answer<frmWizard>([](frmWizard& w) {
        EXPECT_EQ(w.chkLoadWizardAtStartup.value(), 0) << "shows the setting";
        w.chkLoadWizardAtStartup.setValue(1);
        w.Label1.onClick();
    });
    t->commands.run("Menu.Wizard.Show");
    EXPECT_TRUE(s.startupShowWizard());
    EXPECT_FALSE(s.startupShowTips());
    t.answer<frmWizard>([](frmWizard& w) {
        EXPECT_EQ(w.chkLoadWizardAtStartup.value(), 1) << "shows the setting";
        w.chkLoadWizardAtStartup.setValue(0);
        w.Label1.onClick();
    });
    t->commands.run("Menu.Wizard.Show");
    EXPECT_FALSE(s.startupShowWizard());
    EXPECT_FALSE(s.startupShowTips()) << "unticking changes only the wizard's box";
}

} // namespace
