#include "support/ReaderFixture.h"

#include "document/Loader.h"
#include "document/TimeCode.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "shell/frmMain.h"
#include "support/GridSetup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

ReaderFixture::ReaderFixture(int format, QString extension)
    : format_(format), extension_(std::move(extension)) {}

QString ReaderFixture::writeLines(const QStringList& lines) {
    return writeBytes((lines.join("\r\n") + "\r\n").toUtf8());
}

QString ReaderFixture::writeBytes(const QByteArray& bytes) {
    return t.writeDataFile(QStringLiteral("t%1.%2").arg(++files).arg(extension_), bytes);
}

int ReaderFixture::load(QString path, int format, bool add, bool interactive, bool progress) {
    return loadSubFile(t.program(), path, format, add, interactive, progress).format;
}

int ReaderFixture::read(const QStringList& lines, int format, bool add, bool interactive,
                        bool progress) {
    return load(writeLines(lines), format, add, interactive, progress);
}

QStringList ReaderFixture::row(int r) {
    QString number = t->doc.grid().textMatrix(r, 0);
    QStringList out = {number.remove('{').remove('}').trimmed()};
    for (int c = 1; c < 6; ++c)
        out << t->doc.grid().textMatrix(r, c);
    return out;
}

QString ReaderFixture::font(int r) {
    return t->doc.lstFont.value(r);
}

int ReaderFixture::lines() {
    return t->doc.lineCount();
}

void ReaderFixture::expectFontTab(bool goButton, bool fontNames, bool styles) {
    const FontTab& tab = t.main().editor.font;
    const auto said = [](bool supported) {
        return QString(supported ? "Supported" : "Not Supported");
    };
    EXPECT_EQ(tab.Command42.enabled(), goButton) << "the Go button";
    EXPECT_EQ(tab.Combo9[0].enabled(), fontNames) << "the font-name list";
    EXPECT_EQ(tab.Label48[0].caption(), said(fontNames)) << "the font-name list's label";
    EXPECT_EQ(tab.Combo9[1].enabled(), styles) << "the style list";
    EXPECT_EQ(tab.Label48[1].caption(), said(styles)) << "the style list's label";
}

void ReaderFixture::answerMessage(int button, QString* text, QString* title) {
    t.answer<frmMessageBox>([=](frmMessageBox& m) {
        if (text) *text = m.Label1.caption();
        if (title) *title = m.Label4.caption();
        m.cmdActionClick(button);
    });
}

void ReaderFixture::answerMessage(int button, QStringList* texts) {
    t.answer<frmMessageBox>([=](frmMessageBox& m) {
        *texts << m.Label1.caption();
        m.cmdActionClick(button);
    });
}

void ReaderFixture::setRows(std::span<const QStringList> rows, const QString& font) {
    std::vector<Line> lines;
    for (const QStringList& r : rows)
        lines.push_back({r.value(0), r.value(1), r.value(2), r.value(3), r.value(4), font});
    setLines(t.program(), lines);
}

std::vector<QStringList> ReaderFixture::hundredthsRows(const QString& text, const QString& third) {
    return {
        {"00:00:01,230", "00:00:03,456", " Hello", "", ""},
        {"09:59:58,999", "09:59:59,990", text, " ", third},
        {"01:00:00,000", "02:00:00,000", " x", " y", " z"},
        {"03:00:00,000", "03:00:01,000", " first", "", " third"},
    };
}

bool ReaderFixture::save(const QString& path) {
    return saveDocument(t.program(), path, format_);
}

QByteArray ReaderFixture::bytes(const QString& path) {
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) return f.readAll();
    ADD_FAILURE() << "cannot read " << path.toStdString();
    return {};
}

QByteArray ReaderFixture::roundTrip(int readAs) {
    const QString number = QString::number(++files) + '.' + extension_;
    const QString first = t.dataFilesPath("first" + number);
    const QString second = t.dataFilesPath("second" + number);
    EXPECT_TRUE(save(first)) << "the first write";
    const QByteArray written = bytes(first);
    EXPECT_EQ(load(first, readAs), format_) << "the format read back";
    EXPECT_TRUE(save(second)) << "the second write";
    EXPECT_EQ(bytes(second), written) << "the second write is the first one again";
    return written;
}

void ReaderFixture::expectWithinAFrame(std::span<const QStringList> rows, const QString& rate) {
    const double frameMs = 1000 / rate.toDouble();
    for (int r = 1; r <= static_cast<int>(rows.size()); ++r) {
        const QStringList& o = rows[static_cast<std::size_t>(r - 1)];
        for (int c = 1; c <= 2; ++c) {
            const double lost = TimeToMs(o[c - 1]) - TimeToMs(row(r)[c]);
            EXPECT_TRUE(lost >= 0 && lost < frameMs)
                << rate.toStdString() << " row " << r << " " << lost;
        }
        EXPECT_EQ(row(r).mid(3), o.mid(2)) << rate.toStdString() << " row " << r;
    }
}
