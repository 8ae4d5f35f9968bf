// The settings window as a user meets it from the Options menu: it opens over
// the main window; Ok writes set.sdf, which the next start reads; Cancel,
// Escape and the window's close put the settings back; ticking a start-up
// option clears the ones it excludes; the pages and their codes; the
// settings commands of the macro language; and the window saved as
// settings_window.png in the build folder for a look.

#include "LanguageFixture.h"
#include "document/frmMessageBox.h"
#include "shell/SettingsFile.h"
#include "shell/Startup.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"
#include "shell/frmTip.h"
#include "support/WindowLook.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace {

QString Ticks(frmSettings& s, std::initializer_list<int> indexes) {
    QString out;
    for (int i : indexes)
        out += QString::number(s.Check7[i].value());
    return out;
}

// A program on a fresh copy of the template, its main window loaded.
struct Loaded {
    ProgramFolder folder;
    ProgramOn p{folder.path()};
    Loaded() { p.main().load(); }
    frmSettings& s() { return p->settings(); }
    QStringList stored() const { return folder.lines("System/Settings/set.sdf"); }
};

TEST(SettingsWindow, OpensCentredOverTheMainWindowWithItsTitleOkAndCancel) {
    Loaded run;
    frmMain& m = run.p.main();
    m.move(3000, 1500, 15000, 9600);
    bool asked = false;
    run.p.answer<frmSettings>([&](frmSettings& s) {
        asked = true;
        EXPECT_EQ(s.left(), 3000 + (15000 - s.width()) / 2);
        EXPECT_EQ(s.top(), 1500 + (9600 - s.height()) / 2);
        EXPECT_EQ(s.Label3.caption(), "Settings");
        EXPECT_EQ(s.caption(), "Settings");
        EXPECT_TRUE(s.Command1[frmSettings::Ok].visible());
        EXPECT_EQ(s.Command1[frmSettings::Ok].caption(), "Ok");
        EXPECT_EQ(s.Command1[frmSettings::Cancel].caption(), "Cancel");
        EXPECT_TRUE(s.Startup.visible()) << "the first page";
        EXPECT_FALSE(s.Language.visible());
        Press(s.Command1[frmSettings::Cancel]);
    });
    m.mnuSettings.click();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(run.s().visible());
}

TEST(SettingsWindow, OkWritesTheFileAndTheNextStartReadsIt) {
    ProgramFolder folder;
    {
        ProgramOn first(folder.path());
        first.main().load();
        first.answer<frmSettings>([](frmSettings& s) {
            s.TV2.clickNode("general");
            s.Check7[6].setValue(1); // Auto Help
            s.Check7[7].setValue(0); // Check exists
            s.TV2.clickNode("defaults");
            Press(s.Label37);
            EXPECT_TRUE(s.Combo2.visible()) << "the picker opened its list";
            s.Combo2.setListIndex(1);
            EXPECT_FALSE(s.Combo2.visible()) << "and closed it with the pick";
            EXPECT_EQ(s.Label38.caption(), "24");
            s.Check4.setValue(1);
            s.TV2.clickNode("audio");
            s.Check5[1].setValue(0);
            Press(s.Command1[frmSettings::Ok]);
        });
        first.main().mnuSettings.click();
        EXPECT_TRUE(first.main().calculator.optFrameRate[1].value()) << "the default applies";
    }
    EXPECT_EQ(folder.lines("System/Settings/set.sdf"),
              QStringList({" 1", " 0", " 0", " 0", " 1", " 1", " 1", " 0", " 0", " 0",  " 1",
                           " 1", " 1", " 0", " 0", " 0", " 0", " 0", " 0", "",   " 0 ", " 1 "}));
    ProgramOn second(folder.path());
    Main(*second);
    frmSettings& s = second->settings();
    EXPECT_TRUE(s.autoHelp());
    EXPECT_FALSE(s.checkExists());
    EXPECT_EQ(s.defaultFrameRate(), 1);
    EXPECT_EQ(s.Label38.caption(), "24");
    EXPECT_TRUE(s.saveAsSameFormat());
    EXPECT_FALSE(s.soundOnIncomingData());
    second.answer<frmTip>([](frmTip& w) { w.cmdOk.onClick(); }); // tips at start
    second->splash().ExitfrmSplash();
    second.main().hide();
}

