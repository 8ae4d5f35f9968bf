// The pieces the readers share (document/readers/Common.h): the clock and
// hundredths time fields read by hand, and the row and loop steps run on a
// reader frame over lines given in the test: which lines become rows, which
// are bad lines, and what each counts as an entry of the progress.

#include "document/ReaderFrame.h"
#include "document/frmMessageBox.h"
#include "document/readers/Common.h"
#include "platform/Grid.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <climits>

namespace {

// ---- Time fields ----------------------------------------------------------------------

struct ClockCase {
    const char* text;
    const char* code; // the time code of the clock read
    qsizetype end;    // where reading stopped
};

TEST(ReaderCommon, AClockIsReadWithItsBlanksSignAndFraction) {
    const ClockCase cases[] = {
        {"0:01:02.35", "00:01:02,350", 10},       // hundredths gain a zero
        {"  12:34:56.789  ", "12:34:56,789", 16}, // blanks around it are passed over
        {"1:2:3", "01:02:03,000", 5},             // one digit each, no fraction
        {"1:02:03:4", "01:02:03,400", 9},         // the fraction after a colon
        {"0:00:01.50,0:00:02", "00:00:01,500", 10},
        {"1:02:03.x", "01:02:03,000", 7},     // no digit after the point: no fraction
        {"1:02:03.1234", "01:02:03,123", 11}, // three fraction digits at most
        {"10:00:00", "10:00:00,000", 8},
    };
    for (const ClockCase& c : cases) {
        readers::Clock clock;
        qsizetype end = -1;
        ASSERT_TRUE(readers::ReadClock(QString::fromLatin1(c.text), clock, end)) << c.text;
        EXPECT_FALSE(clock.negative) << c.text;
        EXPECT_EQ(readers::TimeCodeOf(clock), c.code) << c.text;
        EXPECT_EQ(end, c.end) << c.text;
    }
}

TEST(ReaderCommon, AClockBeforeZeroTakesTheProgramsNegativeForm) {
    readers::Clock clock;
    qsizetype end = 0;
    ASSERT_TRUE(readers::ReadClock(u" -0:00:01.5", clock, end));
    EXPECT_TRUE(clock.negative);
    EXPECT_EQ(readers::TimeCodeOf(clock), "-1:59:58,500");
    EXPECT_EQ(end, 11);
}

TEST(ReaderCommon, WhatIsNoClockIsRefused) {
    for (const char* text : {"", "  ", "12", "1:02", "1:02:", "a:02:03", "1::03", "123:00:00",
                             "1:234:00", "- 1:00:00", "x1:00:00"}) {
        readers::Clock clock;
        qsizetype end = -1;
        EXPECT_FALSE(readers::ReadClock(QString::fromLatin1(text), clock, end)) << text;
    }
}

// Each format's clock form, as its reader reads it: SubRip's comma before the
// fraction, the whole seconds of SubViewer 1.0 and TMPlayer.
TEST(ReaderCommon, AClockIsReadInTheFormItsFormatWrites) {
    const readers::ClockForm plain, comma{u",.", false}, whole{u"", true}, bare{u"", false};
    struct {
        const char* text;
        const readers::ClockForm& form;
        const char* code; // "" when the text is no clock of that form
    } const cases[] = {
        {"1:02:03,5", comma, "01:02:03,500"},
        {"1:02:03.45", comma, "01:02:03,450"},
        {"1:02:03:4", comma, ""},
        {"1:02:03,5", plain, ""},
        {" 1:02:03", comma, ""},
        {"-0:00:01,25", comma, "-1:59:58,750"},
        {" 0:00:07 ", whole, "00:00:07,000"},
        {"0:00:07.5", whole, ""},
        {"0:00:07", bare, "00:00:07,000"},
        {" 0:00:07", bare, ""},
        {"0:00:07:text", bare, ""}, // more than the clock
    };
    for (const auto& c : cases)
        EXPECT_EQ(readers::ClockTimeCode(QString::fromLatin1(c.text), c.form), c.code) << c.text;
}

// Only the times a document holds: any other number is no time (and no
// arithmetic is done on it first, so the smallest 64-bit number is safe too).
TEST(ReaderCommon, MillisecondsBecomeATimeCodeOnlyWithinADocumentsTimes) {
    EXPECT_EQ(readers::MillisTime(0), "00:00:00,000");
    EXPECT_EQ(readers::MillisTime(3723004), "01:02:03,004");
    EXPECT_EQ(readers::MillisTime(99LL * 3600000 + 3599999), "99:59:59,999");
    EXPECT_EQ(readers::MillisTime(-9LL * 3600000), "-9:00:00,000");
    for (long long beyond : {100LL * 3600000, -9LL * 3600000 - 1, LLONG_MIN, LLONG_MAX})
        EXPECT_EQ(readers::MillisTime(beyond), "") << beyond;
}

// A tag is found in any letter case, as Qt folds letters in a search in any
// letter case: also a letter outside ASCII that folds to the tag's letter.
TEST(ReaderCommon, ATagIsFoundInAnyLetterCase) {
    struct Case {
        QString text;
        const char* tag;
        qsizetype from, at;
    };
    const Case cases[] = {
        {"   <SYNC START=100>", "<sync start=", 0, 3},
        {"<Sync Start=1><sync start=2>", "<sync start=", 1, 14},
        {"<P>text<BR>more", "<br", 0, 7},
        {QString::fromUtf16(u"<\u017FYNC START=5>"), "<sync start=", 0, 0}, // long s folds to s
        {QString::fromUtf16(u"x<CLEAR/>"), "<clear/>", 0, 1},
        {QString::fromUtf16(u"<\u212Aey>"), "<key>", 0, 0}, // the Kelvin sign folds to k
        {QString::fromUtf16(u"<\u00DFync start=1>"), "<sync start=", 0, -1},
        {"<syn", "<sync start=", 0, -1},
        {"no tag here", "<p", 0, -1},
        {"&NBSP;&nbsp;", "&nbsp;", 1, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readers::FindTag(c.text, QLatin1String(c.tag), c.from), c.at)
            << c.text.toStdString() << " / " << c.tag;
        // the same place as a search in any letter case
        qsizetype reference = -1;
        for (qsizetype i = c.text.indexOf(QLatin1Char(c.tag[0]), c.from); i >= 0 && reference < 0;
             i = c.text.indexOf(QLatin1Char(c.tag[0]), i + 1))
            if (QStringView(c.text).sliced(i).startsWith(QLatin1String(c.tag), Qt::CaseInsensitive))
                reference = i;
        EXPECT_EQ(c.at, reference) << c.text.toStdString();
    }
}

TEST(ReaderCommon, AHundredthsTimeIsReadWhereItStands) {
    const QString line = QStringLiteral("1:02:03.45 12:34:56,78 junk");
    qsizetype pos = 0;
    EXPECT_EQ(readers::HundredthsTime(line, pos), "01:02:03,450");
    EXPECT_EQ(pos, 10);
    pos = 11;
    EXPECT_EQ(readers::HundredthsTime(line, pos), "12:34:56,780")
        << "two hour digits, and any one character before the hundredths";
    EXPECT_EQ(pos, 22);

    for (const char* text : {"1:2:03.45", "1:02:03.4", "123:00:00.00", "0:00:0x.00", "0:00:01.0x",
                             ":00:01.00", "0-00:01.00", ""}) {
        const QString bad = QString::fromLatin1(text);
        qsizetype at = 0;
        EXPECT_TRUE(readers::HundredthsTime(bad, at).isEmpty()) << text;
        EXPECT_EQ(at, 0) << text << ": the position stays where it was";
    }
}

// ---- Rows and reading loops on a frame --------------------------------------------------

bool NoLine(const QString&) {
    return false;
}

// "start;end;text": a row through StartTimedRow, then its text.
ReadOutcome TimedRows(ReaderFrame& f) {
    while (!f.atEnd()) {
        const QStringList fields = f.nextLine().split(u';');
        if (readers::StartTimedRow(f, fields.value(0), fields.value(1))) f.addText(fields.value(2));
    }
    return ReadOutcome::Finished;
}

// "start,end,text": the frames and the text, as the line stands.
std::optional<readers::FrameLine> SplitAtCommas(const QString& line) {
    const qsizetype first = line.indexOf(u','), second = line.indexOf(u',', first + 1);
    if (first < 0 || second < 0) return std::nullopt;
    const QStringView v(line);
    return readers::FrameLine{v.left(first), v.mid(first + 1, second - first - 1),
                              v.mid(second + 1)};
}

ReadOutcome FrameRows(ReaderFrame& f) {
    return readers::ReadFrameLines(f, &SplitAtCommas);
}

bool OpensEntry(const QString& line) {
    return line.startsWith(u'#');
}

// "#start", then text lines up to an empty one.
ReadOutcome EntryRows(ReaderFrame& f) {
    return readers::ReadEntries(f, &OpensEntry, [&f](const QString& line) {
        f.setStartTime(line.mid(1));
        while (!f.atEnd()) {
            const QString& text = f.nextLine();
            if (text.isEmpty()) return;
            f.addText(text);
        }
    });
}

class ReaderCommonFrame : public ::testing::Test {
protected:
    // Reads the lines with the parse pass given, asking about bad lines: each
    // question is answered Yes and its text kept in `asked`.
    void read(const QStringList& lines, ReadOutcome (*parse)(ReaderFrame&), int questions) {
        for (int i = 0; i < questions; ++i)
            t.answer<frmMessageBox>([this](frmMessageBox& m) {
                asked << m.Label1.caption();
                m.cmdActionClick(frmMessageBox::Yes);
            });
        source = LineSource(lines);
        ReaderFrame frame(t.program(), source, {"f.txt", 9, 1, false, true});
        const SubtitleReader reader{{}, &NoLine, parse};
        frame.CountPass(reader);
        EXPECT_EQ(frame.Read(reader), ReadOutcome::Finished);
        rows = frame.rowsWritten();
        entries = frame.entryNumber();
    }
    QStringList row(int r) {
        QStringList cells;
        for (int c = 1; c < 6; ++c)
            cells << t->doc.grid().textMatrix(r, c);
        return cells;
    }

