#pragma once
// The calculator tests' fixture: a fresh program whose main window has
// loaded (the default tablet current), and the Calculator tab's controls
// worked as a user works them: typing into boxes, clicking label buttons,
// picking list items.

#include "calculator/CalculatorTab.h"
#include "support/ListItems.h"
#include "support/TestProgram.h"

#include <QPoint>
#include <QTest>
#include <QWidget>

class CalculatorTest : public ::testing::Test {
protected:
    CalculatorTest() { t.main().load(); }

    CalculatorTab& calc() { return t.main().calculator; }
    Tablets& tablets() { return t->tablets; }
    QString folder(const QString& name = {}) const {
        return t.folder() + "/Data/Calculator" + (name.isEmpty() ? QString() : "/" + name);
    }

    // A click with the mouse on a control.
    static void click(platform::Control& c) {
        QTest::mouseClick(c.widget(), Qt::LeftButton, {}, QPoint(4, 4));
    }
    // Replaces a box's text by typing.
    static void type(platform::RichTextBox& box, const QString& text) {
        box.setText(QString());
        QTest::keyClicks(box.widget(), text);
    }
    static void pressEnter(platform::Control& c) {
        int key = 13;
        c.onKeyPress(key);
    }

    // ---- Advanced -------------------------------------------------------------
    // Picks the kind, selects the cell, types the input and presses Enter.
    void enter(const QString& cell, int kind, const QString& input) {
        select(cell);
        calc().cmbCalcAdvFuncSelect.setListIndex(kind);
        type(calc().rtfCalcAdvDataInput, input);
        click(calc().cmdExecCalcData);
    }
    // "B3": the grid's current cell.
    void select(const QString& cell) {
        calc().Calc.setCurrentCell(cell.mid(1).toInt(), cell[0].unicode() - 64);
    }
    QString shown(const QString& cell) {
        return calc().Calc.textMatrix(cell.mid(1).toInt(), cell[0].unicode() - 64);
    }
    QString value(const QString& cell) {
        return tablets().value(cell.mid(1).toInt(), cell[0].unicode() - 64);
    }
    QString formula(const QString& cell) {
        return tablets().formula(cell.mid(1).toInt(), cell[0].unicode() - 64);
    }
    // An empty tablet, as a new user's first one.
    void emptyTablet() {
        for (int r = 1; r <= Tablets::Rows; ++r)
            for (int c = 1; c <= Tablets::Cols; ++c) {
                tablets().formula(r, c).clear();
                tablets().value(r, c).clear();
                calc().Calc.setTextMatrix(r, c, QString());
            }
    }

    // ---- Classic ---------------------------------------------------------------
    // Types "hh", "mm", "ss", "fff" into the four boxes of A or B.
    void operand(platform::ControlArray<platform::RichTextBox>& boxes, const QStringList& parts) {
        for (int i = 0; i < 4; ++i)
            type(boxes[i], parts.value(i));
    }
    void a(const QStringList& parts) { operand(calc().rtfCalcClassicA, parts); }
    void b(const QStringList& parts) { operand(calc().rtfCalcClassicB, parts); }
    void press(int operation) { click(calc().Command1[operation]); }
    QString result() { return calc().ResultTime(); }
    QString frames() { return calc().lblCalcResult[4].caption(); }
    QString lastHistory() {
        platform::ListBox& h = calc().List3;
        return h.list(h.listCount() - 1);
    }
    QStringList clipboard() { return itemsOf(t.main().clipboard.List1); }

    TestProgram t;
};