TEST(SettingsWindow, CancelEscapeAndCloseEachPutTheSettingsBack) {
    enum Way { CancelButton, EscapeKey, WindowClose };
    for (const Way way : {CancelButton, EscapeKey, WindowClose}) {
        Loaded run;
        run.folder.write(
            "System/Settings/set.sdf",
            crlf({" 0", " 1", " 0", " 0", " 1", " 0", " 0", " 1", " 0", " 0",  " 1",
                  " 2", " 1", " 1", " 0", " 0", " 0", " 0", " 0", "",   " 0 ", " 0 "}));
        SettingsFile(*run.p).RestoreSettings();
        const QStringList before = SettingsFile(*run.p).SettingsLines();
        run.p.answer<frmSettings>([way](frmSettings& s) {
            s.Check7[3].setValue(1); // news: clears "Show tips"
            s.Check7[9].setValue(1);
            s.Combo2.setListIndex(4);
            s.Check4.setValue(1);
            s.Check2.setValue(1);
            if (way == CancelButton) Press(s.Command1[frmSettings::Cancel]);
            if (way == EscapeKey) QTest::keyClick(s.Check7[9].widget(), Qt::Key_Escape);
            if (way == WindowClose) s.requestClose();
            EXPECT_FALSE(s.visible()) << way;
        });
        run.p.main().mnuSettings.click();
        EXPECT_EQ(SettingsFile(*run.p).SettingsLines(), before) << way;
        EXPECT_FALSE(run.s().LanguagePackChanged) << way;
        EXPECT_FALSE(run.p.main().calculator.optFrameRate[4].value()) << way;
        EXPECT_EQ(run.stored()[4], " 1") << way << ": the file is as it was";
    }
}

TEST(SettingsWindow, CancelOnAFirstRunWithoutAFileStillUndoes) {
    Loaded run;
    ASSERT_FALSE(run.folder.exists("System/Settings/set.sdf"));
    run.p.answer<frmSettings>([](frmSettings& s) {
        s.Check7[1].setValue(1);
        s.Check5[0].setValue(0);
        Press(s.Command1[frmSettings::Cancel]);
    });
    run.p.main().mnuSettings.click();
    EXPECT_FALSE(run.s().startupLoadLastFiles());
    EXPECT_TRUE(run.s().soundOnDownload());
    EXPECT_FALSE(run.folder.exists("System/Settings/set.sdf"));
}

TEST(SettingsWindow, OkThatCannotWriteTellsWhyAndKeepsTheWindowOpen) {
    Loaded run;
    QDir().mkpath(run.folder.file("System/Settings/set.sdf")); // a folder in the file's place
    Message seen;
    run.p.answer<frmSettings>([&](frmSettings& s) {
        s.Check7[1].setValue(1);
        run.p.reply(frmMessageBox::Ok, &seen);
        Press(s.Command1[frmSettings::Ok]);
        EXPECT_TRUE(s.visible()) << "the user may try again or cancel";
        Press(s.Command1[frmSettings::Cancel]);
    });
    run.p.main().mnuSettings.click();
    EXPECT_EQ(seen.title, "Settings not saved");
    EXPECT_TRUE(seen.text.contains("set.sdf")) << seen.text.toStdString();
    EXPECT_FALSE(run.s().startupLoadLastFiles()) << "Cancel put it back";
}

TEST(SettingsWindow, TickingAStartupOptionClearsTheOptionsItExcludes) {
    struct Case {
        const char* what;
        const char* before; // Check7 0 .. 5
        int ticked;
        const char* after;
    };
    const Case cases[] = {
        {"news clears updates, list, tips and wizard", "111011", 3, "010100"},
        {"then tips clears news and wizard", "010100", 4, "010010"},
        {"the list leaves tips alone", "000010", 2, "001010"},
        {"updates clears the list and news", "101100", 0, "100000"},
        {"the list clears updates and news", "100100", 2, "001000"},
        {"the wizard clears tips and news", "000110", 5, "000001"},
        {"load last files excludes nothing", "111111", 1, "111111"},
    };
    for (const Case& c : cases) {
        Loaded run;
        frmSettings& s = run.s();
        s.RestoringSettings = true; // set the state the case starts from
        for (int i = 0; i <= 5; ++i)
            s.Check7[i].setValue(c.before[i] - '0');
        s.RestoringSettings = false;
        s.Check7[c.ticked].setValue(0);
        s.Check7[c.ticked].setValue(1);
        EXPECT_EQ(Ticks(s, {0, 1, 2, 3, 4, 5}), QString::fromLatin1(c.after)) << c.what;
    }
    Loaded run;
    for (int i = 0; i <= 5; ++i)
        run.s().Check7[i].setValue(0);
    EXPECT_EQ(Ticks(run.s(), {0, 1, 2, 3, 4, 5}), "000000") << "unticking ticks nothing";
}

