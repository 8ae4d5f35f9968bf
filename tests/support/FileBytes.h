#pragma once
// The bytes of the files the tests write and read back.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string_view>

// The bytes of a file of these lines: UTF-8, each line ended by CR LF.
QByteArray crlf(const QStringList& lines);
// SubRip entries numbered from 1 and a second apart, each with the one text
// line "<text> <number>".
QByteArray SubRip(int entries, const char* text = "Line");
// UTF-16 code units as a file holds them, after their byte order mark.
QByteArray utf16(std::u16string_view units, bool bigEndian = false);
// A file's bytes; "<missing>" when it cannot be read.
QByteArray readBytes(const QString& path);
// Writes a file (bytes as given), making its folder first; a file that cannot
// be written fails the test. Returns the path.
QString writeFileAt(const QString& path, const QByteArray& bytes);
// What pdftotext reads from a PDF file with the option given ("-layout" for
// the text, "-bbox" for its words with their boxes); a null string when
// pdftotext is not installed.
QString pdfText(const QString& pdf, const QString& option = QStringLiteral("-layout"));
