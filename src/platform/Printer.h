#pragma once
// The printer: a job of plain text lines, one below the other in a fixed-width
// font, on as many pages as they need. A line wider than the page goes on in
// the next printed line (broken between words, or inside a word with no room
// otherwise), so nothing passes the page's margins. Starting a job shows the system's print
// dialog, where the user picks a printer or a PDF file; in test mode (the
// host's modal service answers windows) no dialog is shown and the job goes
// to the PDF file set with setOutputFileForTests, or fails when none is set.

#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

class Host;
class PrintDevice;

class Printer {
public:
    explicit Printer(Host& host);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    enum class Start { Started, Cancelled, Failed };
    // Opens a job (a job still open is ended first). Failed sets error().
    Start beginJob(const QString& documentName);
    // False (error() says why) when no job is open or a new page was refused.
    bool printLine(const QString& text);
    // The pieces a text is printed in, each as wide as the page at most.
    QStringList wrappedLines(const QString& text) const;
    // Ends the job; false when the printer reported an error or a PDF file
    // was not written.
    bool endJob();
    bool jobOpen() const { return job_ != nullptr; }
    QString error() const { return error_; }

    // What the last job printed: the printed lines (a wrapped text counts
    // each of its lines) and the pages.
    int linesPrinted() const { return lines_; }
    int pagesPrinted() const { return pages_; }

    void setOutputFileForTests(const QString& pdfPath) { testOutput_ = pdfPath; }

private:
    Start fail(const QString& description);

    Host& host_;
    std::unique_ptr<PrintDevice> job_;
    QString testOutput_;
    QString error_;
    int lines_ = 0, pages_ = 0;
};

} // namespace platform