TEST(SettingsWindow, ThePagesShowOneAtATimeAndReportTheirCodes) {
    Loaded run;
    frmSettings& s = run.s();
    struct Case {
        const char* key;
        platform::Frame* page;
        int code;
    };
    const Case cases[] = {{"startup", &s.Startup, 26}, {"system", &s.General, 28},
                          {"general", &s.General, 28}, {"script", &s.Script, 27},
                          {"audio", &s.Audio, 24},     {"defaults", &s.Defaults, 23},
                          {"lng", &s.Language, 25}};
    for (const Case& c : cases) {
        run.p->macro.MacroAction = {};
        s.TV2.clickNode(c.key);
        EXPECT_EQ(run.p->macro.MacroAction.code, c.code) << c.key;
        for (platform::Frame* page :
             {&s.Startup, &s.General, &s.Script, &s.Audio, &s.Defaults, &s.Language})
            EXPECT_EQ(page->visible(), page == c.page)
                << c.key << " " << page->name().toStdString();
    }
    run.p->macro.MacroAction = {};
    s.ShowTab("Startup");
    EXPECT_EQ(run.p->macro.MacroAction.code, 0) << "keys are exact";
    EXPECT_TRUE(s.Language.visible());
    EXPECT_EQ(s.TV2.childKeys(""), QStringList({"startup", "system", "defaults", "lng"}));
    EXPECT_EQ(s.TV2.childKeys("system"), QStringList({"general", "script", "audio"}));
}

TEST(SettingsWindow, TheScriptIsPickedTypedOrTurnedOff) {
    Loaded run;
    frmSettings& s = run.s();
    s.TV2.clickNode("script");
    EXPECT_FALSE(s.cmbScript.visible());
    s.Check6[0].setValue(1);
    EXPECT_TRUE(s.cmbScript.visible());

    // A typed caption is applied with Enter and selects its item.
    s.cmbScript.setText("");
    QTest::keyClicks(s.cmbScript.widget(), "Greek (161)");
    EXPECT_EQ(s.cmbScript.listIndex(), -1) << "typed, not applied yet";
    EXPECT_EQ(s.scriptCharset(), 0);
    QTest::keyClick(s.cmbScript.widget(), Qt::Key_Return);
    EXPECT_EQ(s.cmbScript.listIndex(), 4);
    EXPECT_EQ(s.scriptCharset(), 161) << "every set with a code page is taken";
    EXPECT_EQ(s.cmbScript.listCount(), 11) << "Enter adds no item";

    // A number outside 0 .. 255 is the Western set; the box keeps the text.
    s.cmbScript.setText("");
    QTest::keyClicks(s.cmbScript.widget(), "300");
    QTest::keyClick(s.cmbScript.widget(), Qt::Key_Return);
    EXPECT_EQ(s.scriptCharset(), 0);
    EXPECT_EQ(s.cmbScript.text(), "300");
    EXPECT_EQ(s.Label64.caption(), "Western (0)");

    // The picker applies what it picks.
    Press(s.Label65);
    EXPECT_TRUE(s.cmbScript1.visible());
    s.cmbScript1.setListIndex(7); // Cyrillic (204)
    EXPECT_FALSE(s.cmbScript1.visible());
    EXPECT_EQ(s.cmbScript.listIndex(), 7);
    EXPECT_EQ(s.scriptCharset(), 204);

    // Turning the script off goes back to Western and hides the box.
    s.Check6[0].setValue(0);
    EXPECT_EQ(s.cmbScript.listIndex(), 0);
    EXPECT_EQ(s.scriptCharset(), 0);
    EXPECT_FALSE(s.cmbScript.visible());
}

