// The advanced calculator as a user works it: pick a kind, type into the
// input box or the cell editor, press Enter; the grid and the tablet follow.
#include "CalculatorFixture.h"

#include "document/frmMessageBox.h"
#include "shell/frmMain.h"

#include <QApplication>

class AdvancedTest : public CalculatorTest {
protected:
    AdvancedTest() {
        emptyTablet();
        t.main().tabMain.setTab(frmMain::TabCalculator);
        calc().tabCalculator.setTab(CalculatorTab::TabAdvanced);
    }
};

TEST_F(AdvancedTest, TheDefaultTabletIsWorkedOutAtStart) {
    TestProgram fresh;
    fresh.main().load();
    const platform::Grid& grid = fresh.main().calculator.Calc;
    EXPECT_EQ(fresh->tablets.CurTabletName, "Default Tablet");
    EXPECT_EQ(grid.textMatrix(4, 2), "01:03:34,500") << "B4 = B1+B2+B3";
    EXPECT_EQ(grid.textMatrix(5, 2), "95362.5 frames");
    EXPECT_EQ(grid.textMatrix(3, 5), "270.666666666667");
    EXPECT_EQ(grid.textMatrix(3, 8), "movie.srt");
    EXPECT_EQ(fresh.main().calculator.Label64.caption(), "Default Tablet");
}

TEST_F(AdvancedTest, TimeCodesAddIntoATimeCodeCell) {
    enter("A1", CalculatorTab::KindTimecode, "00:01:00,000");
    enter("A2", CalculatorTab::KindTimecode, "00:00:30,500");
    enter("A3", CalculatorTab::KindFunction, "a1+a2");
    EXPECT_EQ(shown("A3"), "00:01:30,500");
    EXPECT_EQ(value("A3"), "tc_00:01:30,500");
    EXPECT_EQ(formula("A3"), "=A1+A2") << "kept in capitals";
    EXPECT_EQ(calc().Calc.row(), 3) << "the cell stays current";
    EXPECT_EQ(t->macro.MacroAction.code, 201);
}

TEST_F(AdvancedTest, ValuesTextsAndPowersFromTheExamples) {
    enter("B1", CalculatorTab::KindValue, "3");
    enter("B2", CalculatorTab::KindValue, "4");
    enter("B3", CalculatorTab::KindFunction, "B1+B2*B1");
    enter("B4", CalculatorTab::KindFunction, "B1^3");
    enter("B6", CalculatorTab::KindFunction, "B1+5");
    enter("C1", CalculatorTab::KindText, "Hello");
    enter("C2", CalculatorTab::KindText, "World");
    enter("C3", CalculatorTab::KindFunction, "C1+C2");
    enter("C4", CalculatorTab::KindFunction, "C1-C2");
    EXPECT_EQ(shown("B3"), "21");
    EXPECT_EQ(shown("B4"), "27");
    EXPECT_EQ(shown("B6"), "3");
    EXPECT_EQ(shown("C3"), "HelloWorld");
    EXPECT_EQ(shown("C4"), "Hello");
    EXPECT_EQ(value("C3"), "txt_HelloWorld");

    enter("B1", CalculatorTab::KindValue, "5");
    EXPECT_EQ(shown("B3"), "45") << "every formula follows a changed value";
    EXPECT_EQ(shown("B4"), "125");
}

TEST_F(AdvancedTest, AFormulaSettlesOnACellFurtherOn) {
    enter("A1", CalculatorTab::KindFunction, "A2+A3");
    enter("A3", CalculatorTab::KindFunction, "A4+A4");
    enter("A4", CalculatorTab::KindTimecode, "00:00:10,000");
    EXPECT_EQ(shown("A3"), "00:00:20,000");
    EXPECT_EQ(shown("A1"), "00:00:20,000") << "settles on the way back up";
    enter("A2", CalculatorTab::KindTimecode, "00:01:00,000");
    EXPECT_EQ(shown("A1"), "00:01:20,000");
}

TEST_F(AdvancedTest, ConvertShowsFramesAtTheChosenRate) {
    enter("A1", CalculatorTab::KindTimecode, "00:00:01,000");
    enter("A2", CalculatorTab::KindConvert, "A1");
    EXPECT_EQ(shown("A2"), "25 frames");
    EXPECT_EQ(value("A2"), "tc_25 frames");
    EXPECT_EQ(formula("A2"), "=cnvtcfr_A1");
    click(calc().optFrameRate[4]);
    EXPECT_EQ(shown("A2"), "30 frames") << "a new rate works the tablet out again";
    EXPECT_EQ(t->shell.FrameRateText, "30.000");
}

