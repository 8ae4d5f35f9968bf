// Preview (the document as its format writes it, in the preview window) and
// Print (one line per subtitle on the printer).

#include "document/FormatDetection.h"
#include "document/MessageWindow.h"
#include "fileio/FileCommands.h"
#include "fileio/frmPreview.h"
#include "platform/Grid.h"
#include "platform/StatusBar.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QFile>

namespace {

constexpr int NumberWidth = 5;
const QString PreviewName = QStringLiteral("Splitprv.001");

// The line number of a number cell, without the part marks around it
// (" { 12", " 12 }"): its digits.
QString LineNumber(const QString& cell) {
    QString digits;
    for (const QChar c : cell)
        if (c.isDigit()) digits += c;
    return digits.isEmpty() ? runtime::Trim(cell) : digits;
}

} // namespace

// ---- Preview --------------------------------------------------------------------

void FileCommands::MenuPreview() {
    InstantHelp(HelpPreview);
    const int format = p_.files.CurFileIndex;
    if (format < Format::DvdSubtitle || format > Format::ZeroG) {
        ReportFailure(QStringLiteral("There is no preview: the current file has no subtitle "
                                     "format yet. Load or save it first."),
                      QStringLiteral("Preview"));
        return;
    }
    platform::StatusBar& bar = p_.main().StatusBar1;
    const QString shown = bar.panelText(3);
    bar.setPanelText(3, p_.texts.Say("Creating preview. Please wait..."));
    // An old preview must never stand in for this one.
    const QString file = p_.folder.path(runtime::Place::ScratchFolder, PreviewName);
    QFile::remove(file);
    const bool written = p_.files.CreateSubFile(true, false, format, 1, p_.doc.lineCount(), false);
    bar.setPanelText(3, shown);
    if (!written) return; // the writer has told why
    const runtime::TextFileContent content = runtime::ReadTextFile(file);
    if (!content.ok) {
        ReportFailure(p_.texts.Say("The preview could not be shown (%1).",
                                   MessageWindow::Verbatim(content.error)),
                      QStringLiteral("Preview"));
        return;
    }
    frmPreview& preview = p_.preview();
    preview.List1.clear();
    for (const QString& line : content.lines)
        preview.List1.addItem(line);
    preview.lblData[0].setCaption(p_.files.CurFileName);
    preview.lblData[1].setCaption(bar.panelText(2));
    preview.lblData[2].setCaption(runtime::TrimStr(content.lines.size()));
    preview.showModal();
}

// ---- Print ----------------------------------------------------------------------

QString FileCommands::PrintLine(int row) const {
    const platform::Grid& grid = p_.doc.grid();
    QString line = LineNumber(grid.textMatrix(row, 0)).rightJustified(NumberWidth, u'0');
    for (int c = 1; c <= 5; ++c)
        line += QLatin1Char(' ') + runtime::Trim(grid.textMatrix(row, c));
    return line;
}

// A printer that cannot be had or fails is reported; a print dialog the user
// cancelled ends the command quietly.
void FileCommands::MenuPrint() {
    const QString title = QStringLiteral("Print");
    const auto start = printer.beginJob(QStringLiteral("Mirel - ") + p_.files.CurFileTitle);
    if (start == platform::Printer::Start::Cancelled) return;
    if (start == platform::Printer::Start::Failed) {
        ReportFailure(p_.texts.Say("Nothing was printed: %1", printer.error()), title);
        return;
    }
    const int lines = p_.doc.lineCount();
    for (int r = 1; r <= lines; ++r)
        if (!printer.printLine(PrintLine(r))) {
            const QString error = printer.error();
            printer.endJob();
            ReportFailure(p_.texts.Say("Printing stopped: %1", error), title);
            return;
        }
    if (!printer.endJob()) {
        ReportFailure(p_.texts.Say("Printing failed: %1", printer.error()), title);
        return;
    }
    p_.macro.SetMacroAction(QString(), ActionPrint);
}
