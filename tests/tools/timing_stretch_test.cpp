// The Stretch page: the range's start times are rescaled between First and
// Last, every line keeping its duration, and each new offset is cut to the
// millisecond; ranges it cannot stretch are refused before any snapshot.

#include "document/EditorTab.h"
#include "timing_fixture.h"
#include "tools/StretchTab.h"

namespace {

class StretchTest : public TimingTest {
protected:
    void stretch(const QString& a, const QString& b, const QString& first, const QString& last) {
        EditorTab& e = m().editor;
        e.Text1[2].setText(a);
        e.Text1[3].setText(b);
        e.rtfStretchFirst.setText(first);
        e.rtfStretchLast.setText(last);
        m().stretch.Command12.onClick();
    }
};

TEST_F(StretchTest, RescalesStartsBetweenFirstAndLastKeepingDurations) {
    struct Case {
        const char* name;
        std::vector<SrtLine> lines;
        const char *a, *b, *first, *last;
        QStringList expected;
    } cases[] = {
        {"three lines onto 0 to 10 s",
         {{at(10), at(12), "a"}, {at(20), at(21, 500), "b"}, {at(30), at(33), "c"}},
         "1",
         "3",
         "00:00:00,000",
         "00:00:10,000",
         {"00:00:00,000-00:00:02,000", "00:00:05,000-00:00:06,500", "00:00:10,000-00:00:13,000"}},
        {"a middle range, stretched wider",
         {{at(1), at(2), "a"},
          {at(10), at(11), "b"},
          {at(12), at(13), "c"},
          {at(14), at(15), "d"},
          {at(50), at(51), "e"}},
         "2",
         "4",
         "00:00:20,000",
         "00:01:00,000",
         {"00:00:01,000-00:00:02,000", "00:00:20,000-00:00:21,000", "00:00:40,000-00:00:41,000",
          "00:01:00,000-00:01:01,000", "00:00:50,000-00:00:51,000"}},
        // 12.346 s × 1 s ÷ 10 s = 1.2346 s: cut to 1.234, not rounded to 1.235.
        {"offsets are cut to the millisecond",
         {{at(0), at(1), "a"}, {at(1), at(2), "b"}, {at(10), at(11), "c"}},
         "1",
         "3",
         "00:00:00,000",
         "00:00:12,346",
         {"00:00:00,000-00:00:01,000", "00:00:01,234-00:00:02,234", "00:00:12,346-00:00:13,346"}},
        // A line that starts before the range's first line lands before First.
        {"a line before the first start",
         {{at(10), at(11), "a"}, {at(8), at(9), "b"}, {at(20), at(21), "c"}},
         "1",
         "3",
         "00:01:00,000",
         "00:01:20,000",
         {"00:01:00,000-00:01:01,000", "00:00:56,000-00:00:57,000", "00:01:20,000-00:01:21,000"}},
    };
    for (const Case& c : cases) {
        load(c.lines);
        settle();
        stretch(c.a, c.b, c.first, c.last);
        EXPECT_EQ(times(), c.expected) << c.name;
        EXPECT_TRUE(t->doc.FileChanged) << c.name;
        EXPECT_FALSE(t->doc.LineListValid) << c.name;
        EXPECT_EQ(reported(), 522);
        ASSERT_EQ(snapshots().size(), 1u) << c.name;
        EXPECT_EQ(snapshots()[0].action, "Script Stretched");
        EXPECT_EQ(snapshots()[0].details, "[Range: " + c.lines.front().start + " to " +
                                              c.lines.back().start + "] [First: " + c.first +
                                              "] [Last: " + c.last + "]")
            << c.name;
    }
}

TEST_F(StretchTest, RangesItCannotStretchAreRefusedWithoutASnapshot) {
    struct Case {
        const char *a, *b, *first, *last, *says;
    } cases[] = {
        {"2", "2", "00:00:00,000", "00:00:10,000",
         "Stretch needs a range of two lines or more; this one holds line 2 only."},
        {"2", "3", "00:00:00,000", "00:00:10,000",
         "Lines 2 and 3 start at the same time: there is no span to stretch."},
        {"1", "4", "00:00:10,000", "00:00:09,999",
         "Last (00:00:09,999) comes before First "
         "(00:00:10,000)."},
        {"4", "1", "00:00:00,000", "00:00:10,000",
         "The range is empty: line 4 comes after line 1."},
        {"1", "5", "00:00:00,000", "00:00:10,000",
         "Lines 1 to 5 are not lines of the document: it has lines 1 to 4."},
    };
    load({{at(1), at(2), "a"}, {at(5), at(6), "b"}, {at(5), at(7), "c"}, {at(9), at(10), "d"}});
    settle();
    const QStringList before = times();
    for (const Case& c : cases) {
        Message seen;
        t.reply(AnswerOk, &seen);
        stretch(c.a, c.b, c.first, c.last);
        EXPECT_EQ(seen.title, "Stretch");
        EXPECT_EQ(seen.text, QString::fromLatin1(c.says));
        EXPECT_EQ(times(), before);
        EXPECT_TRUE(snapshots().empty());
        EXPECT_FALSE(t->doc.FileChanged);
    }
}

TEST_F(StretchTest, EnterInEitherTimeFieldStretchesAndMacrosFillTheFields) {
    loadLines(3);
    EditorTab& e = m().editor;
    EXPECT_EQ(e.rtfStretchFirst.text(), "00:00:10,000") << "the load fills the fields";
    EXPECT_EQ(e.rtfStretchLast.text(), "00:00:30,000");
    for (const auto& [command, code] : std::vector<std::pair<const char*, int>>{
             {"Editor.Stretch.Start", 525}, {"Editor.Stretch.End", 526}}) {
        t->commands.run(QString::fromLatin1(command), code == 525 ? "1" : "3");
        EXPECT_EQ(reported(), code);
    }
    t->commands.run("Editor.Stretch.First", "00:00:00,000");
    EXPECT_EQ(reported(), 523);
    t->commands.run("Editor.Stretch.Last", "00:00:40,000");
    EXPECT_EQ(reported(), 524);
    int enter = 13;
    e.rtfStretchLast.onKeyPress(enter);
    EXPECT_EQ(times(), QStringList({"00:00:00,000-00:00:02,000", "00:00:20,000-00:00:22,000",
                                    "00:00:40,000-00:00:42,000"}));
    e.rtfStretchFirst.setText("00:00:10,000");
    e.rtfStretchLast.setText("00:00:30,000");
    e.rtfStretchFirst.onKeyPress(enter);
    EXPECT_EQ(start(2), "00:00:20,000");
    EXPECT_EQ(start(3), "00:00:30,000");
    EXPECT_EQ(snapshots().size(), 2u);
    EXPECT_EQ(enter, 13) << "the key goes on to the field";

    t->commands.run("Editor.Stretch.Range.Node", "0");
    EXPECT_EQ(e.Text1[2].text(), "1");
    EXPECT_EQ(e.Text1[3].text(), "3");
}

} // namespace
