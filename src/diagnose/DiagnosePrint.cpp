// Print on the Diagnose tab: the report tree on the printer, one node a line,
// indented two blanks for each level.

#include "diagnose/DiagnoseTab.h"
#include "document/MessageWindow.h"
#include "platform/Printer.h"
#include "shell/Program.h"

namespace {
constexpr int ActionPrint = 720;
const QString Title = QStringLiteral("Print");
} // namespace

void DiagnoseTab::AddReportLines(const QString& key, int depth, QStringList& lines) const {
    lines << QString(depth * 2, u' ') + tvDiag.nodeText(key);
    for (const QString& child : tvDiag.childKeys(key))
        AddReportLines(child, depth + 1, lines);
}

QStringList DiagnoseTab::ReportLines() const {
    QStringList lines;
    for (const QString& root : tvDiag.childKeys(QString()))
        AddReportLines(root, 0, lines);
    return lines;
}

void DiagnoseTab::ReportPrintFailure(const QString& text) {
    p_.messages.ShowMessage(text, KindExclamation, QStringLiteral("ok"), Title);
}

// Nothing to print before the first run; a printer that cannot be had or
// fails is reported; a print dialog the user cancelled ends it quietly.
void DiagnoseTab::DiagnosePrint() {
    p_.macro.SetMacroAction(QString(), ActionPrint);
    const QStringList lines = ReportLines();
    if (lines.isEmpty()) {
        p_.messages.ShowMessage(QStringLiteral("There is no diagnose report to print yet./nPress "
                                               "Go to check the lines first."),
                                KindInformation, QStringLiteral("ok"), Title);
        return;
    }
    platform::Printer& printer = p_.fileCommands.printer;
    const auto start =
        printer.beginJob(QStringLiteral("Mirel - Diagnose ") + p_.files.CurFileTitle);
    if (start == platform::Printer::Start::Cancelled) return;
    if (start == platform::Printer::Start::Failed) {
        ReportPrintFailure(p_.texts.Say("Nothing was printed: %1", printer.error()));
        return;
    }
    for (const QString& line : lines)
        if (!printer.printLine(line)) {
            const QString error = printer.error();
            printer.endJob();
            ReportPrintFailure(p_.texts.Say("Printing stopped: %1", error));
            return;
        }
    if (!printer.endJob()) ReportPrintFailure(p_.texts.Say("Printing failed: %1", printer.error()));
}