    TestProgram t;
    LineSource source;
    QStringList asked;
    int rows = 0, entries = 0;
};

TEST_F(ReaderCommonFrame, ATimedRowNeedsBothItsTimes) {
    read({"00:00:01,000;00:00:02,000;first", ";00:00:04,000;no start", "00:00:05,000;;no end",
          "00:00:07,000;00:00:08,000;second"},
         &TimedRows, 2);
    ASSERT_EQ(rows, 2) << "a line without a time leaves no row";
    EXPECT_EQ(row(1), QStringList({"00:00:01,000", "00:00:02,000", " first", "", ""}));
    EXPECT_EQ(row(2), QStringList({"00:00:07,000", "00:00:08,000", " second", "", ""}));
    EXPECT_EQ(entries, 2) << "only the rows count as entries";
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].contains("Line #1 = ';00:00:04,000;no start'")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("Line #1 = '00:00:05,000;;no end'")) << asked[1].toStdString();
}

TEST_F(ReaderCommonFrame, FrameLinesBecomeRowsAtTheFrameRate) {
    t->shell.FrameRateText = "25.000";
    read({"25,50,Hi|there", "", "   ", "no commas here", "  75 , 100 ,  a  |b|c|d", "-25,0,early",
          "9000000,9000001,past 99:59:59,999", "-810001,0,more than 9 hours early",
          "1,99999999999999999999999,huge"},
         &FrameRows, 5);
    ASSERT_EQ(rows, 3) << "blank lines and a line that does not fit leave no row";
    EXPECT_EQ(row(1), QStringList({"00:00:01,000", "00:00:02,000", " Hi", " there", ""}));
    EXPECT_EQ(row(2), QStringList({"00:00:03,000", "00:00:04,000", " a", " b", " c"}))
        << "the line as read: blanks around the frames, three text lines at most";
    EXPECT_EQ(row(3)[0], "-1:59:59,000") << "a frame before the start of the film";
    EXPECT_EQ(entries, 7) << "every line that is not blank counts, fitting or not";
    ASSERT_EQ(asked.size(), 5);
    EXPECT_TRUE(asked[0].contains("Line #2 = 'no commas here'")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("Line #3 = '  75 , 100 ,  a  |b|c|d'")) << "the fourth piece";
    for (int i = 2; i < 5; ++i) // frames whose time no document holds
        EXPECT_TRUE(asked[i].contains(QString("Line #%1 = ").arg(i + 3))) << asked[i].toStdString();
}

TEST_F(ReaderCommonFrame, EntriesOpenWithTheirOwnLine) {
    read({"", "stray", "#00:00:01,000", "a", "b", "", "   ", "#00:00:05,000", "c", "", "#x"},
         &EntryRows, 2);
    ASSERT_EQ(rows, 3);
    EXPECT_EQ(row(1), QStringList({"00:00:01,000", "00:00:05,000", " a", " b", ""}))
        << "an entry without an end time ends where the next one starts";
    EXPECT_EQ(row(2), QStringList({"00:00:05,000", "00:00:07,000", " c", "", ""}))
        << "a line of blanks between entries is passed over";
    EXPECT_EQ(row(3)[2], "") << "an entry that ends with the file";
    EXPECT_EQ(entries, 3) << "bad lines do not count as entries";
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].contains("Line #0 = 'stray'")) << asked[0].toStdString();
    EXPECT_EQ(asked[1], "3 rows had no end time in the file: row 1 now ends where the next row "
                        "starts, rows 2 and 3 end 2 s after they start.");
}

} // namespace
