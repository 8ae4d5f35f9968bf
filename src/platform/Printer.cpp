#include "platform/Printer.h"

#include "platform/Host.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextLayout>

namespace platform {

namespace {
constexpr int FontPoints = 9;
}

struct Printer::Job {
    QPrinter printer{QPrinter::HighResolution};
    QPainter painter;
    QString pdfPath; // the file a PDF job writes, "" on a printer
    int lineHeight = 0, ascent = 0, y = 0;
    bool pageUsed = false;
};

Printer::Printer(Host& host) : host_(host) {}

Printer::~Printer() {
    if (job_) endJob();
}

Printer::Start Printer::fail(const QString& description) {
    error_ = description;
    job_.reset();
    return Start::Failed;
}

Printer::Start Printer::beginJob(const QString& documentName) {
    if (job_) endJob();
    lines_ = pages_ = 0;
    error_.clear();
    job_ = std::make_unique<Job>();
    Job& job = *job_;
    job.printer.setDocName(documentName);
    if (host_.modal.testMode()) {
        if (testOutput_.isEmpty()) return fail(QStringLiteral("No printer is available."));
        job.printer.setOutputFormat(QPrinter::PdfFormat);
        job.printer.setOutputFileName(testOutput_);
    } else {
        QPrintDialog dialog(&job.printer);
        dialog.setWindowTitle(documentName);
        if (dialog.exec() != QDialog::Accepted) {
            job_.reset();
            return Start::Cancelled;
        }
    }
    if (job.printer.outputFormat() == QPrinter::PdfFormat)
        job.pdfPath = job.printer.outputFileName();
    if (!openDevice(job)) return Start::Failed;
    return Start::Started;
}

bool Printer::openDevice(Job& job) {
    if (!job.painter.begin(&job.printer)) {
        fail(job.pdfPath.isEmpty()
                 ? QStringLiteral("The printer refused the job (is a printer installed?).")
                 : QStringLiteral("Cannot write the PDF file ") + job.pdfPath + '.');
        return false;
    }
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(FontPoints);
    job.painter.setFont(font);
    const QFontMetrics metrics = job.painter.fontMetrics();
    job.lineHeight = metrics.lineSpacing();
    job.ascent = metrics.ascent();
    job.y = 0;
    pages_ = 1;
    return true;
}

bool Printer::printLine(const QString& text) {
    if (!job_) {
        error_ = QStringLiteral("No print job is open.");
        return false;
    }
    for (const QString& piece : wrappedLines(text))
        if (!printPiece(piece)) return false;
    return true;
}

QStringList Printer::wrappedLines(const QString& text) const {
    if (!job_ || text.isEmpty()) return {text};
    const Job& job = *job_;
    QTextLayout layout(text, job.painter.font(), &job.printer);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList pieces;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(job.printer.width());
        pieces << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return pieces.isEmpty() ? QStringList{text} : pieces;
}

bool Printer::printPiece(const QString& piece) {
    Job& job = *job_;
    if (job.pageUsed && job.y + job.lineHeight > job.printer.height()) {
        if (!job.printer.newPage()) {
            error_ = QStringLiteral("The printer refused a new page.");
            return false;
        }
        job.y = 0;
        ++pages_;
    }
    job.painter.drawText(0, job.y + job.ascent, piece);
    job.y += job.lineHeight;
    job.pageUsed = true;
    ++lines_;
    return true;
}

bool Printer::endJob() {
    if (!job_) {
        error_ = QStringLiteral("No print job is open.");
        return false;
    }
    bool ok = job_->painter.end() && job_->printer.printerState() != QPrinter::Error;
    const QString pdf = job_->pdfPath;
    job_.reset();
    if (ok && !pdf.isEmpty()) {
        const QFileInfo written(pdf);
        ok = written.exists() && written.size() > 0;
    }
    if (!ok)
        error_ = pdf.isEmpty()
                     ? QStringLiteral("The printer could not finish the job.")
                     : QStringLiteral("The PDF file ") + pdf + QStringLiteral(" was not written.");
    return ok;
}

} // namespace platform
