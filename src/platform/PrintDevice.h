#pragma once
// The narrow interface between the printer control and the module that
// prints (mirel_print, loaded with the first print job): a start does not
// map the printing library. The module exports
//   extern "C" PrintDevice* MirelPrintDevice()
// which makes a device for one job; the printer owns it.

#include <QString>
#include <QStringList>

namespace platform {

class PrintDevice {
public:
    enum class Opened { Yes, Cancelled, Refused };

    PrintDevice() = default;
    virtual ~PrintDevice() = default;
    PrintDevice(const PrintDevice&) = delete;
    PrintDevice& operator=(const PrintDevice&) = delete;

    // Shows the print dialog (without one, in a test, the job goes to the PDF
    // file `testPdf`) and starts the first page in a fixed-width font.
    virtual Opened open(const QString& documentName, bool testMode, const QString& testPdf) = 0;
    // The PDF file the job writes, "" on a printer.
    virtual QString pdfPath() const = 0;
    // The pieces a text is printed in, each as wide as the page at most.
    virtual QStringList wrappedLines(const QString& text) const = 0;
    // Draws a piece below the last, on a new page when this one is full
    // (*newPage is then set); false when the new page was refused.
    virtual bool print(const QString& piece, bool* newPage) = 0;
    // Ends the job; false when the printer reported an error.
    virtual bool close() = 0;
};

using PrintDeviceFactory = PrintDevice* (*)();
inline constexpr const char* PrintDeviceEntry = "MirelPrintDevice";

} // namespace platform
