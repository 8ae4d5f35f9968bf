// The script player ticked by hand through a loaded document: the clock, the
// lines shown from their start to their end, Play, Stop, Sync and the text
// lines as buttons; and the play timer in media mode, also over seeks.

#include "player_fixture.h"
#include "support/FileBytes.h"

namespace {

const QByteArray Script = crlf({"1", "00:00:01,500 --> 00:00:02,000", "First", "second row", "",
                                "2", "00:00:02,500 --> 00:00:03,000", "Next", "", "3",
                                "00:01:02,345 --> 00:01:05,000", "Late", ""});

struct ScriptPlayer : PlayerFixture {
    void SetUp() override { mustLoad(t.program(), t.writeDataFile("script.srt", Script)); }
    void tick(int times) {
        for (int i = 0; i < times; ++i)
            player().timPlayer.tick();
    }
    QStringList shown() {
        QStringList out;
        for (platform::Label& l : script().Label23)
            out << l.caption();
        return out;
    }
};

TEST_F(ScriptPlayer, PlayRunsTheClockAndStopPutsItBack) {
    script().Command20[0].onClick();
    EXPECT_EQ(reported(), 1102);
    EXPECT_TRUE(player().timPlayer.enabled());
    EXPECT_EQ(t->players.PlayTimerMode, Players::ScriptMode);
    script().Command20[1].onClick();
    EXPECT_EQ(reported(), 1103);
    EXPECT_FALSE(player().timPlayer.enabled());
    EXPECT_EQ(t->doc.ScriptTime, 0);
    EXPECT_EQ(script().Label24.caption(), "00:00:00,00");
}

// One tick is a hundredth of a second; a line shows from the tenth of its
// start and clears, with the next line becoming current, at the tenth of its end.
TEST_F(ScriptPlayer, EachLineShowsFromItsStartToItsEnd) {
    script().Command20[1].onClick(); // the clock from zero, line 1 current
    script().Command20[0].onClick();
    EXPECT_EQ(t->doc.CurLine, 1);
    for (platform::Label& l : script().Label23)
        l.setCaption("before");
    tick(149);
    EXPECT_EQ(script().Label24.caption(), "00:00:01,49");
    EXPECT_EQ(shown(), QStringList({"before", "before", "before"}));
    tick(1);
    EXPECT_EQ(script().Label24.caption(), "00:00:01,50");
    EXPECT_EQ(shown(), QStringList({"First", "second row", ""}));
    EXPECT_EQ(script().lblSubRowCount.caption(), " 1/ 3");
    tick(49);
    EXPECT_EQ(shown(), QStringList({"First", "second row", ""}));
    EXPECT_EQ(t->doc.CurLine, 1);
    tick(1);
    EXPECT_EQ(shown(), QStringList({"", "", ""}));
    EXPECT_EQ(t->doc.CurLine, 2);
    tick(50);
    EXPECT_EQ(script().Label24.caption(), "00:00:02,50");
    EXPECT_EQ(shown(), QStringList({"Next", "", ""}));
}

TEST_F(ScriptPlayer, SyncMovesTheMediaPlayerToTheClock) {
    PlayerFixture::openSound(70.0);
    grid().setRow(3); // the clock shows line 3's start: 00:01:02,34
    EXPECT_EQ(script().Label24.caption(), "00:01:02,34");
    script().Command41.onClick();
    EXPECT_EQ(reported(), 1101);
    EXPECT_NEAR(media().currentPosition(), 62.34, 0.0005);
}

TEST_F(ScriptPlayer, ATextLineSelectsItsColumnOfTheCurrentLine) {
    grid().setCurrentCell(2, 1);
    script().Label23[2].onClick();
    EXPECT_EQ(grid().col(), 5);
    EXPECT_EQ(grid().row(), 2);
    script().Label23[0].onClick();
    EXPECT_EQ(grid().col(), 3);
}

TEST_F(ScriptPlayer, InMediaModeTheLinesFollowThePlayersPosition) {
    PlayerFixture::openSound(70.0);
    grid().setRow(1);
    player().Command8[PlayerTab::Play].click();
    player().Command8[PlayerTab::Pauze].click();
    media().setCurrentPosition(1.55);
    player().timPlayer.tick();
    EXPECT_EQ(player().txtDuration.text(), "00:00:01,550");
    EXPECT_EQ(shown(), QStringList({"First", "second row", ""}));
    media().setCurrentPosition(2.03);
    player().timPlayer.tick();
    EXPECT_EQ(shown(), QStringList({"", "", ""}));
    EXPECT_EQ(t->doc.CurLine, 2);
    // Seeks forward and back: the line whose span holds the new position shows.
    const struct {
        double at;
        const char* shown;
    } seeks[] = {{63.0, "Late"}, {2.7, "Next"}, {10.0, ""}, {1.6, "First"}};
    for (const auto& s : seeks) {
        media().setCurrentPosition(s.at);
        player().timPlayer.tick();
        EXPECT_EQ(script().Label23[0].caption(), s.shown) << s.at;
    }
}

} // namespace
