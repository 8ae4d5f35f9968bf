// The PowerDivX reader through LoadSubFile: times and text taken by position,
// blank lines, an add, the reading limit, and a document written, read back
// and written again.

#include "document/Loader.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "shell/frmMain.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
#include <ostream>
#include <vector>

// Shows QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

constexpr int PowerDivX = 5;

class PowerDivXReader : public ::testing::Test {
protected:
    // Loads the lines (each ended by CR LF) as a PowerDivX file.
    int read(const QStringList& lines, int format = PowerDivX, bool add = false) {
        QString name = t.writeFile(QStringLiteral("Data/Files/t%1.psb").arg(++files),
                                   (lines.join("\r\n") + "\r\n").toUtf8());
        int row = add ? t->doc.grid().rows() - 1 : 1;
        t->loader.LoadSubFile(name, format, row, false, false, false);
        return format;
    }
    // A row's cells; column 0 as its number (without the part marks).
    QStringList row(int r) {
        QString number = t->doc.grid().textMatrix(r, 0);
        number.remove('{').remove('}');
        QStringList out = {number.trimmed()};
        for (int c = 1; c < 6; ++c)
            out << t->doc.grid().textMatrix(r, c);
        return out;
    }
    int lines() { return t->doc.lineCount(); }

    TestProgram t;
    int files = 0;
};

TEST_F(PowerDivXReader, EachLineIsARowReadByPosition) {
    EXPECT_EQ(read({"{00:01:02}{00:01:05}Hello|World", "{01:00:00}{01:00:04}a|b|c|d",
                    "{00:00:10}{00:00:12}", "{0:12:34}{0:12:40}Hi", "{23:59:59}{99:00:00}  x  "},
                   0),
              PowerDivX);
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(1), QStringList({"1", "00:01:02,000", "00:01:05,000", " Hello", " World", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "01:00:00,000", "01:00:04,000", " a", " b", " c"}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:10,000", "00:00:12,000", " ", "", ""}));
    EXPECT_EQ(row(4), QStringList({"4", "00:02:04,000", "00:00:00,000", " ", "", ""}))
        << "one-digit hours are read from the fixed places";
    EXPECT_EQ(row(5), QStringList({"5", "23:59:59,000", "99:00:00,000", " x", "", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    EXPECT_FALSE(t.main().editor.font.Command42.enabled());
    EXPECT_EQ(t.main().editor.font.Label48[0].caption(), "Not Supported");
}

TEST_F(PowerDivXReader, BlankLinesNeverBecomeRows) {
    read({"", "{00:00:01}{00:00:02}one", "   ", "{00:00:03}{00:00:04}two", "", ""});
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " two", "", ""}));
}

TEST_F(PowerDivXReader, AnAddStartsAfterTheLastEndTime) {
    read({"{00:00:01}{00:00:02}first"});
    t->doc.grid().setTextMatrix(1, 2, "00:10:00,500");
    read({"{00:00:59}{00:01:00}x"}, PowerDivX, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:10:59,500", "00:11:00,500", " x", "", ""}));
}

TEST_F(PowerDivXReader, TheReadingLimitCountsSubtitleLinesOnly) {
    QStringList file;
    for (int i = 0; i < 9998; ++i)
        file << QStringLiteral("{%1}{%1}Line %2")
                    .arg(QString::asprintf("%02d:%02d:%02d", i / 3600, i / 60 % 60, i % 60))
                    .arg(i + 1);
    read(QStringList(file) << "");
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(9998),
              QStringList({"9998", "02:46:37,000", "02:46:37,000", " Line 9998", "", ""}));
    read(QStringList(file) << "{00:00:01}{00:00:02}one more");
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 9998);
}

TEST_F(PowerDivXReader, WhatMirelWritesItReadsAndWritesTheSame) {
    const std::vector<QStringList> original = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"10:00:00,999", "12:34:56,789", " a", " ", " c"},
        {"00:00:50,062", "00:00:54,000", " {y:i}x}{y", "", ""},
        {"23:59:59,000", "99:00:00,000", " a=b, \"c\"", " d", " last"},
    };
    platform::Grid& g = t->doc.grid();
    g.setRows(static_cast<int>(original.size()) + 2);
    t->doc.lstFont = QStringList{QString()};
    for (int r = 1; r <= static_cast<int>(original.size()); ++r) {
        g.setTextMatrix(r, 0, QString::number(r));
        for (int c = 1; c < 6; ++c)
            g.setTextMatrix(r, c, original[static_cast<std::size_t>(r - 1)][c - 1]);
        t->doc.lstFont << "Arial;Western;Regular;16";
    }
    const auto save = [&](const QString& name) {
        QDir().mkpath(t.folder() + "/Data/Files");
        const QString target = t.folder() + "/Data/Files/" + name + ".psb";
        t->fileChooser().lblFullName.setCaption(target);
        EXPECT_TRUE(t->files.CreateSubFile(false, false, PowerDivX, 1, lines(), false));
        QFile f(target);
        return std::make_pair(target, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    };
    const auto first = save("first");
    EXPECT_TRUE(first.second.startsWith("{00:00:01}{00:00:02}Hello|world\r\n"));
    int format = 0, start = 1;
    QString name = first.first;
    t->loader.LoadSubFile(name, format, start, false, false, false);
    EXPECT_EQ(format, PowerDivX);
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(save("second").second, first.second);
    for (int r = 1; r <= 4; ++r) {
        const QStringList& o = original[static_cast<std::size_t>(r - 1)];
        EXPECT_EQ(row(r)[1], o[0].left(8) + ",000") << "whole seconds, row " << r;
        EXPECT_EQ(row(r)[2], o[1].left(8) + ",000") << "whole seconds, row " << r;
        EXPECT_EQ(row(r).mid(3), o.mid(2)) << "row " << r;
    }
}

} // namespace
