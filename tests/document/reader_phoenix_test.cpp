// The Phoenix Japanimation reader through LoadSubFile: frames padded or not,
// the quoted text and its quotes, blank lines, lines that do not fit, an add,
// the sample of tests/data/pjs, and a document written, read back and written
// again.

#include "document/Loader.h"
#include "document/TimeCode.h"
#include "document/frmMessageBox.h"
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

constexpr int Phoenix = 4;

class PhoenixReader : public ::testing::Test {
protected:
    // Loads the lines (each ended by CR LF) as a Phoenix Japanimation file.
    int read(const QStringList& lines, int format = Phoenix, bool add = false,
             bool interactive = false) {
        const QString name = t.writeFile(QStringLiteral("Data/Files/t%1.pjs").arg(++files),
                                         (lines.join("\r\n") + "\r\n").toUtf8());
        return load(name, format, add, interactive);
    }
    int load(QString name, int format = Phoenix, bool add = false, bool interactive = false) {
        int row = add ? t->doc.grid().rows() - 1 : 1;
        t->loader.LoadSubFile(name, format, row, false, false, interactive);
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

TEST_F(PhoenixReader, PaddedAndUnpaddedLinesReadTheSame) {
    read({"   1200,   1350, \"Hello|World\"", "1200, 1350, \"Hello|World\"",
          "1200,1350,\"Hello|World\"", "  -25,     0, \"early\""});
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 4);
    const QStringList expected = {"00:00:48,000", "00:00:54,000", " Hello", " World", ""};
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(row(r).mid(1), expected) << "row " << r;
    EXPECT_EQ(row(4).mid(1, 3), QStringList({"-1:59:59,000", "00:00:00,000", " early"}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    EXPECT_FALSE(t.main().editor.font.Combo9[1].enabled());
    EXPECT_EQ(t.main().editor.font.Label48[1].caption(), "Not Supported");
}

TEST_F(PhoenixReader, FramesFollowTheChosenRate) {
    t->shell.FrameRateText = "23.970";
    read({"   1200,   2997, \"x\""});
    EXPECT_EQ(row(1).mid(1, 2), QStringList({"00:00:50,062", "00:02:05,031"}));
    t->shell.FrameRateText = "25.000";
    read({"      3,  25, \"x\"", "abc,, \"x\""});
    EXPECT_EQ(row(1).mid(1, 2), QStringList({"00:00:00,120", "00:00:01,000"}));
    EXPECT_EQ(row(2).mid(1, 2), QStringList({"00:00:00,000", "00:00:00,000"}))
        << "fields without a number read as frame 0";
}

TEST_F(PhoenixReader, TheTextLosesItsFirstQuoteAndItsLastCharacter) {
    read({"      0,     25, \"\"", "      0,     25, \"Hi\" ", "      0,     25, \"a|b|c|d\"",
          "      0,     25, \"He said, \"go\", then left\"", "      0,     25, \"  a  |  b  \""});
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:00,000", "00:00:01,000", " ", "", ""}));
    EXPECT_EQ(row(2)[3], " Hi\"") << "a blank after the closing quote is lost instead of it";
    EXPECT_EQ(row(3).mid(3), QStringList({" a", " b", " c"}));
    EXPECT_EQ(row(4)[3], " He said, \"go\", then left");
    EXPECT_EQ(row(5).mid(3), QStringList({" a", " b", ""}));
}

TEST_F(PhoenixReader, BlankLinesAreSkippedAndLinesThatDoNotFitAreBadLines) {
    const QStringList file = {
        "",         "     25,     50, \"one\"", "   ",          "     25,     50, \"",
        "no quote", "25 50 \"no commas\"",      "25, \"a, b\"", "     75,    100, \"two\"",
        ""};
    QStringList asked;
    for (int i = 0; i < 4; ++i)
        t.answer<frmMessageBox>([&asked](frmMessageBox& m) {
            asked << m.Label1.caption();
            m.cmdActionClick(frmMessageBox::Yes);
        });
    read(file, Phoenix, false, true);
    ASSERT_EQ(asked.size(), 4);
    EXPECT_TRUE(asked[0].contains("Line #2 = '     25,     50, \"'")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("= 'no quote'")) << asked[1].toStdString();
    EXPECT_TRUE(asked[3].contains("= '25, \"a, b\"'")) << asked[3].toStdString();
    EXPECT_TRUE(t->loader.LoadOk) << "bad lines do not fail the read";
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " one", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " two", "", ""}));

