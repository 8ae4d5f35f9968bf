// The checks of a line's times: the display time count, an overlap with the
// line before, an end before the start, and times below zero.

#include "diagnose/DiagnoseRun.h"
#include "diagnose/DiagnoseTab.h"
#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "shell/Program.h"

namespace {
const QString Minus = QStringLiteral("-");
const QString Plus = QStringLiteral("+");
const QString SetTo = QStringLiteral(" set to ");
const QString MarkInvalid = QStringLiteral("Mark [Repair.Invalid] to repair");

bool Negative(const QString& difference) {
    return difference.startsWith(u'-');
}
} // namespace

void DiagnoseRun::CountDisplayTime(const Row& row) {
    if (!Ticked(DiagnoseTab::CountDisplayTime)) return;
    const QString duration = TimeCalc(row.end, row.start, Minus);
    totalTime_ = TimeCalc(totalTime_, duration, Plus);
}

// The line before ends after this one starts. A start below zero is an
// invalid time, reported as such: it is no overlap, so its repair never
// writes a negative end into the line before (or into the header above the
// first line).
void DiagnoseRun::CheckOverlap(const Row& row) {
    if (!Ticked(DiagnoseTab::CheckOverlapping)) return;
    if (TimeToMs(row.start) < 0 || !Negative(TimeCalc(row.start, row.prevEnd, Minus))) return;
    const int before = row.r - 1;
    Found(row, before,
          QStringLiteral("End.Time ") + DiagReport::FourDigits(before) +
              QStringLiteral(" > Start.Time ") + DiagReport::FourDigits(row.r) +
              QStringLiteral(". Diff = ") + TimeCalc(row.prevEnd, row.start, Minus));
    if (Ticked(DiagnoseTab::RepairOverlapping)) {
        WriteCell(before, 2, row.start);
        report_.AddSolution(DiagReport::Kind::Time, row.r, row.prevEnd + SetTo + row.start);
        Repaired(before, before, 2);
    } else {
        report_.AddSolution(DiagReport::Kind::Time, row.r,
                            QStringLiteral("Mark [Repair.Overlapping] to repair"));
        LeftAlone(before, 2);
    }
}

// Equal times are no error.
void DiagnoseRun::CheckEndBeforeStart(const Row& row) {
    if (!Ticked(DiagnoseTab::CheckNegative)) return;
    if (!Negative(TimeCalc(row.end, row.start, Minus))) return;
    Found(row, row.r,
          QStringLiteral("End.Time < Start.Time. Diff = ") + TimeCalc(row.start, row.end, Minus));
    if (Ticked(DiagnoseTab::RepairInvalid)) {
        WriteCell(row.r, 2, row.start);
        report_.AddSolution(DiagReport::Kind::Time, row.r, row.end + SetTo + row.start);
        Repaired(row.r, row.r, 2);
    } else {
        report_.AddSolution(DiagReport::Kind::Time, row.r, MarkInvalid);
        LeftAlone(row.r, 2);
    }
}

void DiagnoseRun::CheckStartBelowZero(const Row& row) {
    if (!Ticked(DiagnoseTab::CheckInvalidTime) || TimeToMs(row.start) >= 0) return;
    Found(row, row.r, QStringLiteral("Start.Time < 0 or invalid"));
    if (Ticked(DiagnoseTab::RepairInvalid)) {
        WriteCell(row.r, 1, QStringLiteral("00:00:00,000"));
        report_.AddSolution(DiagReport::Kind::Time, row.r,
                            row.start + QStringLiteral(" set to 00:00:00,000"));
        Repaired(row.r, row.r, 1);
    } else {
        report_.AddSolution(DiagReport::Kind::Time, row.r, MarkInvalid);
        LeftAlone(row.r, 1);
    }
}

// The end is read again, so an end the check before has just repaired counts
// as repaired. Its repair takes the start as it stands now: a start below
// zero has just been set to zero, and the end must not take the old one.
void DiagnoseRun::CheckEndBelowZero(const Row& row) {
    if (!Ticked(DiagnoseTab::CheckInvalidTime)) return;
    if (TimeToMs(grid_.textMatrix(row.r, 2)) >= 0) return;
    const QString explanation = report_.LineText(row.r) + QStringLiteral("End.Time < 0 or invalid");
    ++errors_;
    p_.diag.setDiagMsg(row.r, explanation);
    report_.AddPartNote(row.part, explanation);
    if (Ticked(DiagnoseTab::RepairInvalid)) {
        const QString start = grid_.textMatrix(row.r, 1);
        WriteCell(row.r, 2, start);
        report_.AddSolution(DiagReport::Kind::Time, row.r, row.end + SetTo + start);
        Repaired(row.r, row.r, 2);
    } else {
        report_.AddSolution(DiagReport::Kind::Time, row.r, MarkInvalid);
        LeftAlone(row.r, 2);
    }
}
