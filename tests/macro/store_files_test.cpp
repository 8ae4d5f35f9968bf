// The macro store and the wizard list on disk, read at start and written at
// exit; plug-in macros from Data/Macro; export of the macro being edited.

#include "MacroTabFixture.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"

#include <QDir>

namespace {

// A restart: the program on `folder` quits through its menu, and a new one
// reads the folder again.
void Quit(ProgramOn& p) {
    p.main().mnuExit.click();
}

TEST(MacroStoreFiles, WhatTheEditorStoresComesBackAfterARestart) {
    ProgramFolder folder;
    {
        ProgramOn p(folder.path());
        p.main().load();
        MacroTab tab(p);
        click(tab.ed().Command34);
        tab.add("Editor", "Shift.Go");
        tab.ed().rtfItemDescr.setText("00:00:01,000");
        tab.ed().Text3.setText("a second\r\nlater");
        click(tab.ed().Command53);
        tab.ed().rtfMacroName.setText("Shift one");
        click(tab.ed().Command36);
        tab.ed().Check5.setValue(1);
        tab.wizard().List12.setListIndex(0);
        tab.wizard().Text2.setText("Shifts by\r\none second");
        click(tab.wizard().Label71);
        Quit(p);
    }
    const QStringList store = folder.lines("System/Macro.sdf");
    ASSERT_EQ(store.size(), 20201) << "a line break in a cell would shift every later cell";
    EXPECT_EQ(store[20000], "<Wizard>");
    EXPECT_EQ(store[0], "Shift one");
    EXPECT_EQ(store[1], "Editor.Shift.Go:=00:00:01,000  //a second/nlater");
    const QStringList wizard = folder.lines("System/wizard.sdf");
    ASSERT_EQ(wizard.size(), 200);
    EXPECT_EQ(wizard[0], " 1 ");
    EXPECT_EQ(wizard[1], "Shifts by/none second");

    ProgramOn p(folder.path());
    p.main().load();
    MacroTab tab(p);
    EXPECT_EQ(itemsOf(tab.pickers().Combo5), QStringList{"Shift one"});
    EXPECT_EQ(tab.pickers().Combo5.listIndex(), 0);
    EXPECT_EQ(itemsOf(tab.ed().List7), QStringList{store[1]});
    EXPECT_EQ(tab.ed().Check5.value(), 1);
    EXPECT_EQ(itemsOf(tab.wizard().List12), QStringList{"Shift one"});
    EXPECT_EQ(p->macroLibrary.WizardList, QStringList{"Shift one"});
    tab.wizard().List12.setListIndex(-1);
    tab.wizard().List12.setListIndex(0);
    EXPECT_EQ(tab.wizard().Text2.text(), "Shifts by\r\none second") << "shown with its break";
    Quit(p);
}

TEST(MacroStoreFiles, ListPositionsKeepTheirSlotsAcrossEmptyNames) {
    ProgramFolder folder;
    QStringList store(20000);
    store[1] = "Orphan.Line"; // slot 0: lines, no name
    store[200] = "A";
    store[201] = "View.Editor";
    store[600] = "B"; // slot 3
    store[601] = "View.Player";
    folder.write("System/Macro.sdf", crlf(store));
    ProgramOn p(folder.path());
    p.main().load();
    MacroTab tab(p);
    EXPECT_EQ(itemsOf(tab.pickers().Combo5), QStringList({"A", "B"}));
    tab.pickMacro(1);
    EXPECT_EQ(itemsOf(tab.ed().List7), QStringList{"View.Player"});
    tab.add("View", "Diagnose");
    EXPECT_EQ(tab.storedLines(3), QStringList({"View.Player", "View.Diagnose"}));
    EXPECT_EQ(tab.storedLines(1), QStringList{"View.Editor"}) << "A is untouched";
    tab.ed().rtfMacroName.setText("B2");
    click(tab.ed().Command36);
    EXPECT_EQ(tab.store(3, 0), "B2");
    click(tab.ed().Command34);
    EXPECT_EQ(tab.store(2, 0), "New Macro3") << "New takes a free slot";
    EXPECT_EQ(tab.store(0, 1), "Orphan.Line") << "a slot with lines is used last";
    Quit(p);
}

TEST(MacroStoreFiles, MissingFilesLeaveAnEmptyListWithoutAMessage) {
    ProgramFolder folder;
    QDir(folder.file("System")).remove("Macro.sdf");
    QDir(folder.file("System")).remove("wizard.sdf");
    ProgramOn p(folder.path());
    p.main().load();
    MacroTab tab(p);
    EXPECT_EQ(tab.pickers().Combo5.listCount(), 0);
    EXPECT_EQ(tab.pickers().Combo5.listIndex(), -1);
    EXPECT_FALSE(tab.ed().Command36.enabled());
    Quit(p);
}

class PluginTest : public ::testing::Test {
protected:
    void plugin(const QString& file, const QStringList& lines) {
        folder.write("Data/Macro/" + file, crlf(lines));
    }
    void start() {
        p = std::make_unique<ProgramOn>(folder.path());
        p->main().load();
        tab = std::make_unique<MacroTab>(*p);
    }
    ~PluginTest() override {
        if (p) Quit(*p);
    }
    ProgramFolder folder;
    std::unique_ptr<ProgramOn> p;
    std::unique_ptr<MacroTab> tab;
};

TEST_F(PluginTest, AValidFileBecomesAMacroWithoutItsCommentBlock) {
    QStringList store(20000);
    store[0] = "Existing";
    store[1] = "View.Editor";
    folder.write("System/Macro.sdf", crlf(store));
    plugin("a.mcr", {"4.00:=Tidy", "<Comment>", "  by", "  date", "  time", "</Comment>",
                     "Diagnose.Go", "Menu.Save.SubFile"});
    plugin("b.mcr", {"3.10:=Old", "View.Editor"});
    plugin("c.mcr", {"4.00:=existing", "View.Player"});
    plugin("d.txt", {"4.00:=Not a macro file", "View.Player"});
    start();
    EXPECT_EQ(itemsOf(tab->pickers().Combo5), QStringList({"Existing", "Tidy"}));
    EXPECT_EQ(tab->store(1, 0), "Tidy");
    EXPECT_EQ(tab->storedLines(1), QStringList({"Diagnose.Go", "Menu.Save.SubFile"}));
    EXPECT_EQ((*p)->macroLibrary.WizardList, QStringList{"Tidy"}) << "offered by the wizard";
    EXPECT_EQ(tab->wizard().List12.listCount(), 0) << "not marked";
    EXPECT_EQ(tab->pickers().Combo5.listIndex(), 0);
    EXPECT_TRUE(tab->ed().Command36.enabled());
}

TEST_F(PluginTest, APluginTakesAFreeSlotNotTheSlotOfItsListPosition) {
    QStringList store(20000);
    store[200] = "Second slot";
    store[201] = "View.Editor";
    folder.write("System/Macro.sdf", crlf(store));
    plugin("a.mcr", {"4.00:=Plugged", "View.Player"});
    start();
    EXPECT_EQ(itemsOf(tab->pickers().Combo5), QStringList({"Second slot", "Plugged"}));
    EXPECT_EQ(tab->storedLines(1), QStringList{"View.Editor"})
        << "the listed macro keeps its lines";
    EXPECT_EQ(tab->store(0, 0), "Plugged");
    EXPECT_EQ(tab->storedLines(0), QStringList{"View.Player"});
}

// Deleted or renamed, a plug-in does not come back from its file at the
// next start; the file is set aside, not lost.
TEST_F(PluginTest, ADeletedOrRenamedPluginStaysSoAfterARestart) {
    plugin("a.mcr", {"4.00:=Gone", "View.Editor"});
    plugin("b.mcr", {"4.00:=Moved", "View.Player"});
    plugin("a.mcr.deleted", {"the user's own file"});
    start();
    ASSERT_EQ(itemsOf(tab->pickers().Combo5), QStringList({"Gone", "Moved"}));
    tab->pickMacro(0);
    p->answer<frmMessageBox>([](frmMessageBox& box) { box.cmdActionClick(frmMessageBox::Ok); });
    click(tab->ed().Command35);
    tab->pickMacro(0);
    tab->ed().rtfMacroName.setText("Kept");
    click(tab->ed().Command36);
    Quit(*p);
    start();
    EXPECT_EQ(itemsOf(tab->pickers().Combo5), QStringList{"Kept"});
    EXPECT_EQ(tab->storedLines(tab->pickers().Combo5.itemData(0)), QStringList{"View.Player"});
    EXPECT_EQ(folder.lines("Data/Macro/a.mcr.deleted"), QStringList{"the user's own file"});
    EXPECT_TRUE(folder.exists("Data/Macro/a.mcr.deleted.2") &&
                folder.exists("Data/Macro/b.mcr.deleted"));
}

TEST_F(PluginTest, TooManyLinesStopsReadingWithAMessage) {
    QStringList tooLong = {"4.00:=Long"};
    for (int i = 0; i < 200; ++i)
        tooLong << "View.Editor";
    plugin("a.mcr", tooLong);
    plugin("b.mcr", {"4.00:=Later", "View.Player"});
    p = std::make_unique<ProgramOn>(folder.path());
    Message seen;
    p->reply(frmMessageBox::Ok, &seen);
    p->main().load();
    tab = std::make_unique<MacroTab>(*p);
    EXPECT_EQ(seen.title, "Plugin Error");
    EXPECT_TRUE(seen.text.contains("a.mcr")) << seen.text.toStdString();
    EXPECT_EQ(tab->pickers().Combo5.listCount(), 0) << "no later plug-in is read";
}

class ExportTest : public ::testing::Test {
protected:
    ExportTest() : p(folder.path()), tab(p) { p.main().load(); }
    ~ExportTest() override { Quit(p); }

