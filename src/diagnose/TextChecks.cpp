// The checks of a line's three text cells (an empty line, a first or second
// text line left empty above text, a saved empty line) and the word and
// multi-line counts.

#include "diagnose/DiagnoseRun.h"
#include "diagnose/DiagnoseTab.h"
#include "platform/Grid.h"
#include "runtime/Strings.h"
#include "shell/Program.h"

#include <QStringList>

using runtime::Trim;

namespace {
QString Cel(int row, int col) {
    return QStringLiteral("cel [") + QString::number(row) + u',' + QString::number(col) + u']';
}
QString PutTextIn(int row, int col) {
    return QStringLiteral("Put spoken text in ") + Cel(row, col) +
           QStringLiteral(" or mark [Repair.Empty]");
}
// Words are the runs of characters between blanks.
int WordsIn(const QString& text) {
    int words = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool blank = c == u' ';
        if (!blank && !inWord) ++words;
        inWord = !blank;
    }
    return words;
}
} // namespace

// Only the first case that applies is reported.
void DiagnoseRun::CheckTexts(const Row& row) {
    if (!Ticked(DiagnoseTab::CheckEmpty)) return;
    if (row.t3.isEmpty() && row.t4.isEmpty() && row.t5.isEmpty())
        CheckEmptyLine(row);
    else if (row.t3.isEmpty())
        CheckFirstTextEmpty(row);
    else if (row.t4.isEmpty())
        CheckSecondTextEmpty(row);
    else
        CheckSavedEmptyLine(row);
}

// With the repair on, empty lines were taken out before the pass; a line
// found here is left for the user.
void DiagnoseRun::CheckEmptyLine(const Row& row) {
    Found(row, row.r, QStringLiteral("Complete line is empty"));
    report_.AddSolution(DiagReport::Kind::Text, row.r,
                        QStringLiteral("Put spoken text in cel [") + QString::number(row.r) +
                            QStringLiteral(",3..5] or mark [Repair.Empty]"));
    LeftAlone(row.r, 3);
}

void DiagnoseRun::CheckFirstTextEmpty(const Row& row) {
    std::vector<int> sources;
    if (!row.t4.isEmpty()) sources.push_back(4);
    if (!row.t5.isEmpty()) sources.push_back(5);
    MoveTextUp(row, 3, sources);
}

// Only text in column 5 below an empty column 4 is an error.
void DiagnoseRun::CheckSecondTextEmpty(const Row& row) {
    if (!row.t5.isEmpty()) MoveTextUp(row, 4, {5});
}

// An empty text cell (empty column `target`) above text in the `sources`
// columns: reported, and with the repair on the texts move up into the
// empty cell and those after it, as the cells stand now.
void DiagnoseRun::MoveTextUp(const Row& row, int target, const std::vector<int>& sources) {
    const int r = row.r;
    QStringList held, moved;
    for (int col : sources) {
        held << Cel(r, col);
        moved.prepend(Cel(r, col));
    }
    Found(row, r,
          QStringLiteral("Cel [") + QString::number(r) + u',' + QString::number(target) +
              QStringLiteral("] is empty while ") + held.join(QStringLiteral(" and ")) +
              QStringLiteral(" contains data"));
    if (!Ticked(DiagnoseTab::RepairEmpty)) {
        report_.AddSolution(DiagReport::Kind::Text, r, PutTextIn(r, target));
        LeftAlone(r, target);
        return;
    }
    QStringList texts;
    for (int col : sources)
        texts << grid_.textMatrix(r, col);
    for (int i = 0; i < texts.size(); ++i)
        WriteCell(r, target + i, texts[i]);
    for (int col : sources)
        if (col >= target + texts.size()) WriteCell(r, col, QString());
    report_.AddSolution(DiagReport::Kind::Text, r,
                        QStringLiteral("Data moved from ") + moved.join(QStringLiteral(" to ")) +
                            QStringLiteral(" to ") + Cel(r, target));
    Repaired(r, r, target);
}

// A first text line "{}" keeps an empty line on purpose; it is counted and
// explained in the report, but has no message, no repair and no colour.
void DiagnoseRun::CheckSavedEmptyLine(const Row& row) {
    if (Trim(grid_.textMatrix(row.r, 3)) != QStringLiteral("{}")) return;
    ++errors_;
    report_.AddError(row.part, row.r, QStringLiteral("Saved Empty line"));
    report_.AddSolution(DiagReport::Kind::Text, row.r,
                        QStringLiteral("Put spoken text in ") + Cel(row.r, 3));
}

// Only the first two text lines count words.
void DiagnoseRun::CountLine(const Row& row) {
    const QString second = grid_.textMatrix(row.r, 4);
    if (Ticked(DiagnoseTab::CountMultiLines) && !Trim(second).isEmpty()) ++multiLines_;
    if (Ticked(DiagnoseTab::CountWords)) words_ += WordsIn(row.t3) + WordsIn(second);
}
