// The calculator target: a time field opens the classic calculator with its
// time as A and takes the result back.
#include "CalculatorFixture.h"

#include "calculator/Calculator.h"
#include "shell/frmMain.h"
#include "support/GridSetup.h"

class TargetTest : public CalculatorTest {
protected:
    TargetTest() {
        setLines(t.program(), {{"00:10:00,000", "00:10:02,000", "One"},
                               {"00:10:03,000", "00:10:05,000", "Two"}});
        t.main().tabMain.setTab(frmMain::TabEditor);
        t.main().editor.grdSubEdit.setCurrentCell(2, 1); // the user picks line 1's start
        t.main().editor.grdSubEdit.setCurrentCell(1, 1);
    }
    platform::RichTextBox& edit() { return t.main().editor.rtfEdit; }
    void invokeFromEditor() { click(t.main().editor.cmdInvCalc); }
    QStringList parts() {
        QStringList out;
        for (int i = 0; i < 4; ++i)
            out << calc().rtfCalcClassicA[i].text();
        return out;
    }
};

TEST_F(TargetTest, TheEditorCellTakesTheSumBack) {
    ASSERT_EQ(edit().text(), "00:10:00,000");
    invokeFromEditor();
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::EditorCell);
    EXPECT_EQ(t.main().tabMain.tab(), frmMain::TabCalculator);
    EXPECT_EQ(calc().tabCalculator.tab(), CalculatorTab::TabClassic);
    EXPECT_EQ(parts(), QStringList({"00", "10", "00", "000"}));
    type(calc().rtfCalcClassicB[2], "5");
    press(CalculatorTab::AplusB);
    EXPECT_EQ(edit().text(), "00:10:05,000");
    EXPECT_EQ(t.main().tabMain.tab(), frmMain::TabEditor);
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::NoTarget);
    EXPECT_EQ(t.main().editor.basic.rtfSubEditBasic.text(), "00:10:05,000")
        << "the edit cell's change reaches the basic field";

    press(CalculatorTab::AplusB); // a computation for its own sake
    EXPECT_EQ(edit().text(), "00:10:05,000") << "nothing goes back any more";
}

TEST_F(TargetTest, CancelGivesOperandABack) {
    invokeFromEditor();
    type(calc().rtfCalcClassicA[1], "7");
    press(CalculatorTab::Cancel);
    EXPECT_EQ(edit().text(), "00:07:00,000") << "A as changed, padded";
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::NoTarget);
}

TEST_F(TargetTest, AFailingComputationWritesNothingBack) {
    invokeFromEditor();
    type(calc().rtfCalcClassicA[0], "100");
    press(CalculatorTab::AplusB);
    EXPECT_EQ(edit().text(), "00:10:00,000");
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::NoTarget);
    EXPECT_EQ(t.main().tabMain.tab(), frmMain::TabCalculator);
}

TEST_F(TargetTest, TabInTheTimeCellInvokesTheCalculator) {
    int key = 9;
    edit().onKeyPress(key);
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::EditorCell);
    EXPECT_EQ(parts(), QStringList({"00", "10", "00", "000"}));
}

// The timing tools' and the partition list's fields are not in the program
// yet: their invocations arm the target, and the next computation writes
// nothing and disarms it.
TEST_F(TargetTest, TargetsWithoutAFieldWriteNothing) {
    for (int target : {0, 1, 2, 3, 4}) {
        EXPECT_EQ(t->calc.TargetField(target), nullptr);
        t->calc.InvokeCalcFromField(target);
        EXPECT_EQ(t->calc.CalcInvokeTarget, target);
        EXPECT_EQ(calc().tabCalculator.tab(), CalculatorTab::TabClassic);
        press(CalculatorTab::AplusB);
        EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::NoTarget);
    }
    t->calc.InvokeCalcFromPartition();
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::PartitionCell);
    press(CalculatorTab::AplusB);
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::NoTarget);
    t->calc.InvokeCalcFromField(7);
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::NoTarget) << "no such field";
}