    // Exports with the chooser answered: the proposed name is kept in
    // *proposed, `typed` typed in its place, Ok pressed.
    void exportAs(const QString& typed, QString* proposed = nullptr, const QString& inFolder = {}) {
        p.answer<frmFile>([=](frmFile& f) {
            if (proposed) *proposed = f.txtFilename.text();
            if (!inFolder.isEmpty()) f.ShowFolder(inFolder);
            f.txtFilename.setText(typed);
            f.cmdActionClick(frmFile::Ok);
        });
        click(tab.ed().Label17);
    }
    ProgramFolder folder;
    ProgramOn p;
    MacroTab tab;
};

TEST_F(ExportTest, WritesHeaderCommentAndLinesUnderTheChosenName) {
    click(tab.ed().Command34);
    tab.ed().rtfMacroName.setText("my first.macro");
    click(tab.ed().Command36);
    tab.add("View", "Editor");
    tab.add("Diagnose", "Go");
    QString proposed;
    exportAs("x.txt", &proposed);
    EXPECT_EQ(proposed, "MyFirstMacro");
    const QStringList lines = folder.lines("Data/Macro/Export/x.mcr");
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], "4.00:=my first.macro");
    EXPECT_EQ(lines[1], "<Comment>");
    EXPECT_TRUE(lines[2].startsWith("  This macro was created by: "));
    EXPECT_TRUE(lines[3].startsWith("  Date: "));
    EXPECT_TRUE(lines[4].startsWith("  Time: "));
    EXPECT_EQ(lines[5], "</Comment>");
    EXPECT_EQ(lines.mid(6), QStringList({"View.Editor", "Diagnose.Go"}));
    EXPECT_FALSE(folder.exists("Data/Macro/Export/x.txt"));
}

