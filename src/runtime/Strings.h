#pragma once
// Text helpers with the program's own rules: trimming takes blanks (spaces)
// off, never tabs or line breaks.

#include <QString>

namespace runtime {

// The line break of Mirel's files and of multi-line texts.
inline const QString CrLf = QStringLiteral("\r\n");

// A text this layer puts together in English for a message ("Cannot write
// %1: %2"); the window that shows it tells it in the language pack's words,
// which the pack gives under this English.
inline QString English(const char* text) {
    return QString::fromUtf8(text);
}

QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);
// The same cut on a view: no text is copied.
QStringView TrimView(QStringView s);

} // namespace runtime