// A file of 8-bit text is first read as Western; choosing its script reads
// its letters anew in the script's code page, as one history step, and a
// save writes those letters. A UTF-8 file is left as it is. An unedited file
// read anew is still its file: the document is not changed.
TEST(SettingsWindow, TheChosenScriptReadsEightBitTextInItsCodePage) {
    const struct {
        const char* what;
        QByteArray bytes;   // the text line as stored in the file
        const char* script; // typed into the script box
        QString shown;      // the text line after the script is applied
        bool step;          // a history step was taken
    } cases[] = {
        {"Cyrillic", "\xCF\xF0\xE8\xE2\xE5\xF2", "Cyrillic (204)", "Привет", true},
        {"Central European", "\xAF\xF3\xB3w", "Central European (238)", "Żółw", true},
        {"Greek", "\xC3\xE5\xE9\xDC", "Greek (161)", "Γειά", true},
        {"Hebrew", "\xF9\xEC\xE5\xED", "Hebrew (177)", "שלום", true},
        {"Thai", "\xCA\xC7\xD1\xCA\xB4\xD5", "222", "สวัสดี", true},
        {"Japanese", "\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD", "128", "こんにちは", true},
        {"UTF-8 stays", "Caf\xC3\xA9", "Cyrillic (204)", "Café", false},
        {"ASCII needs no step", "Hello", "Cyrillic (204)", "Hello", false},
    };
    for (const auto& c : cases) {
        TestProgram t;
        frmMain& m = t.main();
        m.load();
        const QString path = t.loadDataFile("script.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\n" +
                                                              c.bytes + "\r\n\r\n");
        m.editor.grdSubEdit.setRow(1);
        const std::size_t before = t->history.snapshots().size();
        frmSettings& s = t->settings();
        s.TV2.clickNode("script");
        s.Check6[0].setValue(1);
        s.cmbScript.setText("");
        QTest::keyClicks(s.cmbScript.widget(), c.script);
        QTest::keyClick(s.cmbScript.widget(), Qt::Key_Return);
        EXPECT_EQ(m.editor.grdSubEdit.textMatrix(1, 3).trimmed(), c.shown) << c.what;
        EXPECT_EQ(t->history.snapshots().size(), before + (c.step ? 1 : 0)) << c.what;
        EXPECT_FALSE(t->doc.FileChanged) << c.what << ": still its file, Exit asks nothing";
        if (c.step) {
            EXPECT_EQ(m.scriptPlayer.Label23[0].caption(), c.shown) << c.what << ": the editor";
        }
        const QString saved = t.dataFilesPath("saved.srt");
        ASSERT_TRUE(saveDocument(t.program(), saved, 9)) << c.what; // SubRip
        EXPECT_TRUE(readBytes(saved).contains(c.shown.toUtf8()))
            << c.what << ": " << readBytes(saved).toStdString();
    }
}

// A file loaded while a script is chosen is read in that script at once;
// while the script is off, the system's code page stays in force.
TEST(SettingsWindow, AFileLoadedLaterIsReadInTheChosenScript) {
    TestProgram t;
    t.main().load();
    qputenv("MIREL_CODEPAGE", "windows-1251");
    t.loadDataFile("sys.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\n\xCF\xF0\xE8\r\n\r\n");
    qunsetenv("MIREL_CODEPAGE");
    EXPECT_EQ(t.main().editor.grdSubEdit.textMatrix(1, 3).trimmed(), "При");
    frmSettings& s = t->settings();
    s.Check6[0].setValue(1);
    s.cmbScript.setListIndex(7); // Cyrillic (204)
    t.loadDataFile("later.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\n\xCF\xF0\xE8\r\n\r\n");
    EXPECT_EQ(t.main().editor.grdSubEdit.textMatrix(1, 3).trimmed(), "При");
    EXPECT_TRUE(t->history.snapshots().empty()) << "a load starts the history afresh";
    s.Check6[0].setValue(0); // back to Western
    EXPECT_EQ(t.main().editor.grdSubEdit.textMatrix(1, 3).trimmed(), "\u00CF\u00F0\u00E8");
}

TEST(SettingsWindow, TipsAndNewsWindowsStoreTheirTicksAtOnce) {
    ProgramFolder folder;
    {
        ProgramOn first(folder.path());
        first.main().load();
        ASSERT_TRUE(first->settings().StoreStartupTick(3, 1)); // the news window
        EXPECT_EQ(folder.lines("System/Settings/set.sdf").mid(0, 6),
                  QStringList({" 0", " 0", " 0", " 1", " 0", " 0"}));
        ASSERT_TRUE(first->settings().StoreStartupTick(4, 1)); // the tips window
        EXPECT_FALSE(first->settings().StoreStartupTick(7, 1)) << "start-up ticks only";
    }
    ProgramOn second(folder.path());
    second.main().load();
    EXPECT_EQ(Ticks(second->settings(), {0, 1, 2, 3, 4, 5}), "000010");
}

