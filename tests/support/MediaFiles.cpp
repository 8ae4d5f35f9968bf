#include "support/MediaFiles.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

void put16(QByteArray& b, quint16 v) {
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}
void put32(QByteArray& b, quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}
void set32(QByteArray& b, qsizetype at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}

// Starts a chunk (or a list, with its type) and returns where its size goes.
qsizetype open(QByteArray& b, const char* id, const char* listType = nullptr) {
    b.append(id, 4);
    const qsizetype at = b.size();
    put32(b, 0);
    if (listType) b.append(listType, 4);
    return at;
}
void close(QByteArray& b, qsizetype at) {
    set32(b, at, static_cast<quint32>(b.size() - at - 4));
    if (b.size() % 2) b.append('\0');
}

bool save(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray frameJpeg(int frame, int fps, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((frame * 7) % 360, 160, 200));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(height / 6);
    painter.setFont(font);
    const int ms = frame * 1000 / fps;
    const QString time = QStringLiteral("%1:%2,%3")
                             .arg(ms / 60000, 2, 10, QLatin1Char('0'))
                             .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
                             .arg(ms % 1000, 3, 10, QLatin1Char('0'));
    painter.drawText(image.rect(), Qt::AlignCenter,
                     QStringLiteral("frame %1\n%2").arg(frame).arg(time));
    painter.fillRect(0, height - 10, width * frame / std::max(1, fps * 10) % width, 10, Qt::black);
    painter.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return jpeg;
}

void mainHeader(QByteArray& b, int fps, int frames, int width, int height) {
    const qsizetype at = open(b, "avih");
    for (quint32 v : {quint32(1000000 / fps), 0u, 0u, 0x10u /* has an index */, quint32(frames), 0u,
                      1u, 0u, quint32(width), quint32(height), 0u, 0u, 0u, 0u})
        put32(b, v);
    close(b, at);
}

void streamHeaders(QByteArray& b, int fps, int frames, int width, int height) {
    const qsizetype list = open(b, "LIST", "strl");
    qsizetype at = open(b, "strh");
    b.append("vidsMJPG", 8);
    for (quint32 v : {0u, 0u, 0u, 1u, quint32(fps), 0u, quint32(frames), 0u, 0xFFFFFFFFu, 0u})
        put32(b, v);
    for (quint16 v : {quint16(0), quint16(0), quint16(width), quint16(height)})
        put16(b, v);
    close(b, at);
    at = open(b, "strf");
    for (quint32 v : {40u, quint32(width), quint32(height)})
        put32(b, v);
    put16(b, 1);
    put16(b, 24);
    b.append("MJPG", 4);
    for (quint32 v : {quint32(width * height * 3), 0u, 0u, 0u, 0u})
        put32(b, v);
    close(b, at);
    close(b, list);
}

} // namespace

bool writeWav(const QString& path, double seconds, int sampleRate) {
    const int samples = static_cast<int>(seconds * sampleRate);
    QByteArray b;
    const qsizetype riff = open(b, "RIFF", "WAVE");
    qsizetype at = open(b, "fmt ");
    put16(b, 1); // PCM
    put16(b, 1); // mono
    put32(b, static_cast<quint32>(sampleRate));
    put32(b, static_cast<quint32>(sampleRate * 2));
    put16(b, 2);
    put16(b, 16);
    close(b, at);
    at = open(b, "data");
    for (int i = 0; i < samples; ++i)
        put16(b, static_cast<quint16>(static_cast<qint16>(
                     8000 * std::sin(2 * std::numbers::pi * 440 * i / sampleRate))));
    close(b, at);
    close(b, riff);
    return save(path, b);
}

bool writeVideo(const QString& path, double seconds, int fps, int width, int height) {
    const int frames = static_cast<int>(seconds * fps);
    QByteArray b;
    const qsizetype riff = open(b, "RIFF", "AVI ");
    const qsizetype header = open(b, "LIST", "hdrl");
    mainHeader(b, fps, frames, width, height);
    streamHeaders(b, fps, frames, width, height);
    close(b, header);
    const qsizetype movi = open(b, "LIST", "movi");
    std::vector<std::pair<quint32, quint32>> index; // offset from "movi", size
    for (int f = 0; f < frames; ++f) {
        const QByteArray jpeg = frameJpeg(f, fps, width, height);
        index.emplace_back(static_cast<quint32>(b.size() - movi - 4), jpeg.size());
        const qsizetype at = open(b, "00dc");
        b.append(jpeg);
        close(b, at);
    }
    close(b, movi);
    const qsizetype idx = open(b, "idx1");
    for (const auto& [offset, size] : index) {
        b.append("00dc", 4);
        put32(b, 0x10); // a key frame
        put32(b, offset);
        put32(b, size);
    }
    close(b, idx);
    close(b, riff);
    return save(path, b);
}
