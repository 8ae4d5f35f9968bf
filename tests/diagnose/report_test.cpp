// The report tree of a run: its skeleton, the part summaries, the totals, and
// what a run leaves behind (the error count, system variable 31, the action,
// the grid's current cell, the pointer).

#include "DiagnoseFixture.h"

namespace {

TEST_F(DiagnoseTest, TheSkeletonWithNoFileLoaded) {
    go();
    EXPECT_EQ(under(""), QStringList({"File", "Scan", "Error"}));
    EXPECT_EQ(under("file"), QStringList{"None loaded"});
    EXPECT_EQ(under("fname"), QStringList({"Format", "Lines", "Words", "Multi Lines"}));
    EXPECT_EQ(under("format"), QStringList{"Unknown"});
    EXPECT_EQ(under("scan"), QStringList({"Date", "Time", "Duration", "Count"}));
    EXPECT_EQ(under("count"), QStringList({"Time", "Frames"}));
    EXPECT_EQ(under("err"), QStringList({"Summary", "Solutions"}));
    EXPECT_EQ(under("errsum"), QStringList({"Node", "Detected", "Fixed", "Remaining"}));
    EXPECT_EQ(under("errsol"), QStringList{"Line"});
    EXPECT_EQ(under("date").size(), 1);
    EXPECT_EQ(under("time").size(), 1);
    for (const char* key : {"err", "errsum", "errsol", "sum_node", "sol_line"})
        EXPECT_TRUE(tree().expanded(key)) << key;
    EXPECT_FALSE(tree().expanded("file"));
    EXPECT_EQ(total("lines"), "0");
    EXPECT_EQ(total("errdet"), "0");
}

TEST_F(DiagnoseTest, TheFileAndItsFormatAreNamed) {
    t->files.CurFileName = t.folder() + "/Data/Files/film.srt";
    t->files.CurFileTitle = QStringLiteral("film.srt");
    t.main().StatusBar1.setPanelText(2, QStringLiteral("SubRip"));
    t->texts.setTextTable(9, 13, QStringLiteral("Fout"));
    go();
    EXPECT_EQ(under("file"), QStringList{"film.srt"});
    EXPECT_EQ(under("format"), QStringList{"SubRip"});
    EXPECT_EQ(text("err"), "Fout") << "the heading speaks the interface's language";
}

TEST_F(DiagnoseTest, TheDurationIsInSecondsWithALeadingZero) {
    go();
    const QString duration = total("dur");
    EXPECT_TRUE(QRegularExpression("^[0-9]+(\\.[0-9]+)? seconds\\.$").match(duration).hasMatch())
        << duration.toStdString();
}

TEST_F(DiagnoseTest, EachPartHasASummary) {
    document({{"00:00:01,000", "00:00:02,000", " a"},
              {"00:00:03,000", "00:00:04,000", " b"},
              {"00:00:05,000", "00:00:06,000", " c"}},
             {{1, 2, "one"}, {3, 3, "two"}});
    go();
    EXPECT_EQ(under("sum_node"), QStringList({"Node[1] = 1 to 2", "Node[2] = 3 to 3"}));
    EXPECT_EQ(tree().childKeys("sum_node"), QStringList({"sum_node 1", "sum_node 2"}));
}

TEST_F(DiagnoseTest, NoPartsNoRowsChecked) {
    document({{"00:00:05,000", "00:00:01,000", ""}}, {});
    writeParts(t->doc.FileNodes, {});
    go();
    EXPECT_TRUE(tree().childKeys("sum_node").isEmpty());
    EXPECT_EQ(total("errdet"), "0");
    EXPECT_EQ(total("lines"), "1");
    EXPECT_EQ(total("words"), "0");
}

// Found 3 (an overlap, an end before its start, an empty line), repaired 2
// (the times): 1 remains, and that is the error count the run leaves.
TEST_F(DiagnoseTest, RemainingIsDetectedLessFixed) {
    document({{"00:00:01,000", "00:00:05,000", " a"},
              {"00:00:04,000", "00:00:08,000", " b"},
              {"00:00:09,000", "00:00:08,000", " c"},
              {"00:00:10,000", "00:00:11,000", ""}});
    options({0, 1, 3, DiagnoseTab::RepairOverlapping, DiagnoseTab::RepairInvalid});
    t->macro.SetMacroAction(QString(), -1);
    go();
    EXPECT_EQ(total("errdet"), "3");
    EXPECT_EQ(total("errfix"), "2");
    EXPECT_EQ(total("errrem"), "1");
    EXPECT_EQ(t->diag.DiagErrorCount, 1);
    EXPECT_EQ(t->sysVars.sysVar[31], "1");
    EXPECT_EQ(t->macro.MacroAction.code, 719);
    EXPECT_EQ(grid().row(), 1);
    EXPECT_EQ(grid().col(), 3);
    EXPECT_EQ(t->host.screen.mousePointer(), platform::Screen::PointerDefault);
}

// Each run starts afresh: explanations, count and tree of the run before go.
TEST_F(DiagnoseTest, ARunForgetsTheRunBefore) {
    document({{"00:00:01,000", "00:00:05,000", " a"}, {"00:00:04,000", "00:00:08,000", " b"}});
    checksWithRepairs(false);
    go();
    ASSERT_EQ(t->diag.DiagErrorCount, 1);
    t->diag.setDiagMsg(9, QStringLiteral("stale"));
    click(DiagnoseTab::RepairOverlapping);
    go();
    EXPECT_EQ(msg(9), "");
    EXPECT_EQ(msg(1), "");
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_EQ(under("sum_node 1").size(), 1) << "one line node, not one per run";
    EXPECT_EQ(under("errdet"), QStringList{"1"});
    go();
    EXPECT_EQ(total("errdet"), "0");
    EXPECT_TRUE(tree().childKeys("sol_line").isEmpty());
}

} // namespace
