// The Filters tab as a user drives it: the filter boxes ticked, the count
// typed, Go pressed; reverse Hebrew on right-to-left text and correct long
// lines on long text, each with its history snapshot.

#include "document/frmMessageBox.h"
#include "timing_fixture.h"
#include "tools/FilterTab.h"

namespace {

constexpr int RH = 0, CLL = 1;

class FilterTest : public TimingTest {
protected:
    FilterTab& f() { return m().filter; }
    QString cell(int row, int col) { return grid().textMatrix(row, col); }
    QStringList cells(int row) { return {cell(row, 3), cell(row, 4), cell(row, 5)}; }
    void tick(int box, bool on) { f().Check4[box].setValue(on ? 1 : 0); }
};

TEST_F(FilterTest, TheBoxesReportAndEnableTheCount) {
    EXPECT_FALSE(f().txtMaxCount.enabled());
    EXPECT_EQ(f().txtMaxCount.text(), "40");
    const struct {
        int box;
        bool on;
        int code;
        bool countEnabled;
    } steps[] = {{RH, true, 511, false},
                 {CLL, true, 566, true},
                 {RH, false, 512, true},
                 {CLL, false, 567, false}};
    for (const auto& s : steps) {
        tick(s.box, s.on);
        EXPECT_EQ(reported(), s.code);
        EXPECT_EQ(f().txtMaxCount.enabled(), s.countEnabled) << s.code;
    }
}

TEST_F(FilterTest, ReverseHebrewReversesEachCellBehindItsBlank) {
    loadTexts({QStringLiteral("שלום עולם\r\nabc"), QStringLiteral("x\U0001F600y")});
    grid().setTextMatrix(2, 4, QString()); // an empty cell
    tick(RH, true);
    f().Command30.onClick();
    EXPECT_EQ(reported(), 513);
    EXPECT_EQ(cells(1), QStringList({QStringLiteral(" םלוע םולש"), " cba", " "}));
    EXPECT_EQ(cells(2), QStringList({QStringLiteral(" y\U0001F600x"), " ", " "}))
        << "a character outside the basic plane stays whole";
    ASSERT_EQ(snapshots().size(), 1u);
    EXPECT_EQ(snapshots()[0].action, "Reversed hebrew");
    EXPECT_EQ(snapshots()[0].details, "[No details]");
    EXPECT_TRUE(t->doc.FileChanged);
    EXPECT_FALSE(t->doc.LineListValid);

    f().Command30.onClick(); // twice gives the text back
    EXPECT_EQ(cell(1, 3), QStringLiteral(" שלום עולם"));
}

// Correct long lines on one line's three cells, count by count.
TEST_F(FilterTest, CorrectLongLinesSplitsAtTheFirstBlankPastTheCount) {
    const struct {
        const char* name;
        QStringList text; // the text lines of one subtitle
        const char* count;
        QStringList want;
    } cases[] = {
        {"four words, count 10", {"aaaa bbbb cccc dddd"}, "10", {" aaaa bbbb cccc", " dddd", ""}},
        {"short lines are joined", {"one", "two", "three"}, "40", {" one two three", "", ""}},
        {"the third piece takes the rest",
         {"aaaa bbbb cccc dddd eeee"},
         "3",
         {" aaaa", " bbbb", " cccc dddd eeee"}},
        {"a word longer than the count stays whole",
         {"abcdefghijklmno"},
         "5",
         {" abcdefghijklmno", "", ""}},
        {"{end} in a subtitle is text",
         {"say {end} now", "and then"},
         "3",
         {" say", " {end}", " now and then"}},
        {"{end} at a piece's end", {"one {end}"}, "40", {" one {end}", "", ""}},
    };
    for (const auto& c : cases) {
        loadTexts({c.text.join("\r\n")});
        tick(CLL, true);
        f().txtMaxCount.setText(QString::fromLatin1(c.count));
        f().Command30.onClick();
        EXPECT_EQ(cells(1), c.want) << c.name;
        EXPECT_TRUE(f().txtMaxCount.enabled()) << c.name;
        ASSERT_EQ(snapshots().size(), 1u) << c.name;
        EXPECT_EQ(snapshots()[0].action, "Corrected long lines");
        EXPECT_EQ(snapshots()[0].details, QString(" [Correct amount:=%1]").arg(c.count));
    }
}

TEST_F(FilterTest, BothFiltersOnALongRightToLeftText) {
    loadTexts({QStringLiteral("אבג דהו זחט\r\nיכל מנס")});
    tick(RH, true);
    tick(CLL, true);
    f().txtMaxCount.setText("6");
    f().Command30.onClick();
    // Each cell is reversed first, then the joined text is split again.
    EXPECT_EQ(cells(1), QStringList({QStringLiteral(" טחז והד"), QStringLiteral(" גבא סנמ"),
                                     QStringLiteral(" לכי")}));
    ASSERT_EQ(snapshots().size(), 1u);
    EXPECT_EQ(snapshots()[0].action, "Reversed hebrew, Corrected long lines");
    EXPECT_EQ(snapshots()[0].details, "[No details] [Correct amount:=6]");
}

TEST_F(FilterTest, GoWithNoBoxTickedMarksTheDocumentWithoutASnapshot) {
    loadTexts({"keep"});
    f().Command30.onClick();
    EXPECT_EQ(cell(1, 3), " keep");
    EXPECT_TRUE(snapshots().empty());
    EXPECT_TRUE(t->doc.FileChanged);
}

TEST_F(FilterTest, ACountThatIsNoWholeNumberChangesNothing) {
    loadTexts({"aaaa bbbb cccc"});
    tick(RH, true);
    tick(CLL, true);
    for (const char* count : {"abc", "0", "-5", "4.5", "", "99999"}) {
        f().txtMaxCount.setText(QString::fromLatin1(count));
        Message seen;
        t.reply(AnswerOk, &seen);
        f().Command30.onClick();
        EXPECT_TRUE(seen.text.startsWith("The characters a line must be a whole number from 1 "
                                         "to 32767"))
            << count;
        EXPECT_EQ(seen.title, "Filters");
        EXPECT_EQ(cell(1, 3), " aaaa bbbb cccc") << count;
        EXPECT_TRUE(snapshots().empty()) << count;
        EXPECT_FALSE(t->doc.FileChanged) << count;
    }
    tick(RH, false);
    f().txtMaxCount.setText(" 4 ");
    f().Command30.onClick();
    EXPECT_EQ(cells(1), QStringList({" aaaa", " bbbb", " cccc"}))
        << "the count's blanks do not matter";
}

TEST_F(FilterTest, MacroCommandsTickTheBoxesAndRunGo) {
    loadTexts({"ab"});
    ASSERT_TRUE(t->commands.run("Editor.Filter.Set.RH.On"));
    EXPECT_EQ(reported(), 511);
    ASSERT_TRUE(t->commands.run("Editor.Filter.Go"));
    EXPECT_EQ(cell(1, 3), " ba");
    ASSERT_TRUE(t->commands.run("Editor.Filter.Set.RH.Off"));
    ASSERT_TRUE(t->commands.run("Editor.Filter.Set.CLL.On"));
    EXPECT_EQ(f().Check4[CLL].value(), 1);
    f().txtMaxCount.setText("12");
    ASSERT_TRUE(t->commands.run("Editor.mcrVar.Set.Filters.CLL", "width"));
    EXPECT_EQ(t->macro.McrVar(0), "width:=12");
    ASSERT_TRUE(t->commands.run("Editor.Filter.Set.CLL.Off"));
    EXPECT_EQ(reported(), 567);
}

} // namespace
