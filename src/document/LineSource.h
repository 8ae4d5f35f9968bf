#pragma once
// The lines of a subtitle file, decoded once: UTF-16 with a byte-order mark,
// UTF-8, else the 8-bit code page; a line ends at CR LF, CR or LF; a
// byte-order mark is not part of the first line. Detection, the count pass
// and the parse pass all walk the same lines, so a file is read from disk
// once per load.

#include <QString>
#include <QStringList>

class LineSource {
public:
    // An empty source that failed to open (error() says why).
    LineSource() = default;
    explicit LineSource(QStringList lines);
    // Reads and decodes the whole file.
    static LineSource FromFile(const QString& path);

    bool ok() const { return ok_; }
    // "Cannot open <path>: <reason>" when the file could not be read.
    const QString& error() const { return error_; }
    const QStringList& lines() const { return lines_; }
    // The file was read in the 8-bit code page (neither UTF-8 nor UTF-16).
    bool eightBit() const { return eightBit_; }

    bool atEnd() const { return next_ >= lines_.size(); }
    // The next line ("" past the end, where the position stays).
    const QString& nextLine();
    // The line after the one last read, without moving ("" past the end).
    const QString& peekLine() const;
    // Back to the first line.
    void rewind() { next_ = 0; }

private:
    bool ok_ = false;
    QString error_;
    QStringList lines_;
    bool eightBit_ = false;
    qsizetype next_ = 0;
    QString empty_;
};