    read(file); // not interactive: passed over without a word
    EXPECT_EQ(lines(), 2);
    EXPECT_EQ(read(file, 0), Phoenix) << "detected past the blank first line";
    EXPECT_EQ(lines(), 2);
}

TEST_F(PhoenixReader, AnAddStartsAfterTheLastEndTime) {
    read({"     25,  15000, \"first\""});
    read({"   1200,   1350, \"Hello\""}, Phoenix, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:10:48,000", "00:10:54,000", " Hello", "", ""}));
}

TEST_F(PhoenixReader, TheReadingLimitCountsSubtitleLinesOnly) {
    QStringList file;
    for (int i = 0; i < 9998; ++i)
        file << QStringLiteral("%1,%2, \"Line %3\"").arg(i * 50, 7).arg(i * 50 + 40, 7).arg(i + 1);
    read(QStringList(file) << ""
                           << "");
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(9998)[3], " Line 9998");
    read(QStringList(file) << "      1,      2, \"one more\"");
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 9998);
}

TEST_F(PhoenixReader, TheSampleLoadsWithItsTimesAndTexts) {
    EXPECT_EQ(load(QStringLiteral(MIREL_SAMPLES_DIR) + "/pjs/se_test_phoenix.pjs", 0), Phoenix);
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:01:37,880", "00:01:40,520",
                                   " You should come to the Drama Club, too.", "", ""}));
    EXPECT_EQ(row(2),
              QStringList({"2", "00:01:40,520", "00:01:43,760", " Yeah. The Drama Club is worried",
                           " that you haven't been coming.", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "00:01:44,120", "00:01:47,000",
                                   " \"I see. Sorry, \"I'll drop\" by next time.\"", "", ""}));
}

// ---- Round trip ---------------------------------------------------------------------

TEST_F(PhoenixReader, WhatMirelWritesItReadsAndWritesTheSame) {
    const std::vector<QStringList> original = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"10:00:00,000", "12:34:56,789", " a", " ", " c"},
        {"00:00:50,062", "00:00:54,000", " He said, \"go\"", "", ""},
        {"23:59:59,999", "24:00:00,000", " \"quoted\"", " and, commas", " last"},
    };
    platform::Grid& g = t->doc.grid();
    const auto save = [&](const QString& name) {
        QDir().mkpath(t.folder() + "/Data/Files");
        const QString target = t.folder() + "/Data/Files/" + name + ".pjs";
        t->fileChooser().lblFullName.setCaption(target);
        EXPECT_TRUE(t->files.CreateSubFile(false, false, Phoenix, 1, lines(), false));
        QFile f(target);
        return std::make_pair(target, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    };
    for (const char* rate : {"23.970", "30.000"}) {
        t->shell.FrameRateText = rate;
        g.setRows(static_cast<int>(original.size()) + 2);
        t->doc.lstFont = QStringList{QString()};
        for (int r = 1; r <= static_cast<int>(original.size()); ++r) {
            g.setTextMatrix(r, 0, QString::number(r));
            for (int c = 1; c < 6; ++c)
                g.setTextMatrix(r, c, original[static_cast<std::size_t>(r - 1)][c - 1]);
            t->doc.lstFont << "Arial;Western;Regular;16";
        }
        const auto first = save(QStringLiteral("first%1").arg(++files));
        ASSERT_FALSE(first.second.isEmpty()) << rate;
        EXPECT_TRUE(first.second.startsWith(QString(rate) == "30.000"
                                                ? "     30,     75, \"Hello|world\"\r\n"
                                                : "     23,     59, \"Hello|world\"\r\n"))
            << first.second.left(40).toStdString();
        EXPECT_EQ(load(first.first), Phoenix) << rate;
        ASSERT_EQ(lines(), 4) << rate;
        EXPECT_EQ(save(QStringLiteral("second%1").arg(files)).second, first.second) << rate;

        const double frameMs = 1000 / QString(rate).toDouble();
        for (int r = 1; r <= 4; ++r) {
            const QStringList& o = original[static_cast<std::size_t>(r - 1)];
            for (int c = 1; c <= 2; ++c) {
                const double lost = TimeToMs(o[c - 1]) - TimeToMs(row(r)[c]);
                EXPECT_TRUE(lost >= 0 && lost < frameMs) << rate << " row " << r << " " << lost;
            }
            EXPECT_EQ(row(r).mid(3), o.mid(2)) << rate << " row " << r;
        }
    }
}

} // namespace
