// The menu bar and the command registry as a user and a macro reach them:
// every item runs a registered command, separators are lines, and every
// registered command runs on an open document without a fault.

#include "macro/Variables.h"
#include "support/TestProgram.h"

#include "fileio/frmFile.h"
#include "shell/MenuBar.h"
#include "shell/frmSettings.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace {

const QByteArray Srt = "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello\r\n\r\n"
                       "2\r\n00:00:03,000 --> 00:00:04,000\r\nWorld\r\n\r\n";

// Menu, item, caption, the command it runs.
const struct {
    const char* item;
    const char* caption;
    const char* command;
} Items[] = {{"mnuNewFile", "&New", "Menu.File.New"},
             {"mnuLoadFile", "&Open ..", "Menu.File.Load"},
             {"mnuAddFile", "&Add ..", "Menu.File.Add"},
             {"mnuSavesubfile", "&Save ..", "Menu.Save.SubFile"},
             {"mnuSaveSettings", "Save S&ettings ..", "Menu.Save.Settings"},
             {"mnuDBManage", "&Manage", "Menu.Collection.Manage"},
             {"mnuPrint", "&Direct Print", "Menu.Print"},
             {"mnuExit", "E&xit", "Menu.File.Exit"},
             {"mnuPreview", "&Preview", "Menu.View.Preview"},
             {"mnuSettings", "&Settings ..", "Menu.Options.Settings"},
             {"mnuMacro", "S&ystem ..", "Menu.Options.System"},
             {"mnuHistory", "&History ..", "Menu.History.Show"},
             {"mnuWizShow", "&Show", "Menu.Wizard.Show"},
             {"mnuHelpIndex", "Online Help", "Menu.Online.Help"},
             {"mnuShowTips", "Show Tips", "Menu.Show.Tips"},
             {"mnuAbout", "About", "Menu.About"}};

// Every item carries its caption and a registered command; the Help menu's
// items open their windows and report their codes.
TEST(MenuBar, EveryItemRunsItsRegisteredCommand) {
    TestProgram t;
    frmMain& m = t.main();
    for (const auto& i : Items) {
        platform::Menu* item = m.findMenu(QString::fromLatin1(i.item));
        ASSERT_NE(item, nullptr) << i.item;
        EXPECT_EQ(item->caption(), i.caption) << i.item;
        ASSERT_NE(t->commands.find(QString::fromLatin1(i.command)), nullptr) << i.command;
        ASSERT_TRUE(item->onClick) << i.item;
    }
    // The help menu's commands report once their window is closed.
    int shown = 0;
    t->shell.ShowTipsWindow = [&] { ++shown; };
    t->shell.ShowAboutWindow = [&] { ++shown; };
    QString address;
    t->shell.ShowHelpWindow = [&](const QString& a) { address = a, ++shown; };
    t->online.OnlineUrl = "http://help.example.org/mirel/";
    const struct {
        const char* item;
        int code;
    } help[] = {{"mnuShowTips", 108}, {"mnuAbout", 110}, {"mnuHelpIndex", 107}};
    for (const auto& h : help) {
        t->macro.SetMacroAction(QString(), -1);
        m.findMenu(QString::fromLatin1(h.item))->click();
        EXPECT_EQ(t->macro.MacroAction.code, h.code) << h.item;
    }
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(address, "http://help.example.org/mirel/help/index.htm");
}

TEST(MenuBar, TheHelpIndexAddressIsJoinedWithOneSlash) {
    const struct {
        const char* base;
        const char* address;
    } rows[] = {{"http://example.org", "http://example.org/help/index.htm"},
                {"http://example.org/", "http://example.org/help/index.htm"},
                {"http://example.org\\", "http://example.org/help/index.htm"},
                {"/opt/mirel/web", "/opt/mirel/web/help/index.htm"},
                {"http://example.org/help/", "http://example.org/help/index.htm"},
                {"http://example.org/Help", "http://example.org/Help/index.htm"},
                {"http://example.org/selfhelp", "http://example.org/selfhelp/help/index.htm"}};
    for (const auto& r : rows)
        EXPECT_EQ(HelpIndexAddress(r.base), r.address) << r.base;
}

TEST(MenuBar, SeparatorsAreLinesAndTheMenusHoldTheirItemsInOrder) {
    TestProgram t;
    frmMain& m = t.main();
    QStringList file;
    for (QAction* a : m.mnuFile.action()->menu()->actions())
        file << (a->isSeparator() ? QStringLiteral("|") : a->text());
    EXPECT_EQ(file,
              QStringList({"&New", "&Open ..", "&Add ..", "|", "&Save ..", "Save S&ettings ..", "|",
                           "&Collection", "|", "&Direct Print", "|", "E&xit"}));
    QStringList help;
    for (QAction* a : m.mnuHelp.action()->menu()->actions())
        help << (a->isSeparator() ? QStringLiteral("|") : a->text());
    EXPECT_EQ(help, QStringList({"Online Help", "|", "Show Tips", "About"}));
    for (platform::Menu* item : {&m.mnuAddFile, &m.mnuSavesubfile, &m.mnuPrint, &m.mnuPreview})
        EXPECT_FALSE(item->enabled()) << item->name().toStdString();
}

// With AutoHelp on, each file command shows its own page.
TEST(MenuBar, TheFileCommandsShowTheirHelpPages) {
    TestProgram t;
    frmMain& m = t.main();
    m.load();
    t->settings().Check7[6].setValue(1);
    t.loadDataFile("a.srt", Srt);
    const struct {
        platform::Menu* item;
        const char* page;
    } rows[] = {{&m.mnuLoadFile, "file_load.htm"},
                {&m.mnuAddFile, "file_add.htm"},
                {&m.mnuSavesubfile, "file_save.htm"},
                {&m.mnuSaveSettings, "file_sset.htm"}};
    for (const auto& r : rows) {
        m.SSTab1.setTab(0);
        t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(0); });
        r.item->click();
        EXPECT_EQ(m.SSTab1.tab(), 1) << r.page;
        EXPECT_EQ(QFileInfo(m.brwHelp.locationURL()).fileName(), r.page);
        EXPECT_FALSE(m.brwHelp.documentText().isEmpty()) << r.page << " ships with Mirel";
    }
}

// A macro may run any command with no data: none of them may fail or leave
// a window unanswered on an open document.
TEST(Registry, EveryCommandRunsOnceOnAnOpenDocument) {
    TestProgram t;
    frmMain& m = t.main();
    m.load();
    t.loadDataFile("a.srt", Srt);
    QStringList shown;
    answerModalsWithCancel(t->host.modal, &shown);
    const QStringList names = t->commands.names();
    EXPECT_GT(names.size(), 150);
    int refused = 0;
    for (const QString& name : names) {
        if (name == QLatin1String("Menu.File.Exit")) continue; // last
        SCOPED_TRACE(name.toStdString());
        // A macro command refuses data it cannot use with a macro error,
        // which the interpreter shows; anything else thrown is a fault.
        try {
            EXPECT_TRUE(t->commands.run(name));
        } catch (const MacroError&) {
            ++refused;
        }
    }
    EXPECT_LT(refused, 40) << "most commands run without data";
    EXPECT_TRUE(t->commands.run("Menu.File.Exit"));
    EXPECT_FALSE(shown.isEmpty()) << "the file commands ask for a file";
}

} // namespace
