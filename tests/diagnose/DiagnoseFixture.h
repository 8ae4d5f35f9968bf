#pragma once
// The diagnose tests' fixture: a fresh program whose document the test writes,
// the Diagnose tab's controls worked as a user works them (option boxes and Go
// clicked with the mouse), and the report tree read back by its texts.

#include "diagnose/DiagnoseTab.h"
#include "platform/Grid.h"
#include "support/GridSetup.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <initializer_list>
#include <vector>

class DiagnoseTest : public ::testing::Test {
protected:
    DiagnoseTab& tab() { return t.main().diagnose; }
    platform::Grid& grid() { return t->doc.grid(); }
    QString cell(int row, int col) { return grid().textMatrix(row, col); }
    platform::Color back(int row, int col) { return grid().cellBackColorAt(row, col); }
    QString msg(int row) { return t->diag.DiagMsg(row); }

    // The document holds these lines, as one part or as the parts given.
    void document(const std::vector<Line>& lines, std::vector<Part> parts = {}) {
        setLines(t.program(), lines);
        const int n = static_cast<int>(lines.size());
        if (parts.empty() && n > 0) parts = {{1, n, "Part_1"}};
        t->doc.FileNodes.setFirstRow(0, 1);
        t->doc.FileNodes.setLastRow(0, n);
        writeParts(t->doc.FileNodes, parts);
    }

    // Clicks the option box with the mouse.
    void click(int box) {
        QTest::mouseClick(tab().Check3[box].widget(), Qt::LeftButton, {}, QPoint(8, 8));
    }
    // Exactly these boxes ticked, each change made by a click.
    void options(std::initializer_list<int> ticked) {
        for (int box = 0; box < DiagnoseTab::OptionCount; ++box) {
            const bool on = std::find(ticked.begin(), ticked.end(), box) != ticked.end();
            if ((tab().Check3[box].value() == platform::CheckBox::Checked) != on) click(box);
        }
    }
    // Every check and count on, and the repairs as given.
    void checksWithRepairs(bool repair) {
        if (repair)
            options({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        else
            options({0, 1, 2, 3, 4, 5, 6});
    }
    // Presses Go with the mouse.
    void go() { QTest::mouseClick(tab().Command27.widget(), Qt::LeftButton, {}, QPoint(8, 8)); }

    // ---- The report tree ----------------------------------------------------
    platform::TreeView& tree() { return tab().tvDiag; }
    QString text(const QString& key) { return tree().nodeText(key); }
    QStringList texts(const QStringList& keys) {
        QStringList out;
        for (const QString& k : keys)
            out << text(k);
        return out;
    }
    // The texts of a node's children, in order.
    QStringList under(const QString& key) { return texts(tree().childKeys(key)); }
    // The key of the first child of `parent` with this text ("" when none).
    QString child(const QString& parent, const QString& childText) {
        for (const QString& k : tree().childKeys(parent))
            if (text(k) == childText) return k;
        return {};
    }
    // The value shown below a total's heading ("Detected", "Lines", ...).
    QString total(const QString& key) {
        const QStringList values = under(key);
        return values.size() == 1 ? values[0] : QStringLiteral("<%1 values>").arg(values.size());
    }
    // Every solution text below the "Line" heading of the solutions.
    QStringList solutions() {
        QStringList out;
        for (const QString& line : tree().childKeys(QStringLiteral("sol_line")))
            out << under(line);
        return out;
    }
    // Every explanation below part n's summary: those below its line nodes
    // and those straight below it.
    QStringList explanations(int part = 1) {
        QStringList out;
        for (const QString& k : tree().childKeys(QStringLiteral("sum_node %1").arg(part))) {
            const QStringList below = under(k);
            if (below.isEmpty())
                out << text(k);
            else
                out << below;
        }
        return out;
    }

    TestProgram t;
};
