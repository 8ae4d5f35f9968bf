// The Sonic DVD reader through LoadSubFile: entry lines in fixed columns,
// frame counts turned into hundredths at every frame rate (rounded up, and
// carried into the seconds at or above the rate), continuation lines, lines
// outside the layout, the end of the file inside an entry, an add, and a
// document written, read back and written again at every rate.

#include "document/Loader.h"
#include "document/TimeCode.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "shell/frmMain.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cmath>
#include <ostream>
#include <vector>

// Shows QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

constexpr int SonicDvd = 8;

// An entry line: number, start and end as hh:mm:ss:ff, text from column 33.
QString Entry(int number, const QString& start, const QString& end, const QString& text) {
    return QStringLiteral("%1  %2  %3  %4")
        .arg(number, 4, 10, QLatin1Char('0'))
        .arg(start, end, text);
}

class SonicDvdReader : public ::testing::Test {
protected:
    SonicDvdReader() { t->shell.FrameRateText = "25.000"; }

    // Loads the lines (each ended by CR LF) as a Sonic DVD file.
    int read(const QStringList& lines, int format = SonicDvd, bool add = false,
             bool interactive = false) {
        const QString name = t.writeFile(QStringLiteral("Data/Files/t%1.sub").arg(++files),
                                         (lines.join("\r\n") + "\r\n").toUtf8());
        return load(name, format, add, interactive);
    }
    int load(QString name, int format = SonicDvd, bool add = false, bool interactive = false) {
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
    // The start time that "00:00:01:<frame>" reads as at a frame rate.
    QString startOf(const QString& time, const QString& rate) {
        t->shell.FrameRateText = rate;
        read({Entry(1, time, "00:00:09:00", "x"), ""});
        return row(1)[1];
    }

    TestProgram t;
    int files = 0;
};

TEST_F(SonicDvdReader, AnEntryLineBecomesARow) {
    EXPECT_EQ(read({Entry(1, "00:00:01:10", "00:00:03:05", "Hello"), ""}, 0), SonicDvd);
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,400", "00:00:03,200", " Hello", "", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    FontTab& tab = t.main().editor.font;
    EXPECT_FALSE(tab.Command42.enabled());
    EXPECT_FALSE(tab.Combo9[0].enabled());
    EXPECT_FALSE(tab.Label20.enabled());
    EXPECT_FALSE(tab.Combo9[1].enabled());
    EXPECT_FALSE(tab.Label44.enabled());
    EXPECT_EQ(tab.Label48[0].caption(), "Not Supported");
    EXPECT_EQ(tab.Label48[1].caption(), "Not Supported");
}

TEST_F(SonicDvdReader, FramesBecomeHundredthsAtTheChosenRateRoundedUp) {
    struct Case {
        const char* time;
        const char* rate;
        const char* start;
    };
    const Case cases[] = {
        {"00:00:01:00", "23.970", "00:00:01,000"},
        {"00:00:01:00", "30.000", "00:00:01,000"},
        {"00:00:01:01", "25.000", "00:00:01,040"},
        {"00:00:01:24", "25.000", "00:00:01,960"},
        {"00:00:01:15", "30.000", "00:00:01,500"},
        {"00:00:01:29", "30.000", "00:00:01,970"},
        {"00:00:01:12", "24.000", "00:00:01,500"},
        {"00:00:01:01", "23.970", "00:00:01,050"},
        {"00:00:01:12", "23.970", "00:00:01,510"},
        {"00:00:01:23", "23.970", "00:00:01,960"},
        {"00:00:01:15", "29.970", "00:00:01,510"},
        {"00:00:01: 7", "25.000", "00:00:01,280"},
        {"00:00:01:  ", "25.000", "00:00:01,000"},
        {"00:00:01:xx", "25.000", "00:00:01,000"},
        // a count at or above the rate carries into the seconds
        {"00:00:01:25", "25.000", "00:00:02,000"},
        {"00:00:01:30", "25.000", "00:00:02,200"},
        {"00:00:59:25", "25.000", "00:01:00,000"},
        {"00:59:59:99", "23.970", "01:00:03,140"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(startOf(c.time, c.rate), c.start) << c.time << " at " << c.rate;
}

TEST_F(SonicDvdReader, ContinuationLinesRunToTheEmptyLine) {
    read({Entry(1, "00:00:01:00", "00:00:02:00", "  a  "), "b", "   ", "",
          Entry(2, "00:00:03:00", "00:00:04:00", ""), "", "",
          Entry(3, "10:00:00:00", "10:00:01:00", "last"), "no empty line after it"});
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " a", " b", " "}))
        << "a line of blanks is text";
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " ", "", ""}))
        << "the first text line is always written; a second empty line is passed over";
    EXPECT_EQ(row(3), QStringList({"3", "10:00:00,000", "10:00:01,000", " last",
                                   " no empty line after it", ""}));
}

