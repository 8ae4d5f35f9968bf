// The navigation tree as a user meets it: what each node shows or runs, the
// warnings of the file commands before a file is open, and the recent files.

#include "LanguageFixture.h"
#include "support/TestProgram.h"

#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "shell/NavigationTree.h"
#include "shell/frmSettings.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

namespace {

const QByteArray Srt = "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello\r\n\r\n"
                       "2\r\n00:00:03,000 --> 00:00:04,000\r\nWorld\r\n\r\n";

struct Navigation : ::testing::Test {
    TestProgram t;
    frmMain& m = t.main();
    void SetUp() override { m.load(); }
    void click(const char* key) { m.TV1.clickNode(QString::fromLatin1(key)); }
    // The chooser is cancelled: the command got as far as asking for a file.
    void cancelChooser() {
        t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(0); });
    }
};

TEST_F(Navigation, TheTreeHoldsItsNodesInOrderWithTheirParentsAndCaptions) {
    const struct {
        const char* key;
        QStringList children;
    } branches[] = {
        {"", {"menu", "main", "sub", "recent"}},
        {"menu", {"file", "view", "options", "wizard", "help"}},
        {"main", {"calc", "part", "edit", "mp", "diag", "macro", "online"}},
        {"sub", {"clip", "sp"}},
        {"file", {"new", "load", "add", "save_sub", "save_set", "collection", "print", "exit"}},
        {"collection", {"col_manage"}},
        {"view", {"preview"}},
        {"options", {"settings", "system", "history"}},
        {"wizard", {"wizshow"}},
        {"help", {"onlinehelp", "showtips", "about"}},
        {"calc", {"adv", "classic"}},
        {"edit", {"basic", "sr", "filter", "font", "shift", "stretch", "time", "fr"}},
        {"online", {"dl", "ul"}}};
    int count = 0;
    for (const auto& b : branches) {
        EXPECT_EQ(m.TV1.childKeys(QString::fromLatin1(b.key)), b.children) << b.key;
        count += static_cast<int>(b.children.size());
    }
    EXPECT_EQ(count, 47);
    const struct {
        const char* key;
        const char* caption;
    } captions[] = {{"menu", "Menu"},         {"sub", "Sub Tab"},   {"view", "View"},
                    {"macro", "Macro's"},     {"fr", "Frame Rate"}, {"col_manage", "Manage"},
                    {"load", "Load File .."}, {"about", "About"},   {"sp", "Script Player"},
                    {"system", "System .."},  {"wizshow", "Show"}};
    for (const auto& c : captions)
        EXPECT_EQ(m.TV1.nodeText(QString::fromLatin1(c.key)), c.caption) << c.key;
    for (const char* key : {"menu", "main", "sub"})
        EXPECT_TRUE(m.TV1.expanded(QString::fromLatin1(key))) << key;
    for (const char* key : {"recent", "file", "edit", "calc"})
        EXPECT_FALSE(m.TV1.expanded(QString::fromLatin1(key))) << key;
    EXPECT_TRUE(m.TV1.childKeys("recent").isEmpty()) << "no file opened yet";
    // Every caption number the tree uses is in the table a language pack fills.
    EXPECT_EQ(t->shell.TreeCaptions[44], "View");
    EXPECT_EQ(t->shell.TreeCaptions[34], "") << "number 34 names no node";
}

