// The macro command table: its size, group names, cell form, the codes that
// differ from group * 100 + position, the lookups by name and by code, and that
// every command reaches a registered handler.

#include "fileio/frmFile.h"
#include "macro/MacroCommandTable.h"
#include "macro/Variables.h"
#include "shell/frmControl.h"
#include "support/FileBytes.h"
#include "support/TestProgram.h"

#include <set>

namespace {

using Pos = MacroCommandTable::Position;

TEST(MacroCommandTable, HoldsEveryCommandOfTheSixteenGroups) {
    const MacroCommandTable table;
    EXPECT_EQ(table.count(), 380);
    EXPECT_EQ(static_cast<int>(table.entries().size()), 380);
    const QStringList groups = MacroCommandTable::groupNames();
    ASSERT_EQ(groups.size(), 16);
    EXPECT_EQ(groups.first(), "View");
    EXPECT_EQ(groups[8], "Online.Download");
    EXPECT_EQ(groups.last(), "File.Control");
    EXPECT_EQ(MacroCommandTable::groupName(16), "");
    for (int pos = 0; pos < MacroCommandTable::Positions; ++pos)
        EXPECT_EQ(table.cell(16, pos), "") << "group 16 stays empty";
    // Commands per group.
    const int perGroup[16] = {39, 9, 12, 41, 23, 67, 11, 22, 54, 37, 12, 3, 30, 14, 4, 2};
    int counted[16] = {};
    for (const Pos& e : table.entries())
        ++counted[e.group];
    for (int g = 0; g < 16; ++g)
        EXPECT_EQ(counted[g], perGroup[g]) << "group " << g;
}

TEST(MacroCommandTable, CellsCarryNameDescriptionAndFourDigitCode) {
    const MacroCommandTable table;
    struct Case {
        int group, position;
        const char* cell;
    } cases[] = {
        {5, 11, "Font.Go;^0514"},
        {0, 27,
         "Messagebox;Opens the message window. Any text you enter as comment will be "
         "shown.^0030"},
        {0, 26,
         "Settings;Opens the settings window. 0=Non Modal, 1=Modal. When set to modal, "
         "macro waits for user input.^0022"},
        {5, 48,
         "mcrVar.Set.Basic;Set mcrVar[x] to current Basic.Text value. Any Data will be "
         "varname.^0550"},
        {5, 64, "Filter.Set.CLL.On;Set correct long line on.^^0566"},
        {8, 19, "Set.Albanian;^0819"},
        {8, 53, "Set.Urdu;^0853"},
        {9, 1, "Set.Albanian;^0901"},
        {9, 17, "Set.Hongarian;^0917"},
        {12, 33, "Set.Default.FR;0=23.970, 1=24.000, 2=25.000, 3=29.970, 4=30.000^1225"},
        {13, 0, "Comment;All text entered will be ignored by Mirel.^1301"},
        {14, 3, "Load;Load a file x, where x is the exact filename^1404"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(table.cell(c.group, c.position), c.cell) << c.group << "," << c.position;
    EXPECT_EQ(table.name(5, 14), "Shift.Go");
    EXPECT_EQ(table.description(5, 64), "Set correct long line on.");
    EXPECT_EQ(table.description(5, 11), "");
    EXPECT_EQ(table.code(5, 14), 518);
    EXPECT_EQ(table.code(0, 10), -1) << "View has no command at 10";
    EXPECT_EQ(table.fullName(5, 14), "Editor.Shift.Go");
    EXPECT_EQ(table.fullName(0, 10), "");
    EXPECT_EQ(table.cell(-1, 0), "");
    EXPECT_EQ(table.cell(0, 100), "");
}

TEST(MacroCommandTable, CodesDifferFromThePositionWhereTheTableSaysSo) {
    const MacroCommandTable table;
    struct Case {
        const char* command;
        int group, position, code;
    } cases[] = {
        {"View.Calculator", 0, 1, 1},
        {"View.Editor.Shift", 0, 11, 10},
        {"View.Instant.Help", 0, 51, 39},
        {"Menu.About", 1, 10, 110},
        {"Calculator.Classic.Clip.F", 3, 41, 341},
        {"Partition.Preview.Exit", 4, 23, 423},
        {"Editor.Stretch.Go", 5, 15, 522},
        {"Editor.Stretch.Range.Node", 5, 67, 569},
        {"Diagnose.Set.Repair.EL.Off", 7, 22, 722},
        {"Online.Download.All Languages", 8, 18, 818},
        {"Online.Download.Set.Italian", 8, 37, 837},
        {"Online.Download.Update", 8, 54, 854},
        {"Online.Upload.Set.Urdu", 9, 35, 935},
        {"Online.Upload.Clear", 9, 36, 936},
        {"Online.Upload.Send", 9, 37, 937},
        {"Clipboard.Item.Select", 10, 12, 1012},
        {"Script.Player.Stop", 11, 3, 1103},
        {"Settings.Set.Script.ES.On", 12, 21, 1219},
        {"Settings.Cancel", 12, 40, 1231},
        {"System.For.Do.End", 13, 13, 1308},
        {"File.Handling.Set.Settings.Type", 14, 0, 1401},
        {"File.Control.Set.AutoClose.Off", 15, 1, 1502},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(table.find(c.command), (Pos{c.group, c.position})) << c.command;
        EXPECT_EQ(table.code(c.group, c.position), c.code) << c.command;
    }
    EXPECT_FALSE(table.find("Editor.Shift").found()) << "the View command, not an Editor one";
    EXPECT_FALSE(table.find("editor.Shift.Go").found()) << "case counts";
    EXPECT_FALSE(table.find("Shift.Go").found());
    EXPECT_EQ(table.find("Calculator.Advanced.Clip"), (Pos{2, 2}));
    EXPECT_EQ(table.find("Clipboard.Clear"), (Pos{10, 10}));
}

TEST(MacroCommandTable, LookupByCodeTakesTheLowestPositionOfItsGroup) {
    const MacroCommandTable table;
    struct Case {
        int code;
        Pos expected;
    } cases[] = {
        {522, {5, 15}}, {30, {0, 27}},  {28, {0, 45}},   {1308, {13, 7}}, {10, {0, 11}},
        {818, {8, 18}}, {819, {8, 19}}, {854, {8, 54}},  {918, {9, 18}},  {919, {9, 19}},
        {936, {9, 36}}, {937, {9, 37}}, {1502, {15, 1}}, {566, {5, 64}},  {599, {}},
        {-1, {}},       {1700, {}},     {9999, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(table.findByCode(c.code), c.expected) << c.code;
}

TEST(MacroCommandTable, OnlineReportsNameTheirOwnCommands) {
    // The download language list reports 818 + its position, the upload list
    // 901 + its position; Update, Clear and Send have codes of their own.
    const MacroCommandTable table;
    std::set<QString> seen;
    for (int k = 0; k <= 35; ++k)
        seen.insert(table.fullName(8, 18 + k));
    for (int k = 0; k < 35; ++k)
        seen.insert(table.fullName(9, 1 + k));
    EXPECT_EQ(seen.size(), 71U);
    for (int k = 0; k <= 35; ++k) {
        const Pos at = table.findByCode(818 + k);
        EXPECT_EQ(at, (Pos{8, 18 + k})) << k;
    }
    for (int k = 0; k < 35; ++k)
        EXPECT_EQ(table.findByCode(901 + k), (Pos{9, 1 + k})) << k;
    EXPECT_EQ(table.fullName(8, 54), "Online.Download.Update");
}

} // namespace

namespace {

// Commands whose windows are still being built elsewhere; the list shrinks as
// they register their handlers.
const std::set<QString>& KnownMissing() {
    static const std::set<QString> names = {};
    return names;
}

TEST(MacroCommandTable, EveryCommandReachesARegisteredHandler) {
    TestProgram t;
    t.main();
    const MacroCommandTable& table = t->macroTable;
    QStringList missing, stale, wrongCode;
    for (const Pos& e : table.entries()) {
        const QString name = table.fullName(e.group, e.position);
        const CommandRegistry::Command* command = t->commands.find(name);
        if (!command) {
            if (!KnownMissing().count(name)) missing << name;
            continue;
        }
        if (KnownMissing().count(name)) stale << name;
        if (command->actionCode != table.code(e.group, e.position)) wrongCode << name;
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u'\n').toStdString();
    EXPECT_TRUE(stale.isEmpty()) << "registered now: " << stale.join(u'\n').toStdString();
    EXPECT_TRUE(wrongCode.isEmpty()) << wrongCode.join(u'\n').toStdString();
}

} // namespace

namespace {

TEST(MacroBasicCommands, SelectACellAndEnterTextAsAMacroLineGivesThem) {
    TestProgram t;
    t.loadDataFile("three.srt", SubRip(3));
    EXPECT_TRUE(t->commands.run("Editor.Cel.Select", "3,2"));
    EXPECT_EQ(t->doc.grid().row(), 2);
    EXPECT_EQ(t->doc.grid().col(), 3);
    EXPECT_EQ(t->macro.MacroAction.code, 549);
    EXPECT_EQ(t->macro.MacroAction.text, "3,2");
    // Outside the grid: a macro error, and nothing moves.
    EXPECT_THROW(t->commands.run("Editor.Cel.Select", "99,99"), MacroError);
    EXPECT_EQ(t->doc.grid().row(), 2);
    EXPECT_TRUE(t->commands.run("Editor.Basic.Text", "Two lines"));
    EXPECT_EQ(t->macro.MacroAction.code, 505);
    EXPECT_EQ(t.main().editor.basic.rtfSubEditBasic.text(), "Two lines");
}

} // namespace

namespace {

TEST(MacroFileWindowCommands, SetTheChooserAndProgressWindowAndLoadByName) {
    TestProgram t;
    t.main();
    EXPECT_TRUE(t->commands.run("File.Handling.Set.Settings.Type", "17"));
    EXPECT_EQ(t->fileChooser().List3.listIndex(), 17);
    t->commands.run("File.Handling.Set.Check.SA.On");
    EXPECT_EQ(t->fileChooser().Check1.value(), 1);
    t->commands.run("File.Handling.Set.Check.SA.Off");
    EXPECT_EQ(t->fileChooser().Check1.value(), 0);
    t->commands.run("File.Control.Set.AutoClose.On");
    EXPECT_EQ(t->control().chkClose.value(), 1);
    t->commands.run("File.Control.Set.AutoClose.Off");
    EXPECT_EQ(t->control().chkClose.value(), 0);
    const QString file = t.writeDataFile("four.srt", SubRip(4));
    t->commands.run("File.Handling.Load", file);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(t->doc.lineCount(), 4);
    EXPECT_EQ(t->macro.MacroAction.code, 1404) << "the load's code is the last one reported";
    t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Cancel); }); // the window opens
    EXPECT_TRUE(t->commands.run("View.FileHandling"));
}

} // namespace
