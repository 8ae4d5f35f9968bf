// The settings file and what is read with it: set.sdf written and read back,
// each step standing alone when a file is missing or short (a damaged file
// is told), the recent-file list without copies, the online start-up
// requests (the window's place from pos.sdf: layout_test).

#include "ShellFixture.h"
#include "document/frmMessageBox.h"
#include "shell/SettingsFile.h"
#include "shell/Startup.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"
#include "support/ListItems.h"
#include "support/SilentServer.h"

namespace {

// The boxes as one text per group, for comparing whole states.
QString Boxes(Program& p) {
    frmSettings& s = p.settings();
    QString out;
    for (int i = 0; i <= 10; ++i)
        out += QString::number(s.Check7[i].value());
    out += QStringLiteral("|%1|").arg(s.Combo2.listIndex());
    for (auto* boxes : {&s.Check5, &s.Check6, &s.Check1})
        out += QString::number((*boxes)[0].value()) + QString::number((*boxes)[1].value());
    return out + QStringLiteral("|%1%2%3")
                     .arg(s.Check2.value())
                     .arg(s.Check3.value())
                     .arg(s.Check4.value());
}

const QString Defaults = "10001101001|-1|110000|000";

TEST(SettingsFile, IsWrittenInItsLayoutAndReadBackToTheSameSettings) {
    ProgramFolder folder;
    QString written;
    {
        ProgramOn p(folder.path());
        frmSettings& s = p->settings();
        EXPECT_EQ(Boxes(*p), Defaults);
        for (int i : {0, 4, 5, 10})
            s.Check7[i].setValue(0);
        for (int i : {1, 3, 6})
            s.Check7[i].setValue(1);
        s.Combo2.setListIndex(3);
        s.Check5[1].setValue(0);
        s.Check6[0].setValue(1);
        s.Check1[1].setValue(1);
        s.Check2.setValue(1);
        s.Check4.setValue(1);
        p->shell.LanguageFile = "Deutsch.lng";
        written = Boxes(*p);
        p.reply(frmMessageBox::Ok); // the pack takes effect at the next start
        s.Command1[frmSettings::Ok].onClick();
        EXPECT_FALSE(s.LanguagePackChanged);
    }
    EXPECT_EQ(
        folder.lines("System/Settings/set.sdf"),
        QStringList({" 0", " 1", " 0", " 1", " 0", " 0", " 1", " 1", " 0",          " 0",  " 0",
                     " 3", " 1", " 0", " 1", " 0", " 0", " 1", " 1", "Deutsch.lng", " 0 ", " 1 "}));
    ProgramOn again(folder.path());
    SettingsFile(*again).LoadSettingsFile();
    EXPECT_EQ(Boxes(*again), written);
    EXPECT_EQ(again->shell.LanguageFile, "Deutsch.lng");
    frmMain& m = again.main();
    EXPECT_TRUE(m.calculator.optFrameRate[3].value());
    EXPECT_EQ(m.calculator.Check1.value(), 0) << "line 17";
    EXPECT_EQ(m.calculator.Check2.value(), 1) << "line 18";
}

TEST(SettingsFile, WithoutTheFileTheDefaultsStayAndTheRecentListIsStillRead) {
    ProgramFolder folder;
    const QString a = folder.write("Data/Files/a.srt", SubRip(1));
    folder.write("System/recent.sdf", crlf({a}));
    ProgramOn p(folder.path());
    SettingsFile(*p).LoadSettingsFile();
    EXPECT_EQ(Boxes(*p), Defaults);
    EXPECT_EQ(itemsOf(p.main().Combo13), QStringList{a});
}

TEST(SettingsFile, AShortFileSetsTheLinesItHasAndTheRestStays) {
    ProgramFolder folder;
    const QString a = folder.write("Data/Files/a.srt", SubRip(1));
    folder.write("System/Settings/set.sdf", crlf({" 0", " 1", " 1", " 0", " 0"}));
    folder.write("System/recent.sdf", crlf({a}));
    ProgramOn p(folder.path());
    Message seen;
    p.reply(frmMessageBox::Ok, &seen);
    SettingsFile(*p).LoadSettingsFile();
    EXPECT_EQ(seen.title, "Settings file");
    EXPECT_TRUE(seen.text.contains("it has 5 lines of 22")) << seen.text.toStdString();
    EXPECT_EQ(Boxes(*p), "01100101001|-1|110000|000");
    EXPECT_EQ(p.main().Combo13.listCount(), 1);
}

TEST(SettingsFile, NoChosenFrameRateAndValuesABoxCannotTakeStopNothing) {
    ProgramFolder folder;
    const QString a = folder.write("Data/Files/a.srt", SubRip(1));
    folder.write("System/Settings/set.sdf",
                 crlf({" 1", " 7", "-1", " 0", " 1", " 1", " 0", " 1", " 0", " 0",  " 1",
                       "-1", " 0", " 0", " 1", " 1", " 1", " 1", " 0", "",   " 1 ", " 1 "}));
    folder.write("System/recent.sdf", crlf({a}));
    ProgramOn p(folder.path());
    frmMain& m = p.main();
    m.calculator.optFrameRate[2].setValue(true);
    Message seen;
    p.reply(frmMessageBox::Ok, &seen);
    SettingsFile(*p).LoadSettingsFile();
    EXPECT_TRUE(seen.text.contains("line 2 holds \"7\"")) << "the first fault is told";
    EXPECT_EQ(Boxes(*p), "10001101001|-1|001111|011")
        << "lines 2 and 3 keep their defaults, the lines after line 12 are read";
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(m.calculator.optFrameRate[i].value()) << i;
    EXPECT_EQ(m.frameRate.Combo14[0].listIndex(), -1);
    EXPECT_EQ(p.main().Combo13.listCount(), 1);
}

TEST(SettingsFile, TheRecentListHoldsNoCopiesHoweverOftenItIsRead) {
    ProgramFolder folder;
    const QString a = folder.write("Data/Files/a.srt", SubRip(1));
    const QString b = folder.write("Data/Files/b.srt", SubRip(1));
    folder.write("System/recent.sdf", crlf({a, b, a, "", b}));
    ProgramOn p(folder.path());
    p.main().load(); // the tree's recent branch is built from the list
    SettingsFile(*p).LoadSettingsFile();
    SettingsFile(*p).LoadSettingsFile(); // as the settings window's Cancel does
    EXPECT_EQ(itemsOf(p.main().Combo13), QStringList({a, b}));
    EXPECT_EQ(p.main().TV1.childKeys("recent").size(), 2);
}

TEST(SettingsFile, CheckExistsLeavesOutFilesThatAreGone) {
    for (int check : {0, 1}) {
        ProgramFolder folder;
        const QString a = folder.write("Data/Files/a.srt", SubRip(1));
        const QString gone = folder.file("Data/Files/gone.srt");
        QStringList settings(22, " 0");
        settings[7] = QStringLiteral(" %1").arg(check);
        folder.write("System/Settings/set.sdf", crlf(settings));
        folder.write("System/recent.sdf", crlf({gone, a}));
        ProgramOn p(folder.path());
        SettingsFile(*p).LoadSettingsFile();
        EXPECT_EQ(itemsOf(p.main().Combo13), check ? QStringList{a} : QStringList({gone, a}));
    }
}

QStringList StartupSettings(int updates, int last, int list, int news) {
    QStringList settings(22, " 0");
    settings[0] = QStringLiteral(" %1").arg(updates);
    settings[1] = QStringLiteral(" %1").arg(last);
    settings[2] = QStringLiteral(" %1").arg(list);
    settings[3] = QStringLiteral(" %1").arg(news);
    return settings;
}

TEST(SettingsFile, WithoutAServerAddressNoRequestStarts) {
    ProgramFolder folder;
    ASSERT_EQ(folder.lines("System/i.set"), QStringList({"", ""})) << "the template's i.set";
    folder.write("System/Settings/set.sdf", crlf(StartupSettings(1, 1, 1, 1)));
    ProgramOn p(folder.path());
    Main(*p);
    EXPECT_TRUE(p->online.Requests().empty());
    EXPECT_EQ(p->online.InetRequest, 0);
    EXPECT_EQ(p.main().online.lblTransfer.caption(), "No server is set: nothing is fetched.");
    p->splash().hide();
}

TEST(SettingsFile, OnlyTheTickedRequestsStartAndTheirTextsShowOnTheSplash) {
    ProgramFolder folder;
    SilentServer server; // the requests wait on it
    folder.write("System/i.set", crlf({"", server.address()}));
    folder.write("System/Settings/set.sdf", crlf(StartupSettings(1, 0, 0, 0)));
    ProgramOn p(folder.path());
    Main(*p);
    ASSERT_EQ(p->online.Requests().size(), 1u);
    EXPECT_EQ(p->online.Requests()[0].kind, 8);
    EXPECT_EQ(p->online.Requests()[0].operation,
              "GET version.sdf " + folder.path() + "/version.sdf");

    // Read again while the splash is open (the settings window's Cancel).
    p->online.CancelTransfers();
    folder.write("System/Settings/set.sdf", crlf(StartupSettings(0, 1, 0, 1)));
    SettingsFile(*p).LoadSettingsFile();
    EXPECT_EQ(p->splash().Label1.caption(), "Getting last info from Brinlow");
    ASSERT_EQ(p->online.Requests().size(), 1u);
    EXPECT_EQ(p->online.Requests()[0].operation,
              "GET message.htm " + folder.path() + "/message.htm");

    // Once the splash has closed, its texts go nowhere and it stays closed.
    p->splash().ExitfrmSplash();
    SettingsFile(*p).LoadSettingsFile();
    EXPECT_FALSE(p->splash().isLoaded());
    p.main().hide();
}

} // namespace