// Each tab node shows its tab, and its sub-tab where it names one; the other
// tab controls stay as they were.
TEST_F(Navigation, EveryTabNodeShowsItsTab) {
    EditorTab& e = m.editor;
    const struct {
        const char* key;
        int main;
        platform::TabStrip* sub;
        int subTab;
    } rows[] = {{"calc", frmMain::TabCalculator, nullptr, 0},
                {"adv", frmMain::TabCalculator, &m.calculator.tabCalculator, 0},
                {"classic", frmMain::TabCalculator, &m.calculator.tabCalculator, 1},
                {"part", frmMain::TabPartition, nullptr, 0},
                {"basic", frmMain::TabEditor, &e.SSTab2, 0},
                {"sr", frmMain::TabEditor, &e.SSTab2, 1},
                {"filter", frmMain::TabEditor, &e.SSTab2, 2},
                {"font", frmMain::TabEditor, &e.SSTab2, 3},
                {"shift", frmMain::TabEditor, &e.SSTab3, 0},
                {"stretch", frmMain::TabEditor, &e.SSTab3, 1},
                {"time", frmMain::TabEditor, &e.SSTab3, 2},
                {"fr", frmMain::TabEditor, &e.SSTab3, 3},
                {"mp", frmMain::TabPlayer, nullptr, 0},
                {"diag", frmMain::TabDiagnose, nullptr, 0},
                {"macro", frmMain::TabMacros, nullptr, 0},
                {"online", frmMain::TabOnline, nullptr, 0},
                {"dl", frmMain::TabOnline, &m.online.SSTab5, 0},
                {"ul", frmMain::TabOnline, &m.online.SSTab5, 1},
                {"edit", frmMain::TabEditor, nullptr, 0}};
    for (const auto& r : rows) {
        // Start each row from another place, so that the node must move it.
        m.tabMain.setTab(r.main == frmMain::TabDiagnose ? frmMain::TabPartition
                                                        : frmMain::TabDiagnose);
        if (r.sub) r.sub->setTab(r.subTab == 0 ? 1 : 0);
        click(r.key);
        EXPECT_EQ(m.tabMain.tab(), r.main) << r.key;
        if (r.sub) {
            EXPECT_EQ(r.sub->tab(), r.subTab) << r.key;
        }
    }
    // "basic" leaves the second editor row alone; "edit" leaves both.
    e.SSTab3.setTab(2);
    click("basic");
    EXPECT_EQ(e.SSTab3.tab(), 2);
    e.SSTab2.setTab(3);
    click("edit");
    EXPECT_EQ(e.SSTab2.tab(), 3);
    EXPECT_EQ(e.SSTab3.tab(), 2);
    // The side area's nodes leave the main tab alone.
    m.tabMain.setTab(frmMain::TabOnline);
    click("sp");
    EXPECT_EQ(m.tabClipboard.tab(), frmMain::TabScriptPlayer);
    click("clip");
    EXPECT_EQ(m.tabClipboard.tab(), frmMain::TabClipboard);
    EXPECT_EQ(m.tabMain.tab(), frmMain::TabOnline);
}

TEST_F(Navigation, GroupNodesAndUnknownKeysDoNothing) {
    m.tabMain.setTab(frmMain::TabDiagnose);
    for (const char* key : {"menu", "main", "sub", "recent", "file", "view", "options", "wizard",
                            "help", "collection"})
        click(key);
    NodeClick(t.program(), "CALC");
    NodeClick(t.program(), "Edit");
    EXPECT_EQ(m.tabMain.tab(), frmMain::TabDiagnose);
}

TEST_F(Navigation, FileNodesWarnBeforeAFileIsOpenAndRunTheirCommandAfter) {
    const struct {
        const char* key;
        const char* warning;
    } guards[] = {{"add", "You can not add a file while there is no primairy file loaded first. "
                          "Please load a primairy file first. Press Ok to continue."},
                  {"save_sub", "You can not save a file that has not been loaded yet. Please "
                               "load a primairy file first. Press Ok to continue."},
                  {"print", "You can not print the content of a file that has not been loaded "
                            "yet. Please load a primairy file first. Press Ok to continue."},
                  {"preview", "You can not view any content because you have to load a subtitle "
                              "file first. Press Ok to continue."}};
    for (const auto& g : guards) {
        Message seen;
        t.reply(frmMessageBox::Ok, &seen);
        click(g.key);
        EXPECT_EQ(seen.title, "Warning") << g.key;
        EXPECT_EQ(seen.text, g.warning) << g.key;
    }
    // New opens Save only: Save asks for a name, the others still warn.
    click("new");
    cancelChooser();
    click("save_sub");
    t.reply(frmMessageBox::Ok);
    click("add");
    t.loadDataFile("a.srt", Srt);
    cancelChooser();
    click("add");
    cancelChooser();
    click("load");
    EXPECT_EQ(t->host.modal.pendingAnswers(), 0u);
}

