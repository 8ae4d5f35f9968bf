// The Frame rate page: every start and end time of the document becomes
// t × to ÷ from, cut to the millisecond, whatever the user's locale; a rate
// of zero (no rate chosen) is refused before any snapshot.

#include "timing_fixture.h"
#include "tools/FrameRateTab.h"

#include <QLocale>

namespace {

constexpr int R23_970 = 0, R24 = 1, R25 = 2, R29_970 = 3, R30 = 4;

class FrameRateTest : public TimingTest {
protected:
    FrameRateTab& fr() { return m().frameRate; }
    // The user opens each picker, picks a rate, and presses Go.
    void convert(int from, int to) {
        if (fr().Label29.caption() == ">>") fr().Label29.onClick();
        fr().Combo14[0].setListIndex(from);
        if (fr().Label45.caption() == ">>") fr().Label45.onClick();
        fr().Combo14[1].setListIndex(to);
        fr().Command52.onClick();
    }
    void loadTimes() {
        load({{"00:01:00,000", "00:00:01,000", "a"},
              {"01:23:45,678", "00:00:00,000", "b"},
              {"00:00:00,001", "99:00:00,000", "c"}});
    }
};

TEST_F(FrameRateTest, ConvertsEveryTimeByTheRatioOfTheRates) {
    struct Case {
        int from, to;
        QStringList expected;
    } cases[] = {
        {R25,
         R23_970,
         {"00:00:57,528-00:00:00,958", "01:20:18,620-00:00:00,000", "00:00:00,000-94:55:16,320"}},
        {R23_970,
         R30,
         {"00:01:15,093-00:00:01,251", "01:44:49,959-00:00:00,000", "00:00:00,001-123:54:17,571"}},
        {R29_970,
         R24,
         {"00:00:48,048-00:00:00,800", "01:07:04,566-00:00:00,000", "00:00:00,000-79:16:45,405"}},
        {R24,
         R24,
         {"00:01:00,000-00:00:01,000", "01:23:45,678-00:00:00,000", "00:00:00,001-99:00:00,000"}},
    };
    for (const Case& c : cases) {
        loadTimes();
        settle();
        convert(c.from, c.to);
        EXPECT_EQ(times(), c.expected) << c.from << " to " << c.to;
        EXPECT_TRUE(t->doc.FileChanged);
        EXPECT_FALSE(t->doc.LineListValid) << "the line list is built again";
        EXPECT_EQ(reported(), 548);
        ASSERT_EQ(snapshots().size(), 1u);
        EXPECT_EQ(snapshots()[0].action, "Changed Framerate");
        EXPECT_EQ(snapshots()[0].details, "[From: " + fr().Combo14[0].list(c.from) +
                                              "] [To: " + fr().Combo14[1].list(c.to) + "]");
    }
}

TEST_F(FrameRateTest, ThereAndBackLosesAtMostAMillisecond) {
    loadTimes();
    convert(R25, R23_970);
    convert(R23_970, R25);
    EXPECT_EQ(times(), QStringList({"00:01:00,000-00:00:00,999", "01:23:45,677-00:00:00,000",
                                    "00:00:00,000-99:00:00,000"}));
    EXPECT_EQ(snapshots().size(), 2u);
}

TEST_F(FrameRateTest, TheUsersLocaleChangesNothing) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    loadTimes();
    convert(R25, R23_970);
    QLocale::setDefault(before);
    EXPECT_EQ(times()[0], "00:00:57,528-00:00:00,958");
}

TEST_F(FrameRateTest, NoRateChosenIsRefusedWithoutASnapshot) {
    loadTimes();
    settle();
    const QStringList before = times();
    for (int list : {0, 1}) {
        fr().Combo14[0].setListIndex(R25);
        fr().Combo14[1].setListIndex(R30);
        fr().Combo14[list].setListIndex(-1);
        EXPECT_EQ((list == 0 ? fr().Label46 : fr().Label49).caption(), "");
        Message seen;
        t.reply(AnswerOk, &seen);
        fr().Command52.onClick();
        EXPECT_EQ(seen.title, "Frame rate");
        EXPECT_EQ(seen.text, "Choose the frame rate to convert from and the one to convert to "
                             "first.");
    }
    EXPECT_EQ(times(), before);
    EXPECT_TRUE(snapshots().empty());
    EXPECT_FALSE(t->doc.FileChanged);
}

TEST_F(FrameRateTest, PickersShowTheChoiceAndMacrosPickWithoutOpeningThem) {
    loadLines(1);
    if (fr().Label29.caption() == "<<") fr().Label29.onClick(); // closed, whatever the load left
    fr().Label29.onClick();
    EXPECT_EQ(fr().Label29.caption(), "<<");
    EXPECT_TRUE(fr().Combo14[0].visible());
    fr().Combo14[0].setListIndex(R29_970);
    EXPECT_EQ(fr().Label46.caption(), "29.970");
    EXPECT_FALSE(fr().Combo14[0].visible());
    EXPECT_EQ(reported(), 541);

    EXPECT_TRUE(t->commands.run("Editor.FR.Set.To.23.970"));
    EXPECT_EQ(fr().Label49.caption(), "23.970");
    EXPECT_FALSE(fr().Combo14[1].visible());
    EXPECT_EQ(fr().Label45.caption(), ">>");
    EXPECT_EQ(reported(), 543);
    t->commands.run("Editor.FR.Set.From.30.000");
    EXPECT_EQ(reported(), 542);
    t->commands.run("Editor.FR.Go");
    EXPECT_EQ(times()[0], "00:00:07,990-00:00:09,588");
}

} // namespace
