// Search/Replace as a user drives it: texts typed into the two fields, the
// mode chosen by its option buttons, Go pressed; the search history picked,
// deleted and carried to the next start through \System\sr.sdf.

#include "document/frmMessageBox.h"
#include "shell/ExitRoutine.h"
#include "support/ListItems.h"
#include "timing_fixture.h"
#include "tools/SearchTab.h"

#include <QDir>
#include <QFile>

namespace {

class SearchTest : public TimingTest {
protected:
    SearchTab& s() { return m().search; }
    QString cell(int row, int col) { return grid().textMatrix(row, col); }
    // Texts typed and Go pressed.
    void go(const QString& search, const QString& replacement = QString()) {
        s().rtfSearch.setText(search);
        s().rtfReplace.setText(replacement);
        s().cmdSearch.onClick();
    }
};

TEST_F(SearchTest, GoWalksTheHitsOneRowAtATimeIgnoringCase) {
    loadTexts({"nothing here", "xABCy\r\nabc too", "none", "ABC"});
    t->edit.SearchIndex = 0; // the header row is never a hit
    go("abc");
    EXPECT_EQ(reported(), 508);
    EXPECT_EQ(grid().row(), 2);
    EXPECT_EQ(grid().col(), 3);
    EXPECT_EQ(t->edit.SearchIndex, 3);
    EXPECT_EQ(m().editor.basic.rtfSubEditBasic.text(), "xABCy") << "the line is shown";

    go("abc"); // the second hit of row 2 is passed over
    EXPECT_EQ(grid().row(), 4);
    EXPECT_EQ(itemsOf(s().List4), QStringList()) << "a run with a hit adds no entry";

    go("abc"); // no further hit: the text joins the history, once
    go("abc");
    EXPECT_EQ(grid().row(), 4);
    EXPECT_EQ(itemsOf(s().List4), QStringList({"abc"}));
    EXPECT_TRUE(snapshots().empty()) << "a search changes nothing";
    EXPECT_FALSE(t->doc.FileChanged);

    t->edit.SearchIndex = 0;
    go("start"); // "Start" is the heading of column 1
    EXPECT_EQ(grid().row(), 4);
}

TEST_F(SearchTest, ReplaceChangesTheFirstOccurrenceInEveryCellFromTheStartRow) {
    loadTexts({"abcabc\r\nABC", "keep abc", "xAbCx"});
    t->edit.SearchIndex = 2;
    go("abc", "Z"); // typing a replacement chooses Replace
    EXPECT_TRUE(s().Option1[1].value());
    EXPECT_EQ(reported(), 508);
    EXPECT_EQ(cell(1, 3), " abcabc") << "rows before SearchIndex stay";
    EXPECT_EQ(cell(2, 3), " keep Z");
    EXPECT_EQ(cell(3, 3), " xZx");
    ASSERT_EQ(snapshots().size(), 1u);
    EXPECT_EQ(snapshots()[0].action, "Replace");
    EXPECT_EQ(snapshots()[0].details, "[Original: abc] [To: Z]");
    EXPECT_TRUE(t->doc.FileChanged);
    EXPECT_FALSE(t->doc.LineListValid);

    t->edit.SearchIndex = 1;
    go("abc", "Z");
    go("abc", "Z");
    EXPECT_EQ(cell(1, 3), " ZZ") << "one occurrence a cell per Go";
    EXPECT_EQ(cell(1, 4), " Z");
    EXPECT_EQ(itemsOf(s().List4), QStringList({"abc>Z"}));
    EXPECT_EQ(grid().textMatrix(0, 1), "Start") << "the heading is never replaced";
}

TEST_F(SearchTest, AnEmptySearchTextChangesNothing) {
    loadTexts({"one", "two"});
    t->edit.SearchIndex = 1;
    for (const char* replacement : {"X", ""}) {
        s().Option1[1].setValue(true);
        go("", QString::fromLatin1(replacement));
        EXPECT_EQ(cell(1, 3), " one");
        EXPECT_TRUE(snapshots().empty());
        EXPECT_FALSE(t->doc.FileChanged);
        EXPECT_EQ(s().List4.listCount(), 0);
    }
    // Blanks are a text: double blanks become one, and no entry is added.
    loadTexts({"a  b"});
    t->edit.SearchIndex = 1;
    go("  ", " ");
    EXPECT_EQ(cell(1, 3), " a b");
    EXPECT_EQ(s().List4.listCount(), 0);
}

TEST_F(SearchTest, AReplaceWhoseSnapshotCannotBeKeptChangesNothing) {
    loadTexts({"abc"});
    t->edit.SearchIndex = 1;
    const QString scratch = t.folder() + "/Data/Temporarily";
    ASSERT_TRUE(QDir(scratch).removeRecursively());
    t.writeFile("Data/Temporarily", "a file where the folder should be");
    t.reply(AnswerOk);
    go("abc", "Z");
    EXPECT_EQ(cell(1, 3), " abc");
    EXPECT_FALSE(t->doc.FileChanged);
    EXPECT_EQ(s().List4.listCount(), 0);
}

TEST_F(SearchTest, TheHistoryFillsTheFieldsAndChoosesTheMode) {
    s().List4.addItem("teh>the");
    s().List4.addItem("night");
    s().Label47.onClick();
    EXPECT_TRUE(s().List4.visible());
    s().List4.setListIndex(0);
    EXPECT_EQ(s().rtfSearch.text(), "teh");
    EXPECT_EQ(s().rtfReplace.text(), "the");
    EXPECT_TRUE(s().Option1[1].value());
    EXPECT_FALSE(s().List4.visible()) << "a pick closes the history";
    EXPECT_EQ(s().Label47.caption(), ">>");

    s().Label47.onClick();
    s().List4.setListIndex(1);
    EXPECT_EQ(s().rtfSearch.text(), "night");
    EXPECT_EQ(s().rtfReplace.text(), "");
    EXPECT_TRUE(s().Option1[0].value());
    EXPECT_EQ(reported(), 509);

    s().Label47.onClick(); // the entry picked last time can be picked again
    EXPECT_EQ(s().List4.listIndex(), -1);
    s().List4.setListIndex(1);
    s().Command2.onClick(); // Del removes the chosen entry
    EXPECT_EQ(itemsOf(s().List4), QStringList({"teh>the"}));
    s().Command2.onClick(); // nothing chosen: nothing removed
    EXPECT_EQ(s().List4.listCount(), 1);
}

TEST_F(SearchTest, TheModeFollowsTheReplacementField) {
    s().rtfReplace.setText("x");
    EXPECT_TRUE(s().Option1[1].value());
    EXPECT_EQ(reported(), 510);
    s().rtfReplace.setText("");
    EXPECT_TRUE(s().Option1[0].value());
    EXPECT_EQ(reported(), 509);
}

// A text given by a macro may hold line breaks; a cell and a history line
// never do, so each break counts as a blank.
TEST_F(SearchTest, HistoryEntriesNeverHoldLineBreaksAndSurviveTheRun) {
    loadTexts({"one two"});
    settle();
    ASSERT_TRUE(t->commands.run("Editor.SR.Search.Text", "one\r\ntwo"));
    EXPECT_EQ(reported(), 506);
    ASSERT_TRUE(t->commands.run("Editor.SR.Replace.Text", "1\n2"));
    ASSERT_TRUE(t->commands.run("Editor.SR.Go"));
    EXPECT_EQ(cell(1, 3), " 1 2");
    EXPECT_EQ(itemsOf(s().List4), QStringList({"one two>1 2"}));
    ASSERT_TRUE(t->commands.run("Editor.SR.Set.Search"));
    go("what\rever");
    EXPECT_EQ(itemsOf(s().List4), QStringList({"one two>1 2", "what ever"}));

    t->doc.FileChanged = false;
    ASSERT_TRUE(m().SaveSettings(ExitRoutine::Mode::SettingsClosed));
    EXPECT_EQ(readBytes(t.folder() + "/System/sr.sdf"), "one two>1 2\r\nwhat ever\r\n");

    Program next(t.folder()); // the next start reads them back
    answerModalsInTest(next.host.modal);
    next.main().load();
    EXPECT_EQ(itemsOf(next.main().search.List4), QStringList({"one two>1 2", "what ever"}));
}

// An entry comes back as it was used, ">" in its search or not, in this run
// and after the next start; lines of files written before read as they did.
TEST_F(SearchTest, AnEntryComesBackAsItWasUsed) {
    const struct {
        const char *search, *replacement;
    } used[] = {{"5 > 3", ""}, {"5 > 3", "x"}, {"a", "b>c"}, {"<i>", "</i>"}, {"night", ""}};
    loadTexts({"nothing to find"});
    for (const auto& u : used)
        go(QString::fromLatin1(u.search), QString::fromLatin1(u.replacement));
    ASSERT_EQ(s().List4.listCount(), 5);
    const auto picksBack = [&](SearchTab& tab, int index, const QString& search,
                               const QString& replacement) {
        tab.rtfSearch.setText("other");
        tab.Label47.onClick();
        tab.List4.setListIndex(index);
        EXPECT_EQ(tab.rtfSearch.text(), search) << index;
        EXPECT_EQ(tab.rtfReplace.text(), replacement) << index;
        EXPECT_EQ(tab.Option1[1].value(), !replacement.isEmpty()) << index << " Replace chosen";
    };
    for (int i = 0; i < 5; ++i)
        picksBack(s(), i, used[i].search, used[i].replacement);

    t->doc.FileChanged = false;
    ASSERT_TRUE(m().SaveSettings(ExitRoutine::Mode::SettingsClosed));
    const QString stored = t.folder() + "/System/sr.sdf"; // a line as files written before hold it
    writeFileAt(stored, readBytes(stored) + "colour>color\r\n");
    Program next(t.folder());
    answerModalsInTest(next.host.modal);
    next.main().load();
    SearchTab& after = next.main().search;
    ASSERT_EQ(after.List4.listCount(), 6);
    for (int i = 0; i < 5; ++i)
        picksBack(after, i, used[i].search, used[i].replacement);
    picksBack(after, 5, "colour", "color");

    picksBack(s(), 0, "5 > 3", "");
    s().cmdSearch.onClick();
    EXPECT_EQ(cell(1, 3), " nothing to find") << "a search alone rewrites nothing";
}

TEST_F(SearchTest, MacroCommandsSetTheModeAndStoreTheFields) {
    ASSERT_TRUE(t->commands.run("Editor.SR.Set.Replace"));
    EXPECT_TRUE(s().Option1[1].value());
    EXPECT_EQ(reported(), 510);
    s().rtfSearch.setText("colour");
    s().rtfReplace.setText("color");
    ASSERT_TRUE(t->commands.run("Editor.mcrVar.Set.Search", "what"));
    EXPECT_EQ(reported(), 551);
    ASSERT_TRUE(t->commands.run("Editor.mcrVar.Set.Replace"));
    EXPECT_EQ(reported(), 552);
    EXPECT_EQ(t->macro.McrVar(0), "what:=colour");
    EXPECT_EQ(t->macro.McrVar(1), "mcrVar[1]:=color");
}

} // namespace