TEST(SettingsCommands, SetTheBoxesAndOpenThePagesUnderTheirMacroNames) {
    Loaded run;
    frmSettings& s = run.s();
    CommandRegistry& c = run.p->commands;
    struct Case {
        const char* name;
        int code;
        platform::CheckBox* box;
        int value;
    };
    const Case boxes[] = {
        {"Settings.Set.Startup.LS.Off", 1202, &s.Check7[0], 0},
        {"Settings.Set.Startup.LLF.On", 1203, &s.Check7[1], 1},
        {"Settings.Set.Startup.UFTPL.On", 1205, &s.Check7[2], 1},
        {"Settings.Set.Startup.ST.Off", 1210, &s.Check7[4], 0},
        {"Settings.Set.System.CE.Off", 1212, &s.Check7[7], 0},
        {"Settings.Set.System.ASS.On", 1213, &s.Check7[8], 1},
        {"Settings.Set.System.SP.On", 1215, &s.Check7[9], 1},
        {"Settings.Set.System.LS.Off", 1218, &s.Check7[10], 0},
        {"Settings.Set.Script.ES.On", 1219, &s.Check6[0], 1},
        {"Settings.Set.Script.AS.On", 1221, &s.Check6[1], 1},
        {"Settings.Set.Sounds.FD.Off", 1224, &s.Check5[0], 0},
        {"Settings.Set.Default.CA.On", 1226, &s.Check3, 1},
        {"Settings.Set.Default.ASF.On", 1228, &s.Check4, 1},
    };
    for (const Case& b : boxes) {
        ASSERT_NE(c.find(b.name), nullptr) << b.name;
        EXPECT_EQ(c.find(b.name)->actionCode, b.code) << b.name;
        EXPECT_TRUE(c.run(b.name));
        EXPECT_EQ(b.box->value(), b.value) << b.name;
        EXPECT_EQ(run.p->macro.MacroAction.code, b.code) << b.name;
    }
    EXPECT_TRUE(c.run("Settings.Set.Startup.CFN.On"));
    EXPECT_EQ(Ticks(s, {0, 2, 3, 4, 5}), "00100") << "as a tick by hand: news clears the others";
    EXPECT_TRUE(c.run("Settings.Set.Default.FR", "2"));
    EXPECT_EQ(s.defaultFrameRate(), 2);
    EXPECT_TRUE(c.run("Settings.Set.Default.FR", "9"));
    EXPECT_EQ(s.defaultFrameRate(), 2) << "no sixth rate";
    EXPECT_FALSE(run.folder.exists("System/Settings/set.sdf")) << "in memory only";

    EXPECT_TRUE(c.run("View.Settings.Language"));
    EXPECT_TRUE(s.Language.visible());
    EXPECT_EQ(run.p->macro.MacroAction.code, 25);
    EXPECT_TRUE(c.run("View.Settings.System.General"));
    EXPECT_TRUE(s.General.visible());
    EXPECT_EQ(c.find("View.Settings.System.General")->actionCode, 28);
    EXPECT_EQ(c.find("View.Settings.Default")->actionCode, 23);

    // Opened by a macro: modal unless the data is 0; its Cancel command.
    run.p.answer<frmSettings>([&](frmSettings& shown) {
        EXPECT_TRUE(shown.isShownModal());
        EXPECT_TRUE(c.run("Settings.Cancel"));
        EXPECT_FALSE(shown.visible());
    });
    EXPECT_TRUE(c.run("View.Settings", ""));
    EXPECT_EQ(run.p->macro.MacroAction.code, 1231);
    EXPECT_EQ(s.defaultFrameRate(), 2) << "Cancel keeps what was there when it opened";
    EXPECT_TRUE(c.run("View.Settings", "0"));
    EXPECT_TRUE(s.visible());
    EXPECT_FALSE(s.isShownModal());
    s.Check7[1].setValue(0);
    Press(s.Command1[frmSettings::Cancel]);
    EXPECT_TRUE(s.startupLoadLastFiles());
}

TEST(SettingsWindow, Screenshot) {
    Loaded run;
    frmSettings& s = run.s();
    s.ShowTab("startup");
    s.show();
    window_look::SaveShot(s.window(), "settings_window.png");
    s.ShowTab("defaults");
    Press(s.Label37);
    window_look::SaveShot(s.window(), "settings_window_defaults.png");
    s.hide();
}

} // namespace
