// Packs that are faulty or unusual: each is told to the user and loses
// nothing it need not lose; what a pack applied before its fault stays, the
// system variables' descriptions are filled whatever happens, and the rules
// of the pack's lines (sections, comments, the end mark) hold.

#include "LanguageFixture.h"
#include "document/frmMessageBox.h"
#include "shell/frmSettings.h"

namespace {

const QString EnglishHelp0 = "String:=FTP address used by Mirel#Stored in file ..\\System\\i.set";

// A program that starts with the pack `body` (written as Test.lng) and
// answers the one message the start shows, keeping what it showed.
struct FaultyStart {
    Message seen;
    ProgramWithPack run;
    FaultyStart(const QByteArray& pack, const QString& file = "Test.lng")
        : run(file, pack, [this](ProgramOn& p) { p.reply(frmMessageBox::Ok, &seen); }) {}
    Program& p() { return *run; }
};

TEST(PackFaults, AreToldAndKeepWhatCameBefore) {
    struct Case {
        const char* what;
        QStringList body;
        const char* told; // in the message text after the general sentence
    };
    const Case cases[] = {
        {"an item without a comma", {"0,&Datei^", "1 Optionen^"}, "line 7: the item has no \",\""},
        {"an item without a caret", {"0,&Datei^", "1,Optionen"}, "line 7: the item has no \"^\""},
        {"a caret before the comma", {"0,&Datei^", "1^x,Optionen"}, "comes before its \",\""},
        {"an item number out of range", {"0,&Datei^", "40000,x^"}, "item number is out of range"},
        {"a tab its strip does not have", {"0,&Datei^", "[Main Tab]", "7,Extra^"}, "no tab 7"},
        {"a navigation caption past the table",
         {"0,&Datei^", "[Main Nodes]", "50,Letzte^", "51,Zu weit^"},
         "the navigation tree has no entry 51"},
        {"a description past the table",
         {"0,&Datei^", "[SysVarHelp]", "201,x^"},
         "the system variables has no entry 201"},
        {"a text past the table",
         {"0,&Datei^", "[Other]", "51,x^"},
         "the text table has no entry (4,51)"},
    };
    for (const Case& c : cases) {
        FaultyStart start(PackBytes(c.body));
        Program& p = start.p();
        EXPECT_EQ(start.seen.title, "Language file error") << c.what;
        EXPECT_TRUE(start.seen.text.startsWith("Error loading languagefile.")) << c.what;
        EXPECT_TRUE(start.seen.text.contains("Test.lng")) << c.what;
        EXPECT_TRUE(start.seen.text.contains(c.told))
            << c.what << ": " << start.seen.text.toStdString();
        EXPECT_EQ(p.main().mnuFile.caption(), "&Datei") << c.what << ": the item before stays";
        EXPECT_EQ(p.main().mnuOptions.caption(), "&Options") << c.what;
        EXPECT_EQ(p.shell.LanguageFile, "") << c.what << ": English from the next start";
        EXPECT_EQ(p.sysVars.sysVarHelp[0], EnglishHelp0) << c.what;
    }
}

TEST(PackFaults, ItemsBeforeTheFaultInATableStay) {
    FaultyStart start(PackBytes({"[Main Nodes]", "50,Letzte^", "51,Zu weit^"}));
    EXPECT_EQ(start.p().shell.TreeCaptions[50], "Letzte");
    EXPECT_TRUE(start.seen.text.contains("line 8"));
}

TEST(PackFaults, APackForAnotherVersionIsRefusedWhole) {
    // The message names the version, not the header line "Version:=...".
    for (const QString version : {"4.01", "3.00"}) {
        SCOPED_TRACE(version.toStdString());
        FaultyStart start(PackBytes({"0,&Datei^", "[SysVarHelp]", "0,Deutsch^"}, version));
        Program& p = start.p();
        EXPECT_EQ(start.seen.title, "Error");
        EXPECT_EQ(start.seen.text, "Wrong language pack version. You are trying to load version " +
                                       version + ". \rPack will not be loaded.");
        EXPECT_EQ(p.main().mnuFile.caption(), "&File");
        EXPECT_EQ(p.shell.LanguageFile, "Test.lng") << "the choice stays";
        EXPECT_EQ(p.shell.LanguageName, "");
        EXPECT_EQ(p.sysVars.sysVarHelp[0], EnglishHelp0)
            << "the descriptions are filled all the same";
    }
}

TEST(PackFaults, AFileThatIsMissingShortOrOutsideTheFolderIsTold) {
    struct Case {
        const char* what;
        QString file;
        QByteArray pack;
        const char* told;
    };
    const QByteArray fourLines = crlf({ScrambleLine("Version:=4.00"), ScrambleLine("Name:=x"),
                                       ScrambleLine("Author:=y"), ScrambleLine("Folder:=z")});
    const Case cases[] = {
        {"a missing pack", "Gone.lng", {}, "Gone.lng: the file cannot be read"},
        {"a pack of four lines", "Short.lng", fourLines, "line 5: the pack ends before its fifth"},
        {"a name leading out of the folder",
         "../Settings/set.sdf",
         {},
         "not a file of the language folder"},
        {"a name with a folder", "Help/x.lng", {}, "not a file of the language folder"},
    };
    for (const Case& c : cases) {
        FaultyStart start(c.pack, c.file);
        EXPECT_TRUE(start.seen.text.contains(c.told))
            << c.what << ": " << start.seen.text.toStdString();
        EXPECT_EQ(start.p().shell.LanguageFile, "") << c.what;
        EXPECT_EQ(start.p().main().mnuFile.caption(), "&File") << c.what;
        EXPECT_EQ(start.p().sysVars.sysVarHelp[0], EnglishHelp0) << c.what;
    }
}

TEST(PackFaults, AHelpFolderThatIsNoPlainNameIsEnglish) {
    for (const char* folder : {"../../etc", "sub/dir", "a\\b", "", "  "}) {
        ProgramWithPack run("Test.lng", PackBytes({"0,&Datei^"}, "4.00", folder));
        EXPECT_EQ(run->shell.LanguageFolder, "English") << folder;
        EXPECT_EQ(run->main().mnuFile.caption(), "&Datei") << folder;
    }
    ProgramWithPack plain("Test.lng", PackBytes({}, "4.00", "Deutsch"));
    EXPECT_EQ(plain->shell.LanguageFolder, "Deutsch");
}

TEST(PackLines, SectionsCommentsAndTheEndMarkRuleTheItems) {
    ProgramWithPack run(
        "Test.lng",
        PackBytes({"16,&Ansicht^ignored: menus take no tool tip",
                   "   // 0,&Kommentar^ a comment after blanks", "", "[Unknown Section]",
                   "17,&Vorschau^still the menu section", "[Main Window]",
                   "0,Nav^ends with a bracket]", "  1 , Arbeit ^Tipp  ", "[main window]",
                   "2,Seite^", "1.6,Drei^", "[End Pack]", "[Main Menu]", "0,&Zu spät^"}));
    frmMain& m = run->main();
    EXPECT_EQ(m.mnuView.caption(), "&Ansicht") << "items before any section are menu items";
    EXPECT_EQ(m.mnuPreview.caption(), "&Vorschau") << "an unknown header keeps the section";
    EXPECT_EQ(m.mnuFile.caption(), "&File") << "a comment and the lines after the end mark";
    EXPECT_EQ(m.Label1.caption(), "Navigation") << "a line ending with ] is skipped";
    EXPECT_EQ(m.Label33.caption(), " Arbeit ") << "the caption as written between , and ^";
    EXPECT_EQ(m.Label34.caption(), "Drei") << "a header differing in case is none; 1.6 is 2";
    EXPECT_EQ(run->shell.LanguageFile, "Test.lng") << "no fault";
}

} // namespace
