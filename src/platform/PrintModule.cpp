// The printing half of the printer control, a module of its own
// (libmirel_print.so) so that a start does not map the printing library.

#include "platform/PrintDevice.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextLayout>

namespace {

constexpr int FontPoints = 9;

class QtPrintDevice final : public platform::PrintDevice {
public:
    Opened open(const QString& documentName, bool testMode, const QString& testPdf) override {
        printer_.setDocName(documentName);
        if (testMode) {
            printer_.setOutputFormat(QPrinter::PdfFormat);
            printer_.setOutputFileName(testPdf);
        } else {
            QPrintDialog dialog(&printer_);
            dialog.setWindowTitle(documentName);
            if (dialog.exec() != QDialog::Accepted) return Opened::Cancelled;
        }
        if (printer_.outputFormat() == QPrinter::PdfFormat) pdfPath_ = printer_.outputFileName();
        if (!painter_.begin(&printer_)) return Opened::Refused;
        QFont font(QStringLiteral("Monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setPointSize(FontPoints);
        painter_.setFont(font);
        const QFontMetrics metrics = painter_.fontMetrics();
        lineHeight_ = metrics.lineSpacing();
        ascent_ = metrics.ascent();
        return Opened::Yes;
    }

    QString pdfPath() const override { return pdfPath_; }

    QStringList wrappedLines(const QString& text) const override {
        if (text.isEmpty()) return {text};
        QTextLayout layout(text, painter_.font(), &printer_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList pieces;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(printer_.width());
            pieces << text.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        return pieces.isEmpty() ? QStringList{text} : pieces;
    }

    bool print(const QString& piece, bool* newPage) override {
        *newPage = false;
        if (pageUsed_ && y_ + lineHeight_ > printer_.height()) {
            if (!printer_.newPage()) return false;
            y_ = 0;
            *newPage = true;
        }
        painter_.drawText(0, y_ + ascent_, piece);
        y_ += lineHeight_;
        pageUsed_ = true;
        return true;
    }

    bool close() override { return painter_.end() && printer_.printerState() != QPrinter::Error; }

private:
    QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
    QString pdfPath_;
    int lineHeight_ = 0, ascent_ = 0, y_ = 0;
    bool pageUsed_ = false;
};

} // namespace

extern "C" Q_DECL_EXPORT platform::PrintDevice* MirelPrintDevice() {
    return new QtPrintDevice;
}
