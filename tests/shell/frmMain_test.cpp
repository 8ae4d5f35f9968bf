// The main window as a user first sees it: its tabs, captions and the empty
// subtitle grid (its pictures: layout_shots_test).

#include "support/TestProgram.h"

#include <QWidget>

namespace {

QStringList captionsOf(platform::TabStrip& t) {
    QStringList out;
    for (int i = 0; i < t.tabs(); ++i)
        out << t.tabCaption(i);
    return out;
}

TEST(MainWindow, CarriesTheTabsAndCaptionsOfItsDesign) {
    TestProgram t;
    frmMain& m = t.main();
    EXPECT_EQ(captionsOf(m.SSTab1), QStringList({"Main.&Selection", "&Instant.Help"}));
    EXPECT_EQ(captionsOf(m.tabMain), QStringList({"&Calculator", "&Partition", "&Editor", "P&layer",
                                                  "&Diagnose", "&Macros", "&Online"}));
    EXPECT_EQ(captionsOf(m.calculator.tabCalculator), QStringList({"&Advanced", "C&lassic"}));
    EXPECT_EQ(captionsOf(m.editor.SSTab2),
              QStringList({"Basic", "Search/Replace", "Filters", "Font"}));
    EXPECT_EQ(captionsOf(m.editor.SSTab3), QStringList({"Shift", "Stretch", "Time", "Frame rate"}));
    EXPECT_EQ(captionsOf(m.macros.SSTab4), QStringList({"Macro", "Wizard"}));
    EXPECT_EQ(captionsOf(m.online.SSTab5), QStringList({"Do&wnload", "&Upload"}));
    EXPECT_EQ(captionsOf(m.tabClipboard), QStringList({"Clip&board", "Script.Pl&ayer"}));
    EXPECT_EQ(m.StatusBar1.panelCount(), 3);
}

TEST(MainWindow, OpensAtItsMinimumSizeWithAnEmptyDocument) {
    TestProgram t;
    frmMain& m = t.main();
    EXPECT_EQ(m.width(), frmMain::MinWidth);
    EXPECT_EQ(m.height(), frmMain::MinHeight);
    EXPECT_EQ(m.window()->width(), 953);
    EXPECT_EQ(m.window()->height(), 613);

    platform::Grid& g = m.editor.grdSubEdit;
    EXPECT_EQ(g.rows(), 2); // header and the spare row
    EXPECT_EQ(g.cols(), 6);
    EXPECT_EQ(g.fixedRows(), 1);
    const QStringList header = {"#", "Start", "End", "Text #1", "Text #2", "Text #3"};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g.textMatrix(0, c), header[c]);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g.textMatrix(1, c), "");
    // The grid leaves room for the tool rows above it inside the main tab.
    EXPECT_EQ(g.height(), m.tabMain.height() - 2430);
}

} // namespace
