// The Shift page: a range of lines moves earlier or later by one duration,
// after a snapshot of the document; ranges that hold no line are refused
// before any snapshot; the range toggle steps through the parts.

#include "document/EditorTab.h"
#include "platform/Keys.h"
#include "support/GridSetup.h"
#include "timing_fixture.h"
#include "tools/ShiftTab.h"
#include "tools/StretchTab.h"

#include <QTest>

namespace {

class ShiftTest : public TimingTest {
protected:
    ShiftTab& shift() { return m().shift; }
    void range(const QString& first, const QString& last) {
        m().editor.Text1[0].setText(first);
        m().editor.Text1[1].setText(last);
    }
    // The user opens the direction picker and picks an item of it.
    void direction(int item) {
        shift().Label37.onClick();
        shift().Combo2.setListIndex(item);
    }
    void go() { shift().Command13.onClick(); }
};

TEST_F(ShiftTest, MovesTheRangeEarlierOrLaterByTheDuration) {
    struct Case {
        const char *first, *last, *duration;
        int direction;
        QStringList expected;
    } cases[] = {
        {"2",
         "3",
         "00:00:01,500",
         1,
         {"00:00:10,000-00:00:12,000", "00:00:21,500-00:00:23,500", "00:00:31,500-00:00:33,500",
          "00:00:40,000-00:00:42,000"}},
        {"1",
         "4",
         "00:01:00,250",
         1,
         {"00:01:10,250-00:01:12,250", "00:01:20,250-00:01:22,250", "00:01:30,250-00:01:32,250",
          "00:01:40,250-00:01:42,250"}},
        {"3",
         "4",
         "00:00:05,001",
         0,
         {"00:00:10,000-00:00:12,000", "00:00:20,000-00:00:22,000", "00:00:24,999-00:00:26,999",
          "00:00:34,999-00:00:36,999"}},
        // Right to the start of the file, and no further (below zero is refused).
        {"1",
         "1",
         "00:00:10,000",
         0,
         {"00:00:00,000-00:00:02,000", "00:00:20,000-00:00:22,000", "00:00:30,000-00:00:32,000",
          "00:00:40,000-00:00:42,000"}},
    };
    for (const Case& c : cases) {
        loadLines(4);
        settle();
        const QStringList before = times();
        range(QString::fromLatin1(c.first), QString::fromLatin1(c.last));
        shift().rtfShiftDuration.setText(QString::fromLatin1(c.duration));
        direction(c.direction);
        go();
        EXPECT_EQ(times(), c.expected) << c.first << "-" << c.last << " " << c.duration;
        EXPECT_TRUE(t->doc.FileChanged);
        EXPECT_FALSE(t->doc.LineListValid);
        EXPECT_EQ(reported(), 518);
        ASSERT_EQ(snapshots().size(), 1u);
        EXPECT_EQ(snapshots()[0].action, "Script Shifted");
        EXPECT_EQ(snapshots()[0].details, "[Range: 00:00:10,000 to 00:00:40,000] [Duration: " +
                                              QString::fromLatin1(c.duration) + "] [Direction: " +
                                              (c.direction ? "End" : "Beginning") + "]");

        // The other direction by the same duration brings the lines back.
        direction(1 - c.direction);
        go();
        EXPECT_EQ(times(), before);
    }
}

TEST_F(ShiftTest, EnterInTheDurationShiftsAndFocusSelectsTheWholeDuration) {
    loadLines(2);
    range("1", "2");
    direction(1);
    m().tabMain.setTab(frmMain::TabEditor);
    m().editor.SSTab3.setTab(0);
    m().show();
    platform::RichTextBox& field = shift().rtfShiftDuration;
    field.setText("00:00:02,000");
    field.setFocus();
    QApplication::processEvents();
    EXPECT_EQ(field.selStart(), 0);
    EXPECT_EQ(field.selLength(), 12);
    QTest::keyClick(field.widget(), Qt::Key_Return);
    EXPECT_EQ(start(1), "00:00:12,000");
    EXPECT_EQ(end(2), "00:00:24,000");
    EXPECT_EQ(field.text(), "00:00:02,000") << "Enter adds no line break";
    m().hide();
}

TEST_F(ShiftTest, RangesWithoutLinesAreRefusedWithoutASnapshot) {
    struct Case {
        const char *first, *last, *says;
    } cases[] = {
        {"3", "2", "The range is empty: line 3 comes after line 2."},
        {"0", "2", "Lines 0 to 2 are not lines of the document: it has lines 1 to 4."},
        {"2", "5", "Lines 2 to 5 are not lines of the document: it has lines 1 to 4."},
        {"", "", "Lines 0 to 0 are not lines of the document: it has lines 1 to 4."},
        {"x", "70000", "Lines 0 to 70000 are not lines of the document: it has lines 1 to 4."},
    };
    loadLines(4);
    settle();
    const QStringList before = times();
    shift().rtfShiftDuration.setText("00:00:01,000");
    for (const Case& c : cases) {
        range(QString::fromLatin1(c.first), QString::fromLatin1(c.last));
        Message seen;
        t.reply(AnswerOk, &seen);
        go();
        EXPECT_EQ(seen.title, "Shift");
        EXPECT_EQ(seen.text, QString::fromLatin1(c.says));
        EXPECT_EQ(times(), before);
        EXPECT_TRUE(snapshots().empty());
        EXPECT_FALSE(t->doc.FileChanged);
    }
}

TEST_F(ShiftTest, NoDirectionChosenIsRefused) {
    loadLines(2);
    range("1", "2");
    shift().Combo2.setListIndex(-1);
    Message seen;
    t.reply(AnswerOk, &seen);
    go();
    EXPECT_EQ(seen.text, "Choose the direction of the shift first.");
    EXPECT_EQ(start(1), "00:00:10,000");
    EXPECT_TRUE(snapshots().empty());
}

TEST_F(ShiftTest, AnEmptyDocumentIsRefused) {
    loadLines(2);
    t->doc.ClearGrid(); // only the header and the spare row
    range("1", "1");
    Message seen;
    t.reply(AnswerOk, &seen);
    go();
    EXPECT_EQ(seen.text, "The document has no lines.");
    EXPECT_TRUE(snapshots().empty());
}

TEST_F(ShiftTest, DirectionPickerShowsTheChoiceClosesAndReports) {
    loadLines(1);
    EXPECT_EQ(shift().Label38.caption(), "Beginning") << "the load chose the first direction";
    EXPECT_FALSE(shift().Combo2.visible()) << "and left the list closed";
    shift().Label37.onClick();
    EXPECT_TRUE(shift().Combo2.visible());
    EXPECT_EQ(shift().Label37.caption(), "<<");
    shift().Combo2.setListIndex(1);
    EXPECT_EQ(shift().Label38.caption(), "End");
    EXPECT_FALSE(shift().Combo2.visible());
    EXPECT_EQ(shift().Label37.caption(), ">>");
    EXPECT_EQ(reported(), 516);

    // From the registry (a macro) the closed list stays closed.
    t->commands.run("Editor.Shift.Set.Direction.Beginning");
    EXPECT_EQ(shift().Label38.caption(), "Beginning");
    EXPECT_FALSE(shift().Combo2.visible());
    EXPECT_EQ(reported(), 515);
}

TEST_F(ShiftTest, RangeTogglesStepThroughThePartsSharedWithStretch) {
    loadLines(6);
    NodeTable& nodes = t->doc.FileNodes;
    writeParts(nodes, {{1, 2, "Part_1"}, {3, 6, "Part_2"}});
    nodes.setCurrent(0);
    StretchTab& stretch = m().stretch;
    const struct {
        bool shift;
        const char *first, *last, *node;
        int code;
    } steps[] = {{true, "1", "2", "1", 521},
                 {true, "3", "6", "2", 521},
                 {false, "1", "6", "0", 527},
                 {true, "1", "2", "1", 521}};
    for (const auto& s : steps) {
        if (s.shift) {
            shift().Label5.onClick();
            EXPECT_EQ(m().editor.Text1[0].text(), s.first);
            EXPECT_EQ(m().editor.Text1[1].text(), s.last);
            EXPECT_EQ(shift().Label76.caption(), s.node);
        } else {
            stretch.Label63.onClick();
            EXPECT_EQ(m().editor.Text1[2].text(), s.first);
            EXPECT_EQ(m().editor.Text1[3].text(), s.last);
            EXPECT_EQ(stretch.Label77.caption(), s.node);
        }
        EXPECT_EQ(reported(), s.code);
    }
}

TEST_F(ShiftTest, MacroCommandsFillTheFieldsAndRunGo) {
    loadLines(3);
    writeParts(t->doc.FileNodes, {{1, 1, "Part_1"}, {2, 3, "Part_2"}});
    EXPECT_TRUE(t->commands.run("Editor.Shift.Range.Node", "2"));
    EXPECT_EQ(m().editor.Text1[0].text(), "2");
    EXPECT_EQ(m().editor.Text1[1].text(), "3");
    t->commands.run("Editor.Shift.Start", "1");
    EXPECT_EQ(reported(), 519);
    t->commands.run("Editor.Shift.Duration", "00:00:00,500");
    EXPECT_EQ(reported(), 517);
    t->commands.run("Editor.Shift.Set.Direction.End");
    t->commands.run("Editor.Shift.Go");
    EXPECT_EQ(start(1), "00:00:10,500");
    EXPECT_EQ(end(3), "00:00:32,500");

    Message seen;
    t.reply(AnswerOk, &seen);
    t->commands.run("Editor.Shift.Range.Node", "3");
    EXPECT_EQ(seen.text, "There is no part 3: the document has parts 1 to 2, and 0 is the whole "
                         "document.");
    EXPECT_EQ(m().editor.Text1[0].text(), "1") << "the range stays";
}

} // namespace
