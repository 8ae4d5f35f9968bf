// The Player tab's line list: built in one step from the document, rebuilt
// when the lines changed since, and a chosen line taken as the player's
// position.

#include "player_fixture.h"
#include "support/FileBytes.h"

namespace {

const QByteArray Script = crlf({"1", "00:00:01,000 --> 00:00:02,000", "One", "two", "three", "", //
                                "2", "00:00:03,250 --> 00:00:04,000", "Second", "",              //
                                "3", "00:00:05,000 --> 00:00:06,000", "Third", ""});

struct LineList : PlayerFixture {
    void SetUp() override { mustLoad(t.program(), t.writeDataFile("script.srt", Script)); }
    // The Basic tab's Change: the selected cell becomes the given text.
    void changeCell(int row, int col, const QString& text) {
        grid().setCurrentCell(row, col);
        BasicTab& basic = t.main().editor.basic;
        basic.rtfSubEditBasic.setText(text);
        basic.Command14.onClick();
    }
};

TEST_F(LineList, TheLoadBuildsOneEntryALineWithAllThreeTextLines) {
    EXPECT_EQ(itemsOf(player().Combo1),
              QStringList({"00:00:01,000;  One  two  three", "00:00:03,250;  Second  ",
                           "00:00:05,000;  Third  "}));
    EXPECT_TRUE(t->doc.LineListValid);
    EXPECT_EQ(player().Label50.caption(), ">>");
    EXPECT_FALSE(player().Combo1.visible());
}

TEST_F(LineList, OpeningTheListRebuildsItAfterAnEdit) {
    changeCell(2, 3, "Changed");
    EXPECT_FALSE(t->doc.LineListValid);
    player().Label50.onClick();
    EXPECT_EQ(player().Label50.caption(), "<<");
    EXPECT_TRUE(player().Combo1.visible());
    EXPECT_TRUE(t->doc.LineListValid);
    EXPECT_EQ(player().Combo1.list(1), "00:00:03,250;  Changed  ");
    player().Label50.onClick();
    EXPECT_EQ(player().Label50.caption(), ">>");
    EXPECT_FALSE(player().Combo1.visible());
}

TEST_F(LineList, AChosenLineBecomesCurrentAndMovesThePlayerToItsStart) {
    openSound(10.0);
    player().Label50.onClick();
    player().Combo1.setListIndex(1);
    EXPECT_EQ(t->doc.CurLine, 2);
    EXPECT_EQ(grid().row(), 2);
    EXPECT_EQ(player().txtDuration.text(), "00:00:03,250");
    EXPECT_NEAR(media().currentPosition(), 3.25, 0.0005);
    EXPECT_EQ(player().Label51.caption(), "00:00:03,250;  Second  ");
    EXPECT_EQ(player().Label50.caption(), ">>") << "the list closes";
    EXPECT_FALSE(player().Combo1.visible());
}

TEST_F(LineList, AnEntryThatNoLongerStandsForALineIsIgnored) {
    player().Label50.onClick(); // three entries open
    grid().setCurrentCell(3, 3);
    t.main().editor.basic.Command11.onClick(); // line 3 deleted meanwhile
    ASSERT_EQ(t->doc.lineCount(), 2);
    const int current = t->doc.CurLine;
    player().Combo1.setListIndex(2);
    EXPECT_EQ(player().Combo1.listCount(), 2) << "the stale list was rebuilt";
    EXPECT_EQ(t->doc.CurLine, current);
    EXPECT_EQ(player().Label51.caption(), "");
}

} // namespace
