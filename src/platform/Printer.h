#pragma once
// The printer: a job of plain text lines, one below the other in a fixed-width
// font, on as many pages as they need. Starting a job shows the system's print
// dialog, where the user picks a printer or a PDF file; in test mode (the
// host's modal service answers windows) no dialog is shown and the job goes
// to the PDF file set with setOutputFileForTests, or fails when none is set.

#include <QString>
#include <memory>

namespace platform {

class Host;

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
    // Ends the job; false when the printer reported an error or a PDF file
    // was not written.
    bool endJob();
    bool jobOpen() const { return job_ != nullptr; }
    QString error() const { return error_; }

    // What the last job printed.
    int linesPrinted() const { return lines_; }
    int pagesPrinted() const { return pages_; }

    void setOutputFileForTests(const QString& pdfPath) { testOutput_ = pdfPath; }

private:
    struct Job;
    Start fail(const QString& description);
    bool openDevice(Job& job);

    Host& host_;
    std::unique_ptr<Job> job_;
    QString testOutput_;
    QString error_;
    int lines_ = 0, pages_ = 0;
};

} // namespace platform