TEST_F(ExportTest, OnlyTheFileNamesExtensionIsReplaced) {
    click(tab.ed().Command34);
    const QString dotted = folder.file("Data/Macro/Export/v1.2");
    QDir().mkpath(dotted);
    exportAs("plain", nullptr, dotted);
    exportAs("two.dots.txt", nullptr, dotted);
    EXPECT_TRUE(folder.exists("Data/Macro/Export/v1.2/plain.mcr"));
    EXPECT_TRUE(folder.exists("Data/Macro/Export/v1.2/two.dots.mcr"));
    EXPECT_EQ(folder.lines("Data/Macro/Export/v1.2/plain.mcr").size(), 6)
        << "no lines, header only";
    EXPECT_FALSE(folder.exists("Data/Macro/Export/v1.mcr"));
}

TEST_F(ExportTest, CancelWritesNothingAndAnExportReadsBackAsAPlugin) {
    click(tab.ed().Command34);
    tab.add("Player", "Play");
    p.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Cancel); });
    click(tab.ed().Label17);
    EXPECT_EQ(QDir(folder.file("Data/Macro/Export")).entryList({"*.mcr"}).size(), 0);
    exportAs("Played");
    // Moved where plug-ins are read, under a name not in use, it comes back.
    QStringList lines = folder.lines("Data/Macro/Export/Played.mcr");
    lines[0] = "4.00:=Played again";
    folder.write("Data/Macro/Played.mcr", crlf(lines));
    ProgramOn again(folder.path());
    again.main().load();
    MacroTab tab2(again);
    // The first program's macro was saved when it was made: the plug-in comes after it.
    EXPECT_EQ(itemsOf(tab2.pickers().Combo5), QStringList({"New Macro1", "Played again"}));
    EXPECT_EQ(tab2.storedLines(1), QStringList{"Player.Play"});
    Quit(again);
}

