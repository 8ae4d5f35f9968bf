#include "support/ReaderFixture.h"

#include "document/Loader.h"
#include "document/TimeCode.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "shell/frmMain.h"

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
    return t.writeFile(QStringLiteral("Data/Files/t%1.%2").arg(++files).arg(extension_), bytes);
}

int ReaderFixture::load(QString path, int format, bool add, bool interactive, bool progress) {
    int row = add ? t->doc.grid().rows() - 1 : 1;
    t->loader.LoadSubFile(path, format, row, false, progress, interactive);
    return format;
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
    platform::Grid& g = t->doc.grid();
    const int count = static_cast<int>(rows.size());
    g.setRows(count + 2);
    t->doc.lstFont = QStringList{QString()};
    for (int r = 1; r <= count; ++r) {
        g.setTextMatrix(r, 0, QString::number(r));
        for (int c = 1; c < 6; ++c)
            g.setTextMatrix(r, c, rows[static_cast<std::size_t>(r - 1)].value(c - 1));
        t->doc.lstFont << font;
    }
}

bool ReaderFixture::save(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    t->fileChooser().lblFullName.setCaption(path);
    return t->files.CreateSubFile(false, false, format_, 1, lines(), false);
}

QByteArray ReaderFixture::bytes(const QString& path) {
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) return f.readAll();
    ADD_FAILURE() << "cannot read " << path.toStdString();
    return {};
}

QByteArray ReaderFixture::roundTrip(int readAs) {
    const QString folder = t.folder() + "/Data/Files/";
    const QString number = QString::number(++files) + '.' + extension_;
    const QString first = folder + "first" + number, second = folder + "second" + number;
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
