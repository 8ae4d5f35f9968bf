// The Time page: the current line's start and end in two fields (the same
// times the Basic tab shows), moved by the step and written into the line
// with Go; rows that hold no line are refused before any snapshot.

#include "document/BasicTab.h"
#include "document/EditorTab.h"
#include "timing_fixture.h"
#include "tools/TimeTab.h"

namespace {

class TimeTest : public TimingTest {
protected:
    TimeTab& time() { return m().timeTab; }
    void select(int row, int col) { grid().setCurrentCell(row, col); }
    QString fields() { return time().rtfTimeStart.text() + "-" + time().rtfTimeEnd.text(); }
};

TEST_F(TimeTest, FieldsFollowTheCurrentLineAndTheBasicTab) {
    loadLines(3);
    select(2, 3);
    EXPECT_EQ(fields(), "00:00:20,000-00:00:22,000");
    BasicTab& basic = m().editor.basic;
    time().rtfTimeStart.setText("00:00:19,000");
    EXPECT_EQ(basic.rtfLineStart.text(), "00:00:19,000") << "one time, shown on both tabs";
    basic.rtfLineEnd.setText("00:00:23,000");
    EXPECT_EQ(time().rtfTimeEnd.text(), "00:00:23,000");
}

TEST_F(TimeTest, StepButtonsMoveTheFieldsByColumn) {
    struct Case {
        int col;
        const char* button;
        const char* expected;
        int code;
    } cases[] = {
        {3, "Left", "00:00:18,500-00:00:20,500", 534},
        {3, "Right", "00:00:21,500-00:00:23,500", 535},
        {1, "Shrink", "00:00:21,500-00:00:22,000", 536},
        {2, "Shrink", "00:00:20,000-00:00:20,500", 536},
        {3, "Shrink", "00:00:21,500-00:00:20,500", 536},
        {1, "Stretch", "00:00:18,500-00:00:22,000", 537},
        {2, "Stretch", "00:00:20,000-00:00:23,500", 537},
        {4, "Stretch", "00:00:18,500-00:00:23,500", 537},
    };
    loadLines(3);
    time().rtfDurShift.setText("00:01,500");
    for (const Case& c : cases) {
        select(1, c.col);
        select(2, c.col); // the fields show line 2 afresh
        const QString b = QString::fromLatin1(c.button);
        platform::Label& button = b == "Left"     ? time().Command15
                                  : b == "Right"  ? time().Command16
                                  : b == "Shrink" ? time().Command17
                                                  : time().Command18;
        button.onClick();
        EXPECT_EQ(fields(), c.expected) << c.button << " in column " << c.col;
        EXPECT_EQ(reported(), c.code);
        EXPECT_EQ(times()[1], "00:00:20,000-00:00:22,000") << "the grid waits for Go";
    }
    EXPECT_TRUE(snapshots().empty());
}

TEST_F(TimeTest, GoWritesTheFieldsIntoTheLineAndAnotherLineDiscardsThem) {
    loadLines(3);
    settle();
    select(3, 1);
    time().rtfDurShift.setText("00:02,000");
    time().Command16.onClick();
    select(1, 1);
    EXPECT_EQ(fields(), "00:00:10,000-00:00:12,000") << "another line: the moved times go";
    select(3, 1);
    time().Command16.onClick();
    time().Command19.onClick();
    EXPECT_EQ(times()[2], "00:00:32,000-00:00:34,000");
    EXPECT_TRUE(t->doc.FileChanged);
    EXPECT_FALSE(t->doc.LineListValid);
    EXPECT_EQ(reported(), 530);
    ASSERT_EQ(snapshots().size(), 1u);
    EXPECT_EQ(snapshots()[0].action, "Line Shifted/Stretched");
    EXPECT_EQ(snapshots()[0].details,
              "[Duration: 00:02,000] [Start: 00:00:32,000] [End: 00:00:34,000]");

    // Enter in the end field writes too, the times as they stand.
    time().rtfTimeEnd.setText("00:00:40,000");
    int enter = 13;
    time().rtfTimeEnd.onKeyPress(enter);
    EXPECT_EQ(end(3), "00:00:40,000");
    EXPECT_EQ(snapshots().size(), 2u);
}

TEST_F(TimeTest, TheHeaderAndTheSpareRowAreRefused) {
    loadLines(2);
    settle();
    const QStringList before = times();
    for (int row : {0, 3}) {
        select(row, 1);
        Message seen;
        t.reply(AnswerOk, &seen);
        time().Command19.onClick();
        EXPECT_EQ(seen.title, "Time");
        EXPECT_EQ(seen.text, QStringLiteral("Select a line of the document first: row %1 holds no "
                                            "line.")
                                 .arg(row));
    }
    EXPECT_EQ(times(), before);
    EXPECT_EQ(grid().textMatrix(3, 1), "") << "the spare row stays empty";
    EXPECT_TRUE(snapshots().empty());
    EXPECT_FALSE(t->doc.FileChanged);
}

TEST_F(TimeTest, MacroCommandsFillTheFieldsAndStep) {
    loadLines(2);
    select(1, 3);
    t->commands.run("Editor.Time.Duration", "01:00,000");
    EXPECT_EQ(reported(), 533);
    t->commands.run("Editor.Time.Start", "00:00:05,000");
    EXPECT_EQ(reported(), 531);
    t->commands.run("Editor.Time.End", "00:00:06,000");
    EXPECT_EQ(reported(), 532);
    t->commands.run("Editor.Time.Right");
    t->commands.run("Editor.Time.Go");
    EXPECT_EQ(times()[0], "00:01:05,000-00:01:06,000");
}

} // namespace