TEST_F(SonicDvdReader, LinesOutsideTheLayoutAreBadLinesAndReadingGoesOn) {
    const QStringList file = {"st_format 2",
                              Entry(1, "00:00:01:00", "00:00:02:00", "a"),
                              "b",
                              "c",
                              "d",
                              "",
                              Entry(2, "00:00:03:00", "00:00:04:00", "e"),
                              ""};
    QStringList asked;
    t.answer<frmMessageBox>([&](frmMessageBox& m) {
        asked << m.Label1.caption();
        m.cmdActionClick(frmMessageBox::Yes);
    });
    t.answer<frmMessageBox>([&](frmMessageBox& m) {
        asked << m.Label1.caption();
        m.cmdActionClick(frmMessageBox::Yes);
    });
    read(file, SonicDvd, false, true);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].contains("Line #0 = 'st_format 2'")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("Line #1 = 'd'")) << asked[1].toStdString();
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " a", " b", " c"}));
    EXPECT_EQ(row(2)[3], " e");

    read(file); // not interactive: the same file loads without a word
    EXPECT_EQ(lines(), 2);
}

TEST_F(SonicDvdReader, AnAddShiftsTheTimesAfterTheLastLine) {
    read({Entry(1, "00:00:01:00", "01:30:00:00", "old"), ""});
    read({Entry(1, "00:00:05:10", "00:00:06:00", "new"), ""}, SonicDvd, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "01:30:05,400", "01:30:06,000", " new", "", ""}));
}

// ---- Round trip ---------------------------------------------------------------------

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class SonicDvdRoundTrip : public SonicDvdReader {
protected:
    void setRows(const std::vector<QStringList>& rows) {
        platform::Grid& g = t->doc.grid();
        g.setRows(static_cast<int>(rows.size()) + 2);
        t->doc.lstFont = QStringList{QString()};
        for (int r = 1; r <= static_cast<int>(rows.size()); ++r) {
            g.setTextMatrix(r, 0, QString::number(r));
            for (int c = 1; c < 6; ++c)
                g.setTextMatrix(r, c, rows[static_cast<std::size_t>(r - 1)][c - 1]);
            t->doc.lstFont << "Arial;Western;Regular;16";
        }
    }
    void save(const QString& path) {
        QDir().mkpath(t.folder() + "/Data/Files");
        t->fileChooser().lblFullName.setCaption(path);
        EXPECT_TRUE(t->files.CreateSubFile(false, false, SonicDvd, 1, lines(), false));
    }
};

TEST_F(SonicDvdRoundTrip, WhatMirelWritesItReadsAndWritesTheSameAtEveryRate) {
    const std::vector<QStringList> original = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"10:00:00,999", "12:34:56,789", " Say, \"yes\"", " ", " c"},
        {"00:00:50,041", "00:00:54,960", "", " only the second", ""},
        {"23:59:59,999", "24:00:00,000", " a", "", " last"},
    };
    const QRegularExpression entryLine(
        QStringLiteral(R"(^\d{4}  \d\d:\d\d:\d\d:\d\d  \d\d:\d\d:\d\d:\d\d  )"));
    for (const char* rate : {"23.970", "24.000", "25.000", "29.970", "30.000"}) {
        SCOPED_TRACE(rate);
        t->shell.FrameRateText = rate;
        setRows(original);
        const QString first = t.folder() + QStringLiteral("/Data/Files/first%1.sub").arg(++files);
        save(first);
        const QStringList written = QString::fromUtf8(FileBytes(first)).split("\r\n");
        for (const int at : {0, 3, 7, 10})
            EXPECT_TRUE(entryLine.match(written.value(at)).hasMatch())
                << written.value(at).toStdString();

        EXPECT_EQ(load(first, 0), SonicDvd);
        ASSERT_EQ(lines(), 4);
        EXPECT_EQ(QStringList(row(1).mid(3)), QStringList({" Hello", " world", ""}));
        EXPECT_EQ(QStringList(row(2).mid(3)), QStringList({" Say, \"yes\"", " ", " c"}));
        EXPECT_EQ(QStringList(row(3).mid(3)), QStringList({" ", " only the second", ""}));
        EXPECT_EQ(QStringList(row(4).mid(3)), QStringList({" a", " last", ""}));
        // Each time reads back within its frame: at most one frame early
        // (the frame's start) and never more than a hundredth late.
        const double frameMs = 1000 / QString(rate).toDouble();
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 2; ++c) {
                const double was = TimeToMs(original[static_cast<std::size_t>(r - 1)][c - 1]);
                const double is = TimeToMs(row(r)[c]);
                EXPECT_LT(was - is, frameMs) << r << "," << c << ": " << row(r)[c].toStdString();
                EXPECT_LT(is - was, 10) << r << "," << c << ": " << row(r)[c].toStdString();
            }

        const QString second = t.folder() + QStringLiteral("/Data/Files/second%1.sub").arg(files);
        save(second);
        EXPECT_EQ(FileBytes(second), FileBytes(first));
    }
}

} // namespace
