#pragma once
// The fixture of the subtitle readers' tests: a fresh TestProgram; lines or
// bytes written as a file of the reader's format below the program folder and
// loaded through p.loader.LoadSubFile; the grid's rows and fonts read back;
// the answers to the load's message windows (a bad line, the reading limit,
// an unknown format); and for the round trip a document set up in the grid,
// written with p.files.CreateSubFile and the written file's bytes.

#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

class ReaderFixture : public ::testing::Test {
protected:
    // format: the reader's format number; extension: that of its files ("srt").
    ReaderFixture(int format, QString extension);

    // ---- Reading ------------------------------------------------------------
    // Writes the lines, each ended by CR LF, as the next file t<n>.<extension>
    // of Data/Files; returns its path.
    QString writeLines(const QStringList& lines);
    // The same with the bytes as given.
    QString writeBytes(const QByteArray& bytes);
    // Loads a file in the format asked for (0 detects), replacing the document
    // or, with add, after its last line; interactive asks about bad lines,
    // progress logs the load in the progress window. Returns the format read.
    int load(QString path, int format, bool add = false, bool interactive = false,
             bool progress = false);
    int load(const QString& path) { return load(path, format_); }
    // writeLines, then load.
    int read(const QStringList& lines, int format, bool add = false, bool interactive = false,
             bool progress = false);
    int read(const QStringList& lines) { return read(lines, format_); }
    // writeBytes, then load in the reader's format.
    int readBytes(const QByteArray& bytes) { return load(writeBytes(bytes), format_); }

    // ---- The document -----------------------------------------------------------
    // A row: its number without the part marks "{" and "}" a part's first and
    // last rows carry, then its five cells (start, end, three text lines).
    QStringList row(int r);
    QString font(int r);
    int lines();
    // The Font tab offers the Go button, the font-name list and the style list
    // as given: each enabled or not, each list's label "Supported" or "Not
    // Supported".
    void expectFontTab(bool goButton, bool fontNames, bool styles);

    // ---- Message windows --------------------------------------------------------
    // Queues the answer to the next message window: `button` (frmMessageBox::
    // Cancel, Ok, No or Yes) is pressed after the window's text (Label1) is
    // kept in *text and its title (Label4) in *title, where given.
    void answerMessage(int button, QString* text = nullptr, QString* title = nullptr);
    // The same, the text appended to *texts: one per window answered.
    void answerMessage(int button, QStringList* texts);

    // ---- Writing ------------------------------------------------------------------
    // The document holds exactly these rows, numbered from 1: the first five
    // entries of each are its start, end and three text cells (further entries
    // are left out); every row in the font entry `font`.
    void setRows(std::span<const QStringList> rows,
                 const QString& font = QStringLiteral("Arial;Western;Regular;16"));
    // The round-trip document of the formats that keep times to the hundredth
    // (h:mm:ss.cc): four rows, the second with `text` and `third` in its
    // first and third text cells (a format's own marks, to be kept as text)
    // and a blank in its second.
    static std::vector<QStringList> hundredthsRows(const QString& text, const QString& third);
    // The round trip of the document as it stands: written as first<n>.<ext>,
    // read back in the format `readAs` (0 detects; the format read must be the
    // reader's) and written again as second<n>.<ext>, which must hold the same
    // bytes. Returns the bytes written first; the rows read back stay in the
    // document for the test to check.
    QByteArray roundTrip(int readAs = 0);
    // For frame-numbered formats at `rate` frames a second: the rows read back
    // hold the texts of `rows` (start, end, three text cells each), and each
    // time lies less than one frame before the original, never after it.
    void expectWithinAFrame(std::span<const QStringList> rows, const QString& rate);

    TestProgram t;
    int files = 0; // the files written so far, numbering the next one

    // Writes the whole document in the reader's format to `path` (through the
    // file chooser's name); true when it was written.
    bool save(const QString& path);
    // A file's bytes; empty, and a failure of the test, when it cannot be read.
    static QByteArray bytes(const QString& path);

private:
    int format_;
    QString extension_;
};
