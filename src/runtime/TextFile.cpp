#include "runtime/TextFile.h"

#include "runtime/SafeWrite.h"
#include "runtime/Strings.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace runtime {

namespace {

// Windows-1252 bytes 0x80-0x9F; the five bytes the code page leaves undefined
// keep their own value, as the system's converter does.
constexpr std::array<char16_t, 32> kWindows1252Low = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Bytes 0x80-0xFF of Windows-1252; from 0xA0 on it agrees with Latin-1.
constexpr std::array<char16_t, 128> MakeWindows1252Table() {
    std::array<char16_t, 128> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = i < kWindows1252Low.size() ? kWindows1252Low[i] : char16_t(0x80 + i);
    return table;
}
constexpr std::array<char16_t, 128> kWindows1252 = MakeWindows1252Table();

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b < 0x80 ? char16_t(b) : kWindows1252[b - 0x80]);
    }
    return text;
}

bool IsWindows1252Name(const QByteArray& name) {
    const QByteArray n = name.toLower();
    return n == "windows-1252" || n == "cp1252";
}

QString DecodeCodePage(const QByteArray& bytes) {
    const QByteArray name = qgetenv("MIREL_CODEPAGE").trimmed();
    if (!name.isEmpty() && !IsWindows1252Name(name)) {
        QStringDecoder decoder(name.constData());
        if (decoder.isValid()) return decoder.decode(bytes);
    }
    return DecodeWindows1252(bytes);
}

// The length of the well-formed UTF-8 sequence at p (of `left` bytes), or 0.
// Overlong forms, surrogates and code points above U+10FFFF are not well formed.
int Utf8SequenceLength(const unsigned char* p, qsizetype left) {
    const unsigned char lead = p[0];
    if (lead < 0x80) return 1;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
    if (left < length || p[1] < low || p[1] > high) return 0;
    for (int i = 2; i < length; ++i)
        if ((p[i] & 0xC0) != 0x80) return 0;
    return length;
}

// Eight bytes at once while they are all ASCII, which most subtitle text is.
bool IsValidUtf8(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    qsizetype left = bytes.size();
    while (left > 0) {
        std::uint64_t word = 0;
        if (left >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080ULL) == 0)) {
            p += 8;
            left -= 8;
            continue;
        }
        const int length = Utf8SequenceLength(p, left);
        if (length == 0) return false;
        p += length;
        left -= length;
    }
    return true;
}

// A surrogate without its partner is no character, and UTF-8 cannot write
// it: it becomes U+FFFD, so a line read is written back as read.
void ReplaceUnpairedSurrogates(QString& text) {
    QChar* c = text.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (!c[i].isSurrogate()) continue;
        if (c[i].isHighSurrogate() && i + 1 < size && c[i + 1].isLowSurrogate())
            ++i;
        else
            c[i] = QChar::ReplacementCharacter;
    }
}

// UTF-16 code units as they stand, but for an unpaired surrogate; an odd
// last byte becomes U+FFFD.
QString DecodeUtf16(QByteArrayView bytes, bool bigEndian) {
    QString text(bytes.size() / 2, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        *out++ = bigEndian ? QChar(second, first) : QChar(first, second);
    }
    ReplaceUnpairedSurrogates(text);
    if (bytes.size() % 2 != 0) text.append(QChar::ReplacementCharacter);
    return text;
}

// UTF-8 bytes as text. QString::fromUtf8 drops a byte-order mark at the
// start of what it is given; after the file's own mark (or at the start of a
// line) it is text and stays. Only such text takes the slower decoder, which
// keeps no state: the bytes of a sequence cut off at the end are replacement
// characters, as fromUtf8 gives them, not held back for a next call.
QString Utf8Text(QByteArrayView bytes) {
    if (!bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes);
    QStringDecoder keepMark(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                      QStringDecoder::Flag::Stateless);
    return keepMark.decode(bytes);
}

// Writes all bytes. A device that takes only part of them (a full disk, a
// file size limit) is asked for the rest, so that the refusal that follows
// carries the system's reason.
bool WriteAll(QFileDevice& file, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

QString Reason(const QFileDevice& file) {
    if (file.error() == QFileDevice::NoError) return QStringLiteral("not all of it was written");
    return file.errorString();
}

// Room for the lines as ASCII is taken at once: a large file is not copied
// again each time the buffer grows.
QByteArray LinesAsBytes(const QStringList& lines) {
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString& line : lines) {
        // An ASCII line is its own UTF-8: its characters are copied as bytes.
        const qsizetype at = bytes.size();
        bytes.resize(at + line.size());
        char* out = bytes.data() + at;
        const QChar* in = line.constData();
        qsizetype i = 0;
        for (; i < line.size() && in[i].unicode() < 0x80; ++i)
            out[i] = static_cast<char>(in[i].unicode());
        if (i < line.size()) {
            bytes.truncate(at);
            bytes += line.toUtf8();
        }
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

QString DecodeText(const QByteArray& bytes, Encoding* used, bool* hadBom) {
    Encoding encoding = Encoding::Utf8;
    bool bom = true;
    QString text;
    const QByteArrayView view(bytes);
    if (bytes.startsWith("\xFF\xFE")) {
        encoding = Encoding::Utf16LE;
        text = DecodeUtf16(view.sliced(2), false);
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding = Encoding::Utf16BE;
        text = DecodeUtf16(view.sliced(2), true);
    } else if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = Utf8Text(view.sliced(3));
    } else {
        bom = false;
        const bool utf8 = IsValidUtf8(bytes);
        encoding = utf8 ? Encoding::Utf8 : Encoding::CodePage;
        text = utf8 ? Utf8Text(view) : DecodeCodePage(bytes);
    }
    if (used) *used = encoding;
    if (hadBom) *hadBom = bom;
    return text;
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    lines.reserve(text.count(QLatin1Char('\n')) + 1);
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < size) lines.append(text.mid(start));
    return lines;
}