TEST_F(AdvancedTest, AFailingFormulaSaysOverflowAndKeepsItsValue) {
    enter("B1", CalculatorTab::KindValue, "3");
    enter("B5", CalculatorTab::KindValue, "1");
    enter("B2", CalculatorTab::KindFunction, "B1/B5");
    ASSERT_EQ(value("B2"), "val_3");
    Message first;
    t.reply(frmMessageBox::Ok, &first); // both passes meet it; one message tells
    enter("B5", CalculatorTab::KindValue, "0");
    EXPECT_EQ(first.title, "Error");
    EXPECT_TRUE(first.text.startsWith("Overflow")) << first.text.toStdString();
    EXPECT_TRUE(first.text.contains("B2"));
    EXPECT_TRUE(first.text.contains("keeps its value"));
    EXPECT_EQ(shown("B2"), "Error");
    EXPECT_EQ(value("B2"), "val_3") << "the value before";
    EXPECT_EQ(shown("B5"), "0") << "the other cells are entered and worked out";
}

TEST_F(AdvancedTest, AReferenceBelowTheTabletSaysOverflowInsteadOfFailing) {
    t.reply(frmMessageBox::Ok);
    enter("C1", CalculatorTab::KindFunction, "B77+B1");
    EXPECT_EQ(shown("C1"), "Error");
    EXPECT_EQ(value("C1"), "");
}

// A division by zero entered with Enter tells once (and claims no value the
// cell no longer has); a frame-rate click at the shown window tells once
// more; the next start tells nothing and shows the rate in use ticked.
TEST_F(AdvancedTest, OneFailingFormulaGivesOneMessagePerActionAndNoneAtStart) {
    enter("B1", CalculatorTab::KindValue, "1");
    enter("B5", CalculatorTab::KindValue, "0");
    Message entered;
    t.reply(frmMessageBox::Ok, &entered);
    select("B2");
    calc().cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindFunction);
    type(calc().rtfCalc, "B1/B5");
    pressEnter(calc().rtfCalc);
    EXPECT_TRUE(entered.text.contains("B2")) << entered.text.toStdString();
    EXPECT_FALSE(entered.text.contains("keeps its value")) << "Enter emptied the cell";
    EXPECT_EQ(value("B2"), "");

    t.main().show();
    QApplication::processEvents();
    Message clicked;
    t.reply(frmMessageBox::Ok, &clicked);
    QTest::mouseClick(calc().optFrameRate[0].widget(), Qt::LeftButton);
    EXPECT_TRUE(clicked.text.contains("B2"));
    t.main().hide();

    ASSERT_TRUE(tablets().SaveCurTablet());
    Program again(t.folder());
    answerModalsInTest(again.host.modal); // any message at start fails
    again.main().load();
    EXPECT_EQ(again.main().calculator.Calc.textMatrix(2, 2), "Error");
    EXPECT_FALSE(again.main().calculator.ChosenFrameRate().isEmpty()) << "an option is ticked";
    EXPECT_EQ(again.main().calculator.ChosenFrameRate(), again.shell.FrameRateText);
}

TEST_F(AdvancedTest, AFormulaWithAnAtSignIsRefused) {
    enter("D1", CalculatorTab::KindText, "x@y");
    EXPECT_EQ(value("D1"), "txt_x@y") << "a value may hold it";
    Message seen;
    t.reply(frmMessageBox::Ok, &seen);
    enter("D2", CalculatorTab::KindFunction, "D1@D1");
    EXPECT_TRUE(seen.text.contains("@"));
    EXPECT_EQ(formula("D2"), "") << "nothing stored";
}

TEST_F(AdvancedTest, TheCellEditorEntersOnEnter) {
    select("E2");
    calc().cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindValue);
    EXPECT_TRUE(calc().rtfCalc.visible());
    EXPECT_EQ(calc().rtfCalc.left(), calc().Calc.left() + calc().Calc.cellLeft());
    type(calc().rtfCalc, "12.5");
    EXPECT_EQ(calc().rtfCalcAdvDataInput.text(), "12.5") << "the editor fills the input box";
    pressEnter(calc().rtfCalc);
    EXPECT_EQ(value("E2"), "val_12.5");
    EXPECT_EQ(t->macro.MacroAction.code, 208);

    t->macro.RecordMode = 1; // while recording, Enter enters and is recorded as the button
    select("E3");
    type(calc().rtfCalc, "99");
    pressEnter(calc().rtfCalc);
    EXPECT_EQ(value("E3"), "val_99");
    EXPECT_EQ(t->macro.MacroAction.code, 201);
    t->macro.RecordMode = 0;

    calc().Calc.onScroll();
    EXPECT_FALSE(calc().rtfCalc.visible()) << "a scroll hides the editor";
}

