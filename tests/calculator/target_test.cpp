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

// Each timing field's "=" button: the field's time becomes A, the sum comes
// back into the same field, on its own tool page.
TEST_F(TargetTest, EachTimingFieldTakesItsResultBack) {
    frmMain& m = t.main();
    struct {
        int index;
        platform::RichTextBox* field;
        int page;
    } fields[] = {{0, &m.editor.rtfStretchFirst, 1},
                  {1, &m.editor.rtfStretchLast, 1},
                  {2, &m.shift.rtfShiftDuration, 0},
                  {3, &m.timeTab.rtfTimeStart, 2},
                  {4, &m.timeTab.rtfTimeEnd, 2}};
    for (auto& f : fields) {
        m.editor.SSTab3.setTab(f.page);
        f.field->setText("00:01:00,000");
        click(m.editor.cmdInvokeCalc[f.index]);
        EXPECT_EQ(t->calc.CalcInvokeTarget, f.index);
        EXPECT_EQ(m.tabMain.tab(), frmMain::TabCalculator);
        EXPECT_EQ(parts(), QStringList({"00", "01", "00", "000"})) << f.index;
        type(calc().rtfCalcClassicB[2], "30");
        m.editor.SSTab3.setTab(f.page == 0 ? 1 : 0); // the user looked elsewhere meanwhile
        press(CalculatorTab::AplusB);
        EXPECT_EQ(f.field->text(), "00:01:30,000") << f.index;
        EXPECT_EQ(m.tabMain.tab(), frmMain::TabEditor);
        EXPECT_EQ(m.editor.SSTab3.tab(), f.page) << "the field's page shows again";
        EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::NoTarget);
        type(calc().rtfCalcClassicB[2], "");
    }
    // The five fields are separate: the last one changed alone.
    EXPECT_EQ(m.timeTab.rtfTimeEnd.text(), "00:01:30,000");
}

TEST_F(TargetTest, NoSuchFieldArmsNothing) {
    t->calc.InvokeCalcFromField(7);
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::NoTarget) << "no such field";
}

// A target is used once: the user who leaves the calculator without a result
// (to any other tab) and computes there later writes into no field.
TEST_F(TargetTest, LeavingTheCalculatorForgetsTheTarget) {
    frmMain& m = t.main();
    platform::RichTextBox& first = m.editor.rtfStretchFirst;
    for (int elsewhere :
         {frmMain::TabEditor, frmMain::TabPartition, frmMain::TabPlayer, frmMain::TabDiagnose}) {
        m.editor.SSTab3.setTab(1);
        first.setText("00:01:00,000");
        click(m.editor.cmdInvokeCalc[Calculator::StretchFirst]);
        ASSERT_EQ(t->calc.CalcInvokeTarget, Calculator::StretchFirst);
        m.tabMain.setTab(elsewhere);
        m.tabMain.setTab(frmMain::TabCalculator); // much later, a computation of its own
        type(calc().rtfCalcClassicB[2], "30");
        press(CalculatorTab::AplusB);
        EXPECT_EQ(first.text(), "00:01:00,000") << elsewhere;
        EXPECT_EQ(m.tabMain.tab(), frmMain::TabCalculator) << elsewhere << ": the user stays";
        EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::NoTarget) << elsewhere;
        type(calc().rtfCalcClassicB[2], "");
    }
}