namespace {

// The lines of UTF-8 bytes, each decoded on its own: a line break is never
// part of a longer UTF-8 sequence, and no copy of the whole text is made. A
// mark that opens a line is the line's text, as in the whole-text decoding.
QStringList SplitUtf8Lines(QByteArrayView bytes) {
    QStringList lines;
    lines.reserve(std::count(bytes.begin(), bytes.end(), '\n') + 1);
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n') continue;
        lines.append(Utf8Text(QByteArrayView(data + start, i - start)));
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < size) lines.append(Utf8Text(QByteArrayView(data + start, size - start)));
    return lines;
}

QStringList DecodeLines(const QByteArray& bytes, Encoding* used, bool* hadBom) {
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (!bom &&
        (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || !IsValidUtf8(bytes)))
        return SplitLines(DecodeText(bytes, used, hadBom));
    *used = Encoding::Utf8;
    *hadBom = bom;
    return SplitUtf8Lines(QByteArrayView(bytes).sliced(bom ? 3 : 0));
}

} // namespace

TextFileContent ReadTextFile(const QString& path) {
    TextFileContent content;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        content.error = English("Cannot open %1: %2").arg(path, file.errorString());
        return content;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        content.error = English("Cannot read %1: %2").arg(path, file.errorString());
        return content;
    }
    content.lines = DecodeLines(bytes, &content.encoding, &content.hadBom);
    content.ok = true;
    return content;
}

bool WriteTextFile(const QString& path, const QStringList& lines, QString* error) {
    return ReplaceFileWhole(path, LinesAsBytes(lines), error);
}

bool WriteTextFileRaw(const QString& path, const QString& content, QString* error) {
    return ReplaceFileWhole(path, content.toUtf8(), error);
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString* error) {
    return ReplaceFileWhole(path, bytes, error);
}

bool AppendTextLines(const QString& path, const QStringList& lines, QString* error) {
    QFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        reason = file.errorString();
    else if (!WriteAll(file, LinesAsBytes(lines)) || !file.flush())
        reason = Reason(file);
    else
        return true;
    if (error) *error = English("Cannot write %1: %2").arg(path, reason);
    return false;
}

} // namespace runtime

namespace runtime {

namespace {

// The bytes Windows-1252 text was decoded from; the decode above is one to
// one, so every character it gives has its byte back.
bool EncodeWindows1252(const QString& text, QByteArray& bytes) {
    bytes.resize(text.size());
    char* out = bytes.data();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = static_cast<char>(u);
            continue;
        }
        const auto* at = std::find(kWindows1252.begin(), kWindows1252.begin() + 32, u);
        if (at == kWindows1252.begin() + 32) return false;
        *out++ = static_cast<char>(0x80 + (at - kWindows1252.begin()));
    }
    return true;
}

bool EncodeCodePage(const QString& text, const QByteArray& name, QByteArray& bytes) {
    if (IsWindows1252Name(name)) return EncodeWindows1252(text, bytes);
    QStringEncoder encoder(name.constData(), QStringConverter::Flag::Stateless);
    if (!encoder.isValid()) return false;
    bytes = encoder.encode(text);
    return !encoder.hasError();
}

bool DecodeWithCodePage(const QByteArray& bytes, const QByteArray& name, QString& text) {
    if (IsWindows1252Name(name)) {
        text = DecodeWindows1252(bytes);
        return true;
    }
    QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) return false;
    text = decoder.decode(bytes); // a byte the code page leaves undefined shows as U+FFFD
    return true;
}

} // namespace

QByteArray SystemCodePage() {
    const QByteArray name = qgetenv("MIREL_CODEPAGE").trimmed();
    if (name.isEmpty() || IsWindows1252Name(name) || !QStringDecoder(name.constData()).isValid())
        return QByteArrayLiteral("windows-1252");
    return name;
}

bool RedecodeText(QString& text, const QByteArray& from, const QByteArray& to) {
    QByteArray bytes;
    QString decoded;
    if (!EncodeCodePage(text, from, bytes) || !DecodeWithCodePage(bytes, to, decoded)) return false;
    text = decoded;
    return true;
}

} // namespace runtime
