// The macro editor's lists after a change: a deleted macro leaves the wizard
// lists, the indents of a macro are lined up, an export names its author.

#include "MacroTabFixture.h"
#include "fileio/frmFile.h"
#include "macro/frmWizard.h"

#include <pwd.h>
#include <unistd.h>

namespace {

TEST(MacroEditorLists, ADeletedMacroLeavesBothWizardLists) {
    ProgramFolder folder;
    ProgramOn p(folder.path());
    p.main().load();
    MacroTab tab(p);
    click(tab.ed().Command34);
    click(tab.ed().Command34);
    tab.pickMacro(0);
    tab.ed().Check5.setValue(1);
    tab.pickMacro(1);
    tab.ed().Check5.setValue(1);
    ASSERT_EQ(itemsOf(tab.wizard().List12), QStringList({"New Macro1", "New Macro2"}));
    tab.pickMacro(0);
    click(tab.ed().Command35); // no lines: no question
    EXPECT_EQ(itemsOf(tab.wizard().List12), QStringList{"New Macro2"});
    QStringList listed;
    p.answer<frmWizard>([&listed](frmWizard& w) {
        listed = itemsOf(w.List1);
        w.Label1.onClick();
    });
    p.main().mnuWizShow.click();
    EXPECT_EQ(listed, QStringList{"New Macro2"});
}

TEST(MacroEditorLists, LineUpIndentsEachIfBlockByFourBlanks) {
    ProgramFolder folder;
    ProgramOn p(folder.path());
    p.main().load();
    MacroTab tab(p);
    click(tab.ed().Command34);
    const QStringList typed = {"System.If.Do:=1=1",    "  View.Editor",    "System.If.Do:=2=2",
                               "View.Calculator",      "System.If.Do.End", "System.If.Do.End",
                               "      View.Partition", "System.If.Do.End"};
    for (int l = 0; l < typed.size(); ++l)
        tab.store(0, l + 1) = typed[l];
    tab.pickMacro(-1);
    tab.pickMacro(0);
    p.main().LineUpMacro();
    const QStringList lined = {"System.If.Do:=1=1",        "    View.Editor",
                               "    System.If.Do:=2=2",    "        View.Calculator",
                               "        System.If.Do.End", "    System.If.Do.End",
                               "View.Partition",           "System.If.Do.End"};
    EXPECT_EQ(itemsOf(tab.ed().List7), lined);
    EXPECT_EQ(tab.storedLines(0), lined) << "the store keeps what the editor shows";
}

TEST(MacroEditorLists, ExportNamesTheAccountWhenTheEnvironmentDoesNot) {
    const QByteArray user = qgetenv("USER"), username = qgetenv("USERNAME");
    qunsetenv("USER");
    qunsetenv("USERNAME");
    ProgramFolder folder;
    {
        ProgramOn p(folder.path());
        p.main().load();
        MacroTab tab(p);
        click(tab.ed().Command34);
        p.answer<frmFile>([](frmFile& f) {
            f.txtFilename.setText("mine");
            f.cmdActionClick(frmFile::Ok);
        });
        click(tab.ed().Label17);
    }
    if (!user.isNull()) qputenv("USER", user);
    if (!username.isNull()) qputenv("USERNAME", username);
    const passwd* account = getpwuid(getuid());
    ASSERT_NE(account, nullptr);
    const QStringList lines = folder.lines("Data/Macro/Export/mine.mcr");
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[2], "  This macro was created by: " + QString::fromLocal8Bit(account->pw_name));
}

} // namespace