TEST(MacroWizardTexts, MarksRebuildTheListsAndAutoSaveStoresEachChange) {
    ProgramFolder folder;
    ProgramOn p(folder.path());
    p.main().load();
    MacroTab tab(p);
    for (int i = 0; i < 4; ++i)
        click(tab.ed().Command34);
    tab.pickMacro(3);
    tab.ed().Check5.setValue(1);
    EXPECT_EQ(itemsOf(tab.wizard().List12), QStringList{"New Macro4"});
    EXPECT_EQ(tab.wizard().List12.listIndex(), 0);
    tab.pickMacro(1);
    tab.ed().Check5.setValue(1);
    EXPECT_EQ(itemsOf(tab.wizard().List12), QStringList({"New Macro2", "New Macro4"}));
    EXPECT_EQ(tab.wizard().List12.listIndex(), 1) << "the last marked one";
    tab.pickMacro(3);
    tab.ed().Check5.setValue(0);
    EXPECT_EQ(itemsOf(tab.wizard().List12), QStringList{"New Macro2"});
    EXPECT_EQ(p->macroLibrary.WizardList, QStringList{"New Macro2"});

    MacroWizardPage& w = tab.wizard();
    w.List12.setListIndex(-1);
    w.List12.setListIndex(0);
    w.Text2.setText("typed");
    EXPECT_EQ(p->macroLibrary.WizardTexts[1], "") << "without Auto save only Accept stores";
    w.Check6.setValue(1);
    EXPECT_FALSE(w.Label71.enabled());
    w.Text2.setText("typed more");
    EXPECT_EQ(p->macroLibrary.WizardTexts[1], "typed more");
    EXPECT_NE(folder.lines("System/wizard.sdf").value(3), "typed more")
        << "not written at each keystroke";
    EXPECT_TRUE(p->macroLibrary.pause.isRunning());
    p->macroLibrary.pause.tick(); // the typing paused
    EXPECT_EQ(folder.lines("System/wizard.sdf").value(3), "typed more");
    w.Check6.setValue(0);
    EXPECT_TRUE(w.Label71.enabled());
    Quit(p);
}

// A store another Mirel filled: a new macro is refused and told, none of theirs dropped.
TEST(MacroStoreFiles, AMacroWithoutRoomIsRefusedAndTold) {
    ProgramFolder folder;
    ProgramOn p(folder.path());
    p.main().load();
    QStringList full;
    for (int m = 0; m < MacroLibrary::Macros; ++m)
        full << QString("Other%1").arg(m) << "System.Comment:=theirs"
             << QStringList(MacroLibrary::Lines - 2, QString());
    folder.write("System/Macro.sdf", crlf(full));
    MacroTab tab(p);
    Message told;
    p.reply(frmMessageBox::Ok, &told);
    click(tab.ed().Command34);
    EXPECT_TRUE(told.text.contains("no room for 'New Macro1'")) << told.text.toStdString();
    EXPECT_EQ(folder.lines("System/Macro.sdf"), full);
}

