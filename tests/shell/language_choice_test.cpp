// Choosing a language in the settings window: the list of packs this version
// reads, the choice and its notice, the file name Ok stores, and the whole
// road of a user: the German pack chosen, Mirel started again, the main
// window in German (saved as frmMain_de.png in the build folder for a look).

#include "LanguageFixture.h"
#include "document/frmMessageBox.h"
#include "shell/SettingsFile.h"
#include "shell/Startup.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"
#include "shell/frmTip.h"
#include "support/ListItems.h"
#include "support/WindowLook.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QWidget>

namespace {

// Picks a pack in the language page as a user does: the picker, then the item.
void PickLanguage(frmSettings& s, const QString& entry) {
    Press(s.Label1);
    ASSERT_TRUE(s.List1.visible());
    const int index = static_cast<int>(itemsOf(s.List1).indexOf(entry));
    ASSERT_GE(index, 0) << entry.toStdString();
    s.List1.setListIndex(index);
    EXPECT_FALSE(s.List1.visible()) << "the pick closes the picker";
}

TEST(LanguageList, ListsThePacksThisVersionReadsOnceEach) {
    ProgramFolder folder;
    auto pack = [&](const QString& name, const QStringList& header) {
        QStringList stored;
        for (const QString& line : header)
            stored << ScrambleLine(line);
        folder.write("System/Language/" + name, crlf(stored));
    };
    pack("A-older.lng", {"Version:=3.90", "Name:=Alt", "Author:=A"});
    pack("B-newer.lng", {"Version:=4.01", "Name:=Neu", "Author:=B"});
    pack("C-two.lng", {"Version:=4.00", "Name:=Kurz"});
    pack("E-same.lng", {"Version:=4.00", "Name:=deutsch", "Author:=mirel-team"});
    pack("F-fine.lng", {"Version:=4.00", "Name:=Français", "Author:=Claire", "Folder:=F", "-"});
    folder.write("System/Language/readme.txt", "not a pack");
    QFile::link(folder.file("System/Language/gone.bin"), folder.file("System/Language/D-gone.lng"));
    folder.write("System/Settings/set.sdf", crlf(SettingsWithPack("F-fine.lng")));
    ProgramOn p(folder.path());
    p.main().load();
    frmSettings& s = p->settings();
    s.TV2.clickNode("lng");
    EXPECT_EQ(itemsOf(s.List1), QStringList({"Deutsch by: Mirel-Team", "Français by: Claire"}))
        << "other versions, short and unreadable files, and a second pack of the same "
           "language and author are left out";
    EXPECT_EQ(itemsOf(s.List2), QStringList({"Deutsch.lng", "F-fine.lng"}));
    EXPECT_EQ(s.List1.listIndex(), 1) << "the pack in use";
    EXPECT_EQ(s.Label2.caption(), "Français by: Claire");
    EXPECT_FALSE(s.LanguagePackChanged) << "showing the pack in use is no change";
    s.TV2.clickNode("lng");
    EXPECT_EQ(s.List1.listCount(), 2) << "listed afresh";
}

TEST(LanguageChoice, TouchingTheChoiceIsAChangeAndOkTellsToRestart) {
    ProgramWithPack run("Deutsch.lng");
    frmSettings& s = run->settings();
    s.TV2.clickNode("lng");
    EXPECT_TRUE(s.Label1.enabled()) << "the pack box is ticked";
    s.List1.setListIndex(-1); // so that picking the same pack again is a pick
    PickLanguage(s, "Deutsch by: Mirel-Team");
    EXPECT_FALSE(s.LanguagePackChanged) << "the language already shown";
    s.Check2.setValue(0);
    EXPECT_FALSE(s.List1.enabled());
    s.Check2.setValue(1);
    EXPECT_TRUE(s.LanguagePackChanged) << "clicking the box twice is a change";
    Message seen;
    (*run.p).reply(frmMessageBox::Ok, &seen);
    Press(s.Command1[frmSettings::Ok]);
    EXPECT_EQ(seen.title, "Sprachpaket gewechselt") << "in the words of the pack in use";
    EXPECT_TRUE(seen.text.contains("Mirel neu starten")) << seen.text.toStdString();
    EXPECT_FALSE(s.LanguagePackChanged);
}

TEST(LanguageChoice, OkStoresTheFileNameOrNoneWhenThePackIsOff) {
    struct Case {
        const char* what;
        bool visitPage;
        bool ticked;
        const char* stored;
    };
    const Case cases[] = {
        {"the pack box cleared", true, false, ""},
        {"the page never opened keeps the pack in use", false, true, "Deutsch.lng"},
        {"the page opened keeps the pack shown", true, true, "Deutsch.lng"},
    };
    for (const Case& c : cases) {
        ProgramWithPack run("Deutsch.lng");
        frmSettings& s = run->settings();
        if (c.visitPage) s.TV2.clickNode("lng");
        if (!c.ticked) {
            (*run.p).reply(frmMessageBox::Ok); // the restart notice
            s.Check2.setValue(0);
        }
        Press(s.Command1[frmSettings::Ok]);
        const QStringList stored = run.folder.lines("System/Settings/set.sdf");
        ASSERT_EQ(stored.size(), 22) << c.what;
        EXPECT_EQ(stored[18], c.ticked ? " 1" : " 0") << c.what;
        EXPECT_EQ(stored[19], c.stored) << c.what;
    }
}

TEST(LanguageChoice, TheChosenPackSpeaksAfterARestart) {
    ProgramFolder folder;
    {
        ProgramOn first(folder.path());
        Main(*first);
        first.answer<frmTip>([](frmTip& w) { w.cmdOk.onClick(); }); // tips at start
        first->splash().ExitfrmSplash();
        Message notice;
        first.answer<frmSettings>([&](frmSettings& s) {
            s.TV2.clickNode("lng");
            EXPECT_FALSE(s.List1.enabled()) << "English: the pack box is clear";
            s.Check2.setValue(1);
            PickLanguage(s, "Deutsch by: Mirel-Team");
            first.reply(frmMessageBox::Ok, &notice);
            Press(s.Command1[frmSettings::Ok]);
        });
        first.main().mnuSettings.click();
        EXPECT_EQ(notice.title, "Language pack change");
        EXPECT_EQ(first.main().mnuFile.caption(), "&File") << "until the next start";
        first.main().mnuExit.click();
        EXPECT_EQ(first.ends, 1);
    }
    ProgramOn second(folder.path());
    Main(*second);
    second.answer<frmTip>([](frmTip& w) { w.cmdOk.onClick(); }); // tips at start
    second->splash().ExitfrmSplash();
    frmMain& m = second.main();
    EXPECT_EQ(m.mnuFile.caption(), "&Datei");
    EXPECT_EQ(m.tabMain.tabCaption(2), "&Editor");
    EXPECT_EQ(m.tabMain.tabCaption(0), "&Rechner");
    EXPECT_EQ(m.SSTab1.tabCaption(0), "Haupt.&Auswahl");
    EXPECT_EQ(m.editor.SSTab2.tabCaption(1), "Suchen");
    EXPECT_EQ(second->shell.LanguageFolder, "Deutsch");
    m.tabMain.setTab(frmMain::TabEditor);
    window_look::SaveShot(m.window(), "frmMain_de.png");
    second.answer<frmSettings>([](frmSettings& s) {
        s.TV2.clickNode("lng");
        window_look::SaveShot(s.window(), "settings_window_de.png");
        EXPECT_EQ(s.Label2.caption(), "Deutsch by: Mirel-Team");
        Press(s.Command1[frmSettings::Cancel]);
    });
    m.mnuSettings.click();
    m.hide();
}

} // namespace
