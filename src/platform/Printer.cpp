#include "platform/Printer.h"

#include "platform/Host.h"
#include "platform/Modules.h"
#include "platform/PrintDevice.h"

#include <QFileInfo>

namespace platform {

namespace {

// Looked for once, with the first job.
PrintDeviceFactory DeviceFactory() {
    static const auto factory =
        reinterpret_cast<PrintDeviceFactory>(ModuleEntry("mirel_print", PrintDeviceEntry));
    return factory;
}

} // namespace

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
    const bool testMode = host_.modal.testMode();
    if (testMode && testOutput_.isEmpty()) return fail(QStringLiteral("No printer is available."));
    const PrintDeviceFactory make = DeviceFactory();
    if (!make)
        return fail(QStringLiteral("Printing is not available: the module libmirel_print.so "
                                   "is missing beside the program."));
    job_.reset(make());
    switch (job_->open(documentName, testMode, testOutput_)) {
    case PrintDevice::Opened::Yes:
        pages_ = 1;
        return Start::Started;
    case PrintDevice::Opened::Cancelled:
        job_.reset();
        return Start::Cancelled;
    case PrintDevice::Opened::Refused:
        break;
    }
    const QString pdf = job_->pdfPath();
    return fail(pdf.isEmpty()
                    ? QStringLiteral("The printer refused the job (is a printer installed?).")
                    : QStringLiteral("Cannot write the PDF file ") + pdf + '.');
}

bool Printer::printLine(const QString& text) {
    if (!job_) {
        error_ = QStringLiteral("No print job is open.");
        return false;
    }
    for (const QString& piece : job_->wrappedLines(text)) {
        bool newPage = false;
        if (!job_->print(piece, &newPage)) {
            error_ = QStringLiteral("The printer refused a new page.");
            return false;
        }
        if (newPage) ++pages_;
        ++lines_;
    }
    return true;
}

QStringList Printer::wrappedLines(const QString& text) const {
    return job_ ? job_->wrappedLines(text) : QStringList{text};
}

bool Printer::endJob() {
    if (!job_) {
        error_ = QStringLiteral("No print job is open.");
        return false;
    }
    bool ok = job_->close();
    const QString pdf = job_->pdfPath();
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
