// The Diagnose tab as the user meets it: the option boxes and what their
// clicks report, the Diagnose commands, Go, a click on a report line, Print.

#include "DiagnoseFixture.h"

#include "document/frmMessageBox.h"
#include "platform/Printer.h"

#include <QFileInfo>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

TEST_F(DiagnoseTest, TheOptionsStartWithChecksAndCountsOn) {
    const QStringList captions = {"Empty",   "Overlapping", "Invalid time",    "Negative",
                                  "Words",   "Multilines",  "Displaying time", "Overlapping",
                                  "Invalid", "Empty"};
    for (int i = 0; i < DiagnoseTab::OptionCount; ++i) {
        EXPECT_EQ(tab().Check3[i].caption(), captions[i]);
        EXPECT_EQ(tab().Check3[i].value(), i < 7 ? 1 : 0) << i;
    }
    EXPECT_LT(tab().Check3[9].top(), tab().Check3[7].top()) << "Empty stands first among repairs";
    EXPECT_EQ(tab().fraRepair.caption(), "Repair");
    EXPECT_EQ(tab().Check3[9].toolTipText(), "Repairs empty lines");
}

// Each box's click reports its own code, ticked and unticked.
TEST_F(DiagnoseTest, EachBoxReportsItsClick) {
    const int ticked[] = {701, 703, 705, 707, 709, 711, 713, 715, 717, 721};
    for (int i = 0; i < DiagnoseTab::OptionCount; ++i) {
        const bool on = tab().Check3[i].value() == 1;
        click(i);
        EXPECT_EQ(t->macro.MacroAction.code, ticked[i] + (on ? 1 : 0)) << "box " << i;
        click(i);
        EXPECT_EQ(t->macro.MacroAction.code, ticked[i] + (on ? 0 : 1)) << "box " << i;
    }
    EXPECT_EQ(t->diag.runs(), 0) << "a click runs no diagnose";
}

// The commands set the boxes as a click does, under their macro names.
TEST_F(DiagnoseTest, TheCommandsSetTheBoxes) {
    const char* names[] = {"Check.EL",    "Check.OL",         "Check.ITL", "Check.NL",
                           "Count.Words", "Count.Multilines", "Count.DT",  "Repair.Overlapping",
                           "Repair.IL",   "Repair.EL"};
    t.main(); // the window whose tab registers the commands
    for (int i = 0; i < DiagnoseTab::OptionCount; ++i) {
        const QString name = QStringLiteral("Diagnose.Set.") + names[i];
        const CommandRegistry::Command* on = t->commands.find(name + ".On");
        const CommandRegistry::Command* off = t->commands.find(name + ".Off");
        ASSERT_TRUE(on && off) << name.toStdString();
        EXPECT_EQ(on->actionCode, DiagnoseTab::TickedAction(i));
        EXPECT_EQ(off->actionCode, DiagnoseTab::TickedAction(i) + 1);
        t->commands.run(name + ".Off");
        EXPECT_EQ(tab().Check3[i].value(), 0);
        t->commands.run(name + ".On");
        EXPECT_EQ(tab().Check3[i].value(), 1);
        EXPECT_EQ(t->macro.MacroAction.code, on->actionCode);
    }
    t->macro.SetMacroAction(QString(), -1);
    t->commands.run("Diagnose.Set.Check.EL.On");
    EXPECT_EQ(t->macro.MacroAction.code, -1) << "a box already ticked is not clicked";
    EXPECT_EQ(t->commands.find("Diagnose.Go")->actionCode, 719);
    EXPECT_EQ(t->commands.find("Diagnose.Print")->actionCode, 720);
    t->commands.run("Diagnose.Go");
    EXPECT_EQ(t->diag.runs(), 1);
}

TEST_F(DiagnoseTest, GoRunsDiagnose) {
    document({{"00:00:01,000", "00:00:05,000", " a"}});
    go();
    EXPECT_EQ(t->diag.runs(), 1);
    EXPECT_EQ(t->macro.MacroAction.code, 719);
    EXPECT_EQ(under("sum_node"), QStringList{"Node[1] = 1 to 1"});
}

// ---- A click on the report ------------------------------------------------------------

