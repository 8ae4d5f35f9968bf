// The download page's list: Update fetches the server's list and stores it
// with its date, the filters narrow it, Search colours what it finds and the
// sort buttons order it by the selected column.

#include "OnlineFixture.h"
#include "platform/Palette.h"
#include "runtime/TextFile.h"

namespace {

const QStringList Entries = {
    "Film;film_en;subrip;English;Ann;",   "Film;film_de;microdvd;German;Bob;extra text",
    "broken line without its fields",     "Subrip Story;story;sami;German;Cy;",
    "Abc Show;abcshow;subrip;Dutch;Dee;",
};

TEST_F(OnlineTest, UpdateStoresTheListWithItsDateAndShowsEveryEntry) {
    fetchList(Entries);
    EXPECT_EQ(t->macro.MacroAction.code, Online::ActionUpdate);
    EXPECT_EQ(online().InetRequest, 0) << "nothing runs once the list came";
    const QStringList stored = runtime::ReadTextFile(t.folder() + "/System/sublist.sdf").lines;
    ASSERT_EQ(stored.size(), Entries.size() + 1);
    EXPECT_EQ(stored.mid(1), Entries) << "the received lines, unchanged";
    EXPECT_TRUE(stored[0].contains(", ")) << "date, time: " << stored[0].toStdString();
    EXPECT_FALSE(QFile::exists(transfer("sublist.sdf"))) << "the received file is used up";

    EXPECT_EQ(shownNames(), QStringList({"film_en", "film_de", "story", "abcshow"}))
        << "the line without its five fields is left out";
    const platform::Grid& g = lists().FTPList;
    EXPECT_EQ(g.rows(), 5);
    EXPECT_EQ(g.textMatrix(2, 0), "2");
    EXPECT_EQ(g.textMatrix(2, 1), " Film");
    EXPECT_EQ(g.textMatrix(2, 5), " Bob") << "text after the fifth field is not shown";
    EXPECT_EQ(lists().Label21.caption(), "Mirel FTP [updated: " + stored[0] + ",  4 file(s)]");
    EXPECT_TRUE(lists().Command37.enabled());
    EXPECT_TRUE(lists().Command46.enabled());
    EXPECT_TRUE(lists().rtfFTPSearch.enabled());
    EXPECT_EQ(tab().lblTransfer.caption(), "Getting sublist.sdf: done.");
}

TEST_F(OnlineTest, FiltersFindTheirWordAnywhereInTheLine) {
    fetchList(Entries);
    struct Case {
        int format, language;
        QStringList names;
    };
    const Case cases[] = {
        {0, 0, {"film_en", "film_de", "story", "abcshow"}},
        {9, 0, {"film_en", "story", "abcshow"}}, // "Subrip Story" names it too
        {0, 14, {"film_de", "story"}},           // German
        {9, 14, {"story"}},
        {3, 10, {}}, // MicroDVD in English
    };
    for (const Case& c : cases) {
        tab().Combo7.setListIndex(c.format);
        EXPECT_EQ(t->macro.MacroAction.code, Online::ActionFormatFilter + c.format);
        tab().Combo8[0].setListIndex(c.language);
        EXPECT_EQ(t->macro.MacroAction.code, Online::ActionLanguageFilter + c.language);
        EXPECT_EQ(shownNames(), c.names) << c.format << " " << c.language;
        EXPECT_EQ(lists().Label57.caption(), tab().Combo7.text());
        EXPECT_EQ(lists().Label59.caption(), tab().Combo8[0].text());
        EXPECT_EQ(lists().Command37.enabled(), !c.names.isEmpty());
    }
    EXPECT_EQ(lists().Label21.caption().right(13), ",  0 file(s)]");

    // A choice closes its open picker.
    lists().Label53.onClick();
    ASSERT_TRUE(tab().Combo7.visible());
    tab().Combo7.setListIndex(0);
    EXPECT_FALSE(tab().Combo7.visible());
    EXPECT_EQ(lists().Label53.caption(), ">>");
}

TEST_F(OnlineTest, AnEmptyListLeavesNothingToLoadOrSearch) {
    fetchList({});
    EXPECT_EQ(runtime::ReadTextFile(t.folder() + "/System/sublist.sdf").lines.size(), 1)
        << "the date line is written all the same";
    EXPECT_EQ(shownNames(), QStringList());
    EXPECT_EQ(lists().FTPList.rows(), 2);
    EXPECT_TRUE(lists().Label21.caption().endsWith(",  0 file(s)]"));
    EXPECT_FALSE(lists().Command37.enabled());
    EXPECT_FALSE(lists().Command46.enabled());
    EXPECT_FALSE(lists().rtfFTPSearch.enabled());
}

TEST_F(OnlineTest, AListThatCannotBeFetchedKeepsTheStoredOne) {
    fetchList(Entries);
    const QByteArray stored = readBytes(t.folder() + "/System/sublist.sdf");
    QFile::remove(server.path("sublist.sdf"));
    Message seen;
    t.reply(AnswerOk, &seen);
    lists().Command38.onClick();
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(seen.title, "Error");
    EXPECT_TRUE(seen.text.startsWith("The file is not on the server")) << seen.text.toStdString();
    EXPECT_EQ(readBytes(t.folder() + "/System/sublist.sdf"), stored);
    EXPECT_EQ(shownNames().size(), 4);
    EXPECT_TRUE(tab().lblTransfer.caption().startsWith("Getting sublist.sdf failed: "));
}

TEST_F(OnlineTest, SearchColoursEveryHitAndSelectsTheLast) {
    fetchList(Entries);
    platform::Grid& g = lists().FTPList;
    lists().rtfFTPSearch.setText("ab");
    Message seen;
    t.reply(AnswerOk, &seen);
    lists().Command46.onClick();
    EXPECT_EQ(seen.text, "Enter at least 3 characters.");
    for (int r = 1; r < g.rows(); ++r)
        for (int c = 1; c <= 5; ++c)
            EXPECT_NE(g.cellBackColorAt(r, c), platform::palette::SearchHit);

    lists().rtfFTPSearch.setText("ABC");
    int enter = 13;
    lists().rtfFTPSearch.onKeyPress(enter);
    EXPECT_EQ(g.cellBackColorAt(4, 1), platform::palette::SearchHit) << " Abc Show";
    EXPECT_EQ(g.cellBackColorAt(4, 2), platform::palette::SearchHit) << " abcshow";
    EXPECT_NE(g.cellBackColorAt(1, 1), platform::palette::SearchHit);
    EXPECT_EQ(g.row(), 4);
    EXPECT_EQ(g.col(), 2) << "the last hit stays selected";
}

TEST_F(OnlineTest, SortButtonsSitOnTheSelectedCellAndOrderItsColumn) {
    fetchList(Entries);
    platform::Grid& g = lists().FTPList;
    g.setCurrentCell(2, 2);
    platform::Label& up = lists().Command22[0];
    platform::Label& down = lists().Command22[1];
    EXPECT_TRUE(up.visible() && down.visible());
    EXPECT_EQ(up.top(), g.top() + g.cellTop());
    EXPECT_EQ(down.left() + down.width(), g.left() + g.cellLeft() + g.cellWidth());
    EXPECT_EQ(up.left() + up.width(), down.left());

    down.onClick();
    EXPECT_EQ(shownNames(), QStringList({"story", "film_en", "film_de", "abcshow"}));
    EXPECT_EQ(g.textMatrix(1, 0), "3") << "rows move whole";
    up.onClick();
    EXPECT_EQ(shownNames(), QStringList({"abcshow", "film_de", "film_en", "story"}));

    tab().Combo7.setListIndex(0);
    EXPECT_FALSE(up.visible() || down.visible()) << "a filter hides them";

    QStringList many;
    for (int i = 0; i < 40; ++i)
        many << QStringLiteral("F%1;f%1;subrip;English;Ann;").arg(i);
    fetchList(many);
    g.setTopRow(20);
    g.setCurrentCell(2, 1);
    EXPECT_FALSE(up.visible()) << "a selected cell out of view carries none";
}

} // namespace