// Looking is no change: showing a macro whose mark the file holds as 2, recording nothing and
// leaving write no store file; a fresh folder gains none.
TEST(MacroStoreFiles, AStoreNobodyChangedIsNeverWritten) {
    for (const bool fresh : {true, false}) {
        ProgramFolder folder;
        QStringList store(20000), wizard(200);
        store[0] = "Marked";
        store[200] = "Odd";
        store[201] = "View.Editor";
        wizard[0] = " 1 ";
        wizard[2] = " 2 ";
        if (!fresh) {
            folder.write("System/Macro.sdf", crlf(store));
            folder.write("System/wizard.sdf", crlf(wizard));
        }
        const auto files = [&] {
            return std::pair(readBytes(folder.file("System/Macro.sdf")),
                             readBytes(folder.file("System/wizard.sdf")));
        };
        const auto before = files();
        ProgramOn p(folder.path());
        p.main().load();
        MacroTab tab(p);
        if (!fresh) {
            tab.pickMacro(1); // the box turns from Marked's tick to Odd's none
            click(tab.ed().Command32[MacroEditor::Record]); // Record.Start
            click(tab.ed().Command32[MacroEditor::Record]); // and Stop, nothing recorded
        }
        Quit(p);
        EXPECT_EQ(files(), before) << (fresh ? "fresh" : "mark 2");
        EXPECT_EQ(fresh, !folder.exists("System/Macro.sdf"));
    }
}

// Macro.sdf carries the marks and texts too: after a kill between it and wizard.sdf the
// store reads back whole, and the older layout (marks in wizard.sdf alone) still reads.
TEST(MacroStoreFiles, OneWriteCarriesAWholeChange) {
    ProgramFolder folder;
    QStringList store(20000), wizard(200);
    store[0] = "Kept";
    wizard[0] = " 0 ";
    folder.write("System/wizard.sdf", crlf(wizard)); // as a kill left it
    folder.write("System/Macro.sdf",
                 crlf(store + QStringList{"<Wizard>", " 1 ", "marked"} + QStringList(198)));
    ProgramOn p(folder.path());
    p.main().load();
    MacroTab tab(p);
    EXPECT_EQ(tab.ed().Check5.value(), 1);
    EXPECT_EQ(p->macroLibrary.WizardTexts[0], "marked");
    click(tab.ed().Command34);
    const QStringList written = folder.lines("System/Macro.sdf");
    ASSERT_EQ(written.size(), 20201);
    EXPECT_EQ(written.mid(20000, 3), QStringList({"<Wizard>", " 1 ", "marked"}));
    EXPECT_EQ(folder.lines("System/wizard.sdf"), written.mid(20001)) << "for older readers";
    Quit(p);
}

// A write that fails is told at once, kept, and written at the next change of any kind.
TEST(MacroStoreFiles, AFailedWriteIsToldAtOnceAndWrittenAtTheNextChance) {
    ProgramFolder folder;
    ProgramOn p(folder.path());
    p.main().load();
    MacroTab tab(p);
    Message told;
    {
        FileSizeLimit limit(20);
        ASSERT_TRUE(limit.active());
        p.reply(frmMessageBox::Ok, &told);
        click(tab.ed().Command34);
    }
    EXPECT_TRUE(told.text.contains(folder.file("System/Macro.sdf"))) << told.text.toStdString();
    EXPECT_FALSE(folder.exists("System/Macro.sdf"));
    click(tab.ed().Command32[MacroEditor::Record]); // no change of its own
    EXPECT_EQ(folder.lines("System/Macro.sdf").value(0), "New Macro1");
    click(tab.ed().Command32[MacroEditor::Record]);
    Quit(p);
}

} // namespace