class ReportClick : public DiagnoseTest {
protected:
    // Twelve lines; line 12 ends before it starts.
    void SetUp() override {
        std::vector<Line> lines;
        for (int n = 1; n <= 12; ++n)
            lines.push_back(
                {timeAt(10 * n), timeAt(10 * n + 5), QStringLiteral(" line %1").arg(n)});
        lines[11].end = timeAt(118);
        document(lines);
        t.main().tabMain.setTab(frmMain::TabDiagnose);
        t.main().show();
        go();
        grid().setCurrentCell(3, 2);
    }
    void TearDown() override { t.main().hide(); }
    // Clicks the node with the mouse, where the tree shows it.
    void clickWithMouse(const QString& key) {
        auto* w = static_cast<QTreeWidget*>(tree().widget());
        QTreeWidgetItem* item = nullptr;
        for (QTreeWidgetItemIterator it(w); *it; ++it)
            if (tree().nodeText(key) == (*it)->text(0) && !item) item = *it;
        ASSERT_TRUE(item);
        w->scrollToItem(item);
        QApplication::processEvents();
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, w->visualItemRect(item).center());
    }
};

TEST_F(ReportClick, ALineNodeTakesTheGridToThatLine) {
    ASSERT_EQ(text("err_ 12"), "Line 0012");
    clickWithMouse("err_ 12");
    EXPECT_EQ(grid().row(), 12);
    EXPECT_EQ(grid().col(), 1);
    EXPECT_TRUE(t.main().editor.errExp.visible()) << "the editor explains the line";
    EXPECT_EQ(t.main().editor.lblErrExp.caption(), "End.Time < Start.Time. Diff = 00:00:02,000");
}

TEST_F(ReportClick, ASolutionLineNodeToo) {
    tree().clickNode("sol_ 12");
    EXPECT_EQ(grid().row(), 12);
}

// Headings, summaries and a line gone since the run name no line.
TEST_F(ReportClick, OtherNodesLeaveTheGridAlone) {
    for (const char* key : {"sum_node 1", "sol_line", "lines", "errdet", "fname"}) {
        tree().clickNode(key);
        EXPECT_EQ(grid().row(), 3) << key;
        EXPECT_EQ(grid().col(), 2) << key;
    }
    setLines(t.program(), {{timeAt(1), timeAt(2), " only"}});
    grid().setCurrentCell(1, 2);
    tree().clickNode("err_ 12");
    EXPECT_EQ(grid().row(), 1) << "row 12 is gone: the click is ignored";
    EXPECT_EQ(grid().col(), 2);
}

// ---- Print ------------------------------------------------------------------------------

TEST_F(DiagnoseTest, PrintPutsTheReportOnThePrinter) {
    document({{"00:00:01,000", "00:00:05,000", " a"}, {"00:00:04,000", "00:00:08,000", " b"}});
    go();
    const QStringList lines = tab().ReportLines();
    ASSERT_GE(lines.size(), 30);
    EXPECT_EQ(lines[0], "File");
    EXPECT_EQ(lines[1], "  None loaded");
    EXPECT_TRUE(lines.contains("        Line 0002"));
    EXPECT_TRUE(lines.contains("          End.Time 0001 > Start.Time 0002. Diff = 00:00:01,000"));
    const QString pdf = t.folder() + "/diagnose.pdf";
    t->fileCommands.printer.setOutputFileForTests(pdf);
    QTest::mouseClick(tab().lblPrint.widget(), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(t->fileCommands.printer.linesPrinted(), lines.size());
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    EXPECT_EQ(t->macro.MacroAction.code, 720);
}

TEST_F(DiagnoseTest, PrintBeforeAnyRunSaysSo) {
    t.main(); // the window whose tab registers the commands
    Message said;
    t.reply(frmMessageBox::Ok, &said);
    t->commands.run("Diagnose.Print");
    EXPECT_TRUE(said.text.contains("no diagnose report")) << said.text.toStdString();
    EXPECT_EQ(t->fileCommands.printer.linesPrinted(), 0);
}

TEST_F(DiagnoseTest, APrinterFailureIsReported) {
    go();
    Message said;
    t.reply(frmMessageBox::Ok, &said); // test mode without an output file: no printer
    tab().DiagnosePrint();
    EXPECT_TRUE(said.text.startsWith("Nothing was printed")) << said.text.toStdString();
    EXPECT_EQ(said.title, "Print");
}

} // namespace
