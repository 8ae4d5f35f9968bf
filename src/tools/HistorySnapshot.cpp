#include "tools/HistorySnapshot.h"

#include "document/Document.h"
#include "document/NodeTable.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"

#include <QFile>
#include <QStringEncoder>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

using runtime::Str;
using runtime::TrimStr;

namespace {

constexpr int HeadLines = 3, LinesPerPart = 4;
// The grid holds the header, MaxLines lines and the spare row.
constexpr int MaxRows = Document::MaxLines + 1;

// A whole number from lo to hi, blanks around it allowed.
bool ReadWhole(const QString& text, int lo, int hi, int& out) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    const double v = runtime::Val(t);
    if (v != std::floor(v) || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

QString LineFault(int line, const QString& what) {
    return QStringLiteral("line %1 should hold %2.").arg(TrimStr(line), what);
}

bool ParseHead(const QStringList& lines, SnapshotContent& c, int& count, QString& fault) {
    if (lines.size() < HeadLines) {
        fault = QStringLiteral("it ends after %1 lines.").arg(TrimStr(lines.size()));
        return false;
    }
    const int mark = lines[0].indexOf(QLatin1String(":="));
    if (mark < 0 || !ReadWhole(lines[0].mid(mark + 2), 1, MaxRows, c.rows)) {
        fault = LineFault(1, QStringLiteral("the version, \":=\" and a row count from 1 to %1")
                                 .arg(TrimStr(MaxRows)));
        return false;
    }
    if (!ReadWhole(lines[1], 0, NodeTable::MaxCount, count)) {
        fault = LineFault(2, QStringLiteral("a part count from 0 to 99"));
        return false;
    }
    if (!ReadWhole(lines[2], 0, NodeTable::MaxCount, c.current)) {
        fault = LineFault(3, QStringLiteral("a part number from 0 to 99"));
        return false;
    }
    return true;
}

bool ParseParts(const QStringList& lines, int count, SnapshotContent& c, QString& fault) {
    c.parts.clear();
    for (int i = 0; i <= count; ++i) {
        const int at = HeadLines + i * LinesPerPart;
        SnapshotPart part;
        part.name = lines[at];
        int flag = 0;
        if (!ReadWhole(lines[at + 1], 0, MaxRows, part.firstRow) ||
            !ReadWhole(lines[at + 2], 0, MaxRows, part.lastRow) ||
            !ReadWhole(lines[at + 3], -32768, 32767, flag)) {
            fault =
                QStringLiteral("part %1 (lines %2 to %3) should hold a name, two row numbers "
                               "from 0 to %4 and a flag.")
                    .arg(TrimStr(i), TrimStr(at + 1), TrimStr(at + LinesPerPart), TrimStr(MaxRows));
            return false;
        }
        part.inIndex = flag != 0;
        c.parts.push_back(part);
    }
    return true;
}

// Encodes lines into a buffer of a few kilobytes and hands it to the file
// each time it fills, so writing a snapshot takes the same small amount of
// memory whatever the document's size.
class LineWriter {
public:
    explicit LineWriter(QFile& file) : file_(file), buffer_(Chunk, Qt::Uninitialized) {}

    void line(QStringView text) {
        const qsizetype need = encoder_.requiredSpace(text.size()) + 2;
        if (used_ + need > buffer_.size()) flush();
        if (need > buffer_.size()) buffer_.resize(need);
        char* out = encoder_.appendToBuffer(buffer_.data() + used_, text);
        *out++ = '\r';
        *out++ = '\n';
        used_ = out - buffer_.constData();
    }
    // True when every byte reached the file.
    bool finish() {
        flush();
        return ok_;
    }
    // The system's error number of a failed write, 0 when it gave none.
    int error() const { return error_; }

private:
    static constexpr qsizetype Chunk = 32 * 1024;

    // A file that takes only part of the bytes (a full disk, a file-size
    // limit) is asked for the rest, so that its refusal carries the reason.
    void flush() {
        for (qsizetype done = 0; ok_ && done < used_;) {
            errno = 0;
            const qint64 n = file_.write(buffer_.constData() + done, used_ - done);
            ok_ = n > 0;
            if (!ok_) error_ = errno;
            done += std::max<qint64>(n, 0);
        }
        used_ = 0;
    }

    QFile& file_;
    QStringEncoder encoder_{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    QByteArray buffer_;
    qsizetype used_ = 0;
    bool ok_ = true;
    int error_ = 0;
};

void WriteLines(LineWriter& out, const QString& version, const platform::Grid& grid,
                const NodeTable& parts) {
    const int rows = grid.rows() - 1;
    out.line(QString(version + QStringLiteral(":=") + TrimStr(rows)));
    out.line(Str(parts.Count()));
    out.line(Str(parts.Current()));
    for (int i = 0; i <= parts.Count(); ++i) {
        out.line(parts.Name(i));
        out.line(Str(parts.FirstRow(i)));
        out.line(Str(parts.LastRow(i)));
        out.line(parts.InIndex(i) ? u"1" : u"0");
    }
    for (int r = 1; r <= rows; ++r)
        for (int c = SnapshotFirstCol; c < SnapshotFirstCol + SnapshotCols; ++c)
            out.line(grid.cellText(r, c));
}

} // namespace

bool WriteSnapshotFile(const QString& path, const QString& version, const platform::Grid& grid,
                       const NodeTable& parts, QString& error, int* failure) {
    const QString part = path + QStringLiteral(".part");
    QFile file(part);
    const auto fail = [&](int reason, const QString& why) {
        if (failure) *failure = reason;
        // The system's reason ("File too large"); Qt's text only where errno has none.
        error = runtime::English("Cannot write %1: %2")
                    .arg(path, reason != 0 ? QString::fromLocal8Bit(std::strerror(reason)) : why);
        file.close();
        QFile::remove(part);
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return fail(errno, file.errorString());
    LineWriter out(file);
    WriteLines(out, version, grid, parts);
    if (!out.finish()) return fail(out.error(), file.errorString());
    file.close();
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) != 0)
        return fail(errno, QStringLiteral("the finished file could not take its name"));
    return true;
}

bool ParseSnapshot(const QStringList& lines, SnapshotContent& content, QString& fault) {
    int count = 0;
    if (!ParseHead(lines, content, count, fault)) return false;
    const qsizetype cellsAt = HeadLines + LinesPerPart * (count + 1);
    const qsizetype wanted = cellsAt + qsizetype(SnapshotCols) * content.rows;
    if (lines.size() < wanted) {
        fault = QStringLiteral("it is cut short: %1 lines of the %2 its row count calls for.")
                    .arg(TrimStr(lines.size()), TrimStr(wanted));
        return false;
    }
    if (lines.size() > wanted) {
        fault = QStringLiteral("it holds %1 lines, more than the %2 its row count calls for.")
                    .arg(TrimStr(lines.size()), TrimStr(wanted));
        return false;
    }
    if (!ParseParts(lines, count, content, fault)) return false;
    content.cells = lines.mid(cellsAt);
    return true;
}
