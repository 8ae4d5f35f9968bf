#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QByteArray crlf(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

QByteArray SubRip(int entries, const char* text) {
    QByteArray out;
    for (int i = 0; i < entries; ++i)
        out += QByteArray::number(i + 1) + "\r\n" +
               QString::asprintf("%02d:%02d:%02d,000 --> %02d:%02d:%02d,500\r\n", i / 3600,
                                 i / 60 % 60, i % 60, i / 3600, i / 60 % 60, i % 60)
                   .toLatin1() +
               text + " " + QByteArray::number(i + 1) + "\r\n\r\n";
    return out;
}

QByteArray utf16(std::u16string_view units, bool bigEndian) {
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const char16_t unit : units) {
        const char high = char(unit >> 8), low = char(unit & 0xFF);
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return bytes;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QString writeFileAt(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
        return path;
    }
    if (f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write all of " << path.toStdString();
    return path;
}

QString pdfText(const QString& pdf, const QString& option) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return {};
    QProcess run;
    run.start(tool, {option, pdf, QStringLiteral("-")});
    return run.waitForFinished(30000) ? QString::fromUtf8(run.readAllStandardOutput()) : QString();
}