TEST_F(Navigation, ARecentFileOpensFromItsNodeWithItsNameInSight) {
    const QString first = t.writeDataFile("first.srt", Srt);
    const QString second = t.loadDataFile("second.srt", Srt);
    const QString key = "lf_" + first;
    mustLoad(t.program(), first);
    ASSERT_TRUE(m.TV1.exists(key));
    EXPECT_EQ(m.TV1.nodeText(key), first);
    EXPECT_EQ(m.TV1.nodeToolTip(key), first) << "the whole path shows as tool tip";
    EXPECT_EQ(m.TV1.childKeys("recent"), QStringList({"lf_" + second, key}));

    // A changed document is offered for saving first; No opens the file.
    t->doc.FileChanged = true;
    Message seen;
    t.reply(frmMessageBox::No, &seen);
    m.TV1.clickNode("lf_" + second);
    EXPECT_TRUE(seen.text.contains("has been changed and not saved")) << seen.text.toStdString();
    EXPECT_EQ(t->files.CurFileName, second);

    // Enter on the selected node does what a click does.
    m.show();
    auto* tree = qobject_cast<QTreeWidget*>(m.TV1.widget());
    ASSERT_NE(tree, nullptr);
    m.TV1.clickNode("lf_" + second); // selects it (and opens it again)
    tree->setCurrentItem(tree->findItems("first.srt", Qt::MatchEndsWith | Qt::MatchRecursive)[0]);
    m.window()->activateWindow();
    m.TV1.setFocus();
    QApplication::processEvents();
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(t->files.CurFileName, first);
}

TEST(NavigationRecent, APathListedTwiceGivesOneNode) {
    TestProgram t;
    const QString path = t.writeDataFile("twice.srt", Srt);
    t.writeFile("System/recent.sdf", (path + "\r\n" + path + "\r\n").toUtf8());
    frmMain& m = t.main();
    m.Combo13.addItem(path); // as a list read without the repeat check
    m.Combo13.addItem(path);
    m.load();
    EXPECT_EQ(m.TV1.childKeys("recent"), QStringList({"lf_" + path}));
}

// Every node keeps a caption whatever the pack does: a pack refused for its
// version, a pack named while "Use language pack" is off, and a pack that
// names only some nodes all leave the built-in English where no pack word is.
TEST(NavigationCaptions, EveryNodeHasACaptionWithOrWithoutAPack) {
    const QByteArray refused = PackBytes({"[Main Nodes]", "0,Menue^"}, "4.01");
    const QByteArray partial =
        PackBytes({"[Main Nodes]", "3,Zuletzt^", "[Settings Nodes]", "6,Klang^"});
    const struct {
        const char* what;
        QByteArray pack;
        bool use;
        const char* recent; // the caption of "recent"
        const char* audio;  // the settings tree's "audio"
    } cases[] = {{"a refused pack", refused, true, "Recent", "Audio"},
                 {"a pack while the pack is off", partial, false, "Recent", "Audio"},
                 {"a pack naming two nodes", partial, true, "Zuletzt", "Klang"}};
    for (const auto& c : cases) {
        const bool told = c.use && c.pack == refused;
        ProgramWithPack run(
            "Test.lng", c.pack,
            [told](ProgramOn& p) {
                if (told) p.reply(frmMessageBox::Ok);
            },
            c.use);
        frmMain& m = run->main();
        QStringList keys = m.TV1.childKeys("");
        for (int i = 0; i < keys.size(); ++i)
            keys << m.TV1.childKeys(keys[i]);
        EXPECT_EQ(keys.size(), 47) << c.what;
        for (const QString& key : keys)
            EXPECT_FALSE(m.TV1.nodeText(key).isEmpty()) << c.what << ": " << key.toStdString();
        EXPECT_EQ(m.TV1.nodeText("recent"), c.recent) << c.what;
        EXPECT_EQ(m.TV1.nodeText("sp"), "Script Player") << c.what;
        EXPECT_EQ(run->settings().TV2.nodeText("audio"), c.audio) << c.what;
        EXPECT_EQ(run->settings().TV2.nodeText("startup"), "Startup") << c.what;
    }
}

} // namespace