TEST_F(AdvancedTest, SelectingACellShowsItsKindAndInput) {
    enter("A1", CalculatorTab::KindTimecode, "00:00:05,000");
    enter("A2", CalculatorTab::KindConvert, "A1");
    enter("B1", CalculatorTab::KindValue, "7");
    enter("B2", CalculatorTab::KindFunction, "B1*B1");
    struct {
        const char* cell;
        int kind;
        const char* input;
        bool clip;
    } rows[] = {{"A1", CalculatorTab::KindTimecode, "00:00:05,000", true},
                {"A2", CalculatorTab::KindConvert, "A1", false},
                {"B1", CalculatorTab::KindValue, "7", false},
                {"B2", CalculatorTab::KindFunction, "B1*B1", true}};
    const QString picker = calc().Label16.caption();
    for (const auto& r : rows) {
        select(r.cell);
        EXPECT_EQ(calc().cmbCalcAdvFuncSelect.listIndex(), r.kind) << r.cell;
        EXPECT_EQ(calc().rtfCalcAdvDataInput.text(), r.input) << r.cell;
        EXPECT_EQ(calc().cmdAdvCalcClipIt.enabled(), r.clip) << r.cell;
    }
    EXPECT_EQ(calc().lblAdvCalc.caption(), "B2 [Row: 2, Col: 2]");
    EXPECT_EQ(calc().Label16.caption(), picker) << "showing a cell does not work the picker";
}

TEST_F(AdvancedTest, ClipAddsTheCellToTheClipboard) {
    enter("A1", CalculatorTab::KindTimecode, "00:02:00,000");
    enter("A2", CalculatorTab::KindFunction, "A1+A1");
    ASSERT_TRUE(calc().cmdAdvCalcClipIt.enabled());
    click(calc().cmdAdvCalcClipIt);
    t.main().clipboard.List1.addItem("Other:2>x");
    click(calc().cmdAdvCalcClipIt);
    EXPECT_EQ(clipboard(), QStringList({"Calc.Adv.Result:1>00:04:00,000", "Other:2>x",
                                        "Calc.Adv.Result:3>00:04:00,000"}));
    EXPECT_EQ(t.main().clipboard.List1.listIndex(), 2);
    EXPECT_TRUE(t.main().clipboard.command4[ClipboardTab::Clear].enabled());
    EXPECT_EQ(t->macro.MacroAction.code, 202);
}

TEST_F(AdvancedTest, KindPickerAndTabletPickerTakeTurns) {
    CalculatorTab& c = calc();
    if (c.Label16.caption() == "<<") c.Label16.onClick();
    ASSERT_EQ(c.Label16.caption(), ">>");
    click(c.Label65);
    EXPECT_TRUE(c.List11.visible());
    EXPECT_EQ(c.Label65.caption(), "<<");
    EXPECT_EQ(t->macro.MacroAction.code, 211);
    click(c.Label16);
    EXPECT_TRUE(c.cmbCalcAdvFuncSelect.visible());
    EXPECT_FALSE(c.List11.visible()) << "never both open";
    EXPECT_EQ(c.Label65.caption(), ">>");
    EXPECT_EQ(t->macro.MacroAction.code, 212);
    c.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindText); // the user's choice
    EXPECT_EQ(c.Label35.caption(), "Text (a,A,..,z,Z)");
    EXPECT_FALSE(c.cmbCalcAdvFuncSelect.visible()) << "a choice closes the list";
    EXPECT_EQ(t->macro.MacroAction.code, 206);
}

TEST_F(AdvancedTest, MacroCommandsFillAndSelectCells) {
    const CommandRegistry& r = t->commands;
    ASSERT_TRUE(r.run("Calculator.Advanced.Cel.Select", "b,3"));
    EXPECT_EQ(calc().Calc.row(), 3);
    EXPECT_EQ(calc().Calc.col(), 2);
    r.run("Calculator.Advanced.Set.Value");
    r.run("Calculator.Advanced.Cel.Value", "8");
    EXPECT_EQ(value("B3"), "val_8");
    r.run("Calculator.Advanced.Cel.Select", "C,3");
    r.run("Calculator.Advanced.Set.Function");
    r.run("Calculator.Advanced.Cel.Value", "B3*B3");
    EXPECT_EQ(shown("C3"), "64");
    EXPECT_EQ(r.find("Calculator.Advanced.Tablet.New")->actionCode, 210);

    Message seen;
    t.reply(frmMessageBox::Ok, &seen);
    r.run("Calculator.Advanced.Cel.Select", "AA,70");
    EXPECT_TRUE(seen.text.contains("AA,70")) << "a cell outside the tablet is told";
    EXPECT_EQ(calc().Calc.row(), 3);
}

TEST_F(AdvancedTest, GridClickAndTabChangesReport) {
    select("D7");
    calc().Calc.onClick();
    EXPECT_EQ(t->macro.MacroAction.code, 209);
    EXPECT_EQ(t->macro.MacroAction.text, "D,7");
    t->commands.run("View.Calculator.Classic");
    EXPECT_EQ(calc().tabCalculator.tab(), CalculatorTab::TabClassic);
    EXPECT_EQ(t->macro.MacroAction.code, 3);
    EXPECT_FALSE(calc().rtfCalc.visible()) << "the cell editor stays on its page";
    t->commands.run("View.Calculator.Advanced");
    EXPECT_EQ(t->macro.MacroAction.code, 2);
    EXPECT_TRUE(calc().rtfCalc.visible());
}
