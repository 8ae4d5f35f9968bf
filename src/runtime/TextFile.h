#pragma once
// The one reader and writer of text files. Reading takes UTF-16 (by its
// byte-order mark), UTF-8 (with or without a mark) or the 8-bit code page
// that stands in for the system's: Windows-1252, or the one named by the
// environment variable MIREL_CODEPAGE (for example "windows-1251"). Only the
// file's first bytes can be its mark: a U+FEFF further on, at the start of a
// line too, is text. A UTF-16 surrogate without its partner is read as U+FFFD,
// so every line read can be written back as read. A line ends at CR LF, a
// lone CR or a lone LF. Files are written in UTF-8 without a
// byte-order mark, every line ending in CR LF, through a temporary file that
// replaces the target only when everything was written.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace runtime {

enum class Encoding { Utf8, Utf16LE, Utf16BE, CodePage };

struct TextFileContent {
    bool ok = false;
    QString error; // "Cannot open <path>: <reason>" when !ok
    QStringList lines;
    Encoding encoding = Encoding::Utf8;
    bool hadBom = false;
};

// Reads and decodes a whole file and splits it into lines.
TextFileContent ReadTextFile(const QString& path);

// Decodes bytes by the rule above. A UTF-16 mark (FF FE or FE FF) wins; then
// a UTF-8 mark (EF BB BF), whose text is taken as UTF-8 even where a byte is
// broken; then text that is valid UTF-8; anything else is the code page.
// An unknown MIREL_CODEPAGE name falls back to Windows-1252.
QString DecodeText(const QByteArray& bytes, Encoding* used = nullptr, bool* hadBom = nullptr);

// Splits text at CR LF, lone CR and lone LF. A final line without an end is a
// line; an end at the very end of the text adds no empty line.
QStringList SplitLines(const QString& text);

// Writes the lines in UTF-8, each followed by CR LF, replacing the file whole
// or not at all. On failure returns false and sets *error
// ("Cannot write <path>: <reason>"); an old file is left as it was.
bool WriteTextFile(const QString& path, const QStringList& lines, QString* error = nullptr);
// The same for text written exactly as given (its line ends included).
bool WriteTextFileRaw(const QString& path, const QString& content, QString* error = nullptr);

// The same for bytes written as they are.
bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Appends the lines, each followed by CR LF, creating the file if needed.
// Meant for logs: it is not atomic, and a failure may leave part of the lines
// written.
bool AppendTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

} // namespace runtime

namespace runtime {

// The name of the 8-bit code page that stands in for the system's:
// MIREL_CODEPAGE when it names one Mirel can decode, else "windows-1252".
QByteArray SystemCodePage();

// Text that was decoded from 8-bit bytes with code page `from`, decoded anew
// from the same bytes with code page `to` (for example a Cyrillic file first
// read as Western). False, with the text left as it was, when a character of
// the text has no byte in `from` (it was not read with that code page) or
// when either code page is unknown.
bool RedecodeText(QString& text, const QByteArray& from, const QByteArray& to);

} // namespace runtime
