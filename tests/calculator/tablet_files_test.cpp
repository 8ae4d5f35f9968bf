// Tablet files: listed by name, each entry tied to its own file; switching
// writes the tablet being left; new tablets are named in the file chooser.
#include "CalculatorFixture.h"

#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "runtime/TextFile.h"
#include "support/FileBytes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

namespace {

// A tablet file: the header and the cells given by their line (0 = A1,
// 1 = B1, 26 = A2, ...); `cells` lines in all (1300 when not told).
QByteArray TabletFile(const QString& header, const QMap<int, QString>& given, int cells = 1300) {
    QByteArray out = header.toUtf8() + "\r\n";
    for (int i = 0; i < cells; ++i)
        out += given.value(i, "@").toUtf8() + "\r\n";
    return out;
}

} // namespace

class TabletFilesTest : public CalculatorTest {
protected:
    QStringList lines(const QString& name) { return runtime::ReadTextFile(folder(name)).lines; }
    void write(const QString& name, const QByteArray& bytes) {
        t.writeFile("Data/Calculator/" + name, bytes);
    }
    // Lists the folder again, as the program does at start.
    void relist() { tablets().LoadCalcTablets(); }
    void pick(int entry) { calc().List11.setListIndex(entry); }
    // Answers the file chooser of Tablet.New with a typed name, and then
    // the message it brings with `button` where one is given.
    void newTablet(const QString& typed, int button = -1, Message* seen = nullptr,
                   const QString& inFolder = {}) {
        t.answer<frmFile>([typed, inFolder](frmFile& f) {
            if (!inFolder.isEmpty()) f.ShowFolder(inFolder);
            f.txtFilename.setText(typed);
            f.cmdActionClick(frmFile::Ok);
        });
        if (button >= 0) t.reply(button, seen);
        click(calc().Label14);
    }
};

TEST_F(TabletFilesTest, EnteredCellsComeBackFromTheFile) {
    emptyTablet();
    enter("A1", CalculatorTab::KindTimecode, "00:01:00,000");
    enter("A2", CalculatorTab::KindTimecode, "00:00:30,500");
    enter("A3", CalculatorTab::KindFunction, "A1+A2");
    enter("Z50", CalculatorTab::KindText, "a@b");
    ASSERT_TRUE(tablets().SaveCurTablet());
    const QStringList file = lines("default.sac");
    ASSERT_EQ(file.size(), 1301);
    EXPECT_EQ(file[0], "4.00:=Default Tablet");
    EXPECT_EQ(file[53], "=A1+A2@tc_00:01:30,500") << "A3";
    EXPECT_EQ(file[1300], "@txt_a@b");

    TestProgram again;
    QFile::remove(again.folder() + "/Data/Calculator/default.sac");
    QFile::copy(folder("default.sac"), again.folder() + "/Data/Calculator/default.sac");
    again.main().load();
    EXPECT_EQ(again->tablets.value(3, 1), "tc_00:01:30,500");
    EXPECT_EQ(again->tablets.formula(3, 1), "=A1+A2");
    EXPECT_EQ(again->tablets.value(50, 26), "txt_a@b") << "split at the first @ only";
    EXPECT_EQ(again.main().calculator.Calc.textMatrix(50, 26), "a@b");
}

TEST_F(TabletFilesTest, TheListShowsEachNameOnceAndOnlyThisVersion) {
    write("a.sac", TabletFile("3.10:=Old one", {}));
    write("b.sac", TabletFile("4.00:=Budget", {{0, "@val_1"}}));
    write("c.sac", TabletFile("4.00:=budget", {}));
    write("d.sac", TabletFile("4.00Plain", {{0, "@val_4"}}));
    relist();
    EXPECT_EQ(tablets().TabletNames, QStringList({"Budget", ".00Plain", "Default Tablet"}));
    EXPECT_EQ(calc().List11.listCount(), 3);
    EXPECT_EQ(tablets().CurTabletFile, folder("b.sac")) << "the first is chosen";
    EXPECT_EQ(calc().Label64.caption(), "Budget");

    pick(1); // the fourth file: the entries skip a.sac and c.sac
    EXPECT_EQ(tablets().CurTabletFile, folder("d.sac"));
    EXPECT_EQ(value("A1"), "val_4");
    EXPECT_EQ(calc().File3.fileName(), "d.sac");
}

TEST_F(TabletFilesTest, SwitchingWritesTheTabletBeingLeft) {
    write("b.sac", TabletFile("4.00:=Budget", {{0, "@val_2"}}));
    relist(); // Budget is current
    enter("B1", CalculatorTab::KindFunction, "A1*A1");
    pick(1); // Default Tablet
    EXPECT_EQ(lines("b.sac").value(2), "=A1*A1@val_4") << "with the result worked out";
    EXPECT_EQ(tablets().CurTabletName, "Default Tablet");
    EXPECT_EQ(value("B1"), "tc_00:21:35,250") << "nothing of Budget is left in the cells";
}

TEST_F(TabletFilesTest, AShortOrMissingFileLeavesTheRestEmpty) {
    write("b.sac", TabletFile("4.00:=Short", {{0, "@val_5"}}, 3));
    relist();
    EXPECT_EQ(value("A1"), "val_5");
    EXPECT_EQ(value("B1"), "") << "the default tablet's cells do not stay behind";
    EXPECT_EQ(shown("B4"), "");

    QFile::remove(folder("default.sac"));
    QFile::remove(folder("b.sac"));
    QString path;
    ASSERT_TRUE(tablets().LoadCalc(path));
    EXPECT_EQ(path, folder("default.sac"));
    EXPECT_EQ(tablets().CurTabletName, "Default Tablet");
    EXPECT_EQ(value("A1"), "") << "an empty tablet";
}

TEST_F(TabletFilesTest, AnEmptyFileIsToldAndTheOthersAreStillListed) {
    write("a.sac", "");
    write("b.sac", TabletFile("4.00:=Budget", {}));
    Message seen;
    t.reply(frmMessageBox::Ok, &seen);
    relist();
    EXPECT_EQ(seen.title, "Plugin Error");
    EXPECT_TRUE(seen.text.contains("a.sac")) << seen.text.toStdString();
    EXPECT_EQ(tablets().TabletNames, QStringList({"Budget", "Default Tablet"}));
}

TEST_F(TabletFilesTest, ATabletThatCannotBeWrittenStaysCurrent) {
    write("b.sac", TabletFile("4.00:=Budget", {}));
    relist();
    write("blocker", "a file where a folder would be");
    tablets().CurTabletFile = folder("blocker/b.sac");
    Message seen;
    t.reply(frmMessageBox::Ok, &seen);
    enter("A1", CalculatorTab::KindValue, "42");
    EXPECT_TRUE(seen.text.contains("was not saved")) << "told at the entry";
    t.reply(frmMessageBox::Ok, &seen);
    pick(1);
    EXPECT_EQ(seen.title, "Tablet Error");
    EXPECT_TRUE(seen.text.contains("was not saved")) << seen.text.toStdString();
    EXPECT_EQ(value("A1"), "val_42") << "the cells are not lost";
    EXPECT_EQ(calc().Label64.caption(), "Budget");
}

TEST_F(TabletFilesTest, ANewTabletIsWrittenAndBecomesCurrent) {
    newTablet("Budget");
    const QStringList file = lines("Budget.sac");
    ASSERT_EQ(file.size(), 1301);
    EXPECT_EQ(file[0], "4.00:=Budget");
    EXPECT_EQ(file.count("@"), 1300);
    EXPECT_EQ(tablets().CurTabletFile, folder("Budget.sac"));
    EXPECT_EQ(calc().Label64.caption(), "Budget");
    EXPECT_EQ(value("B1"), "");
    EXPECT_EQ(t->macro.MacroAction.code, 210);
    EXPECT_TRUE(t->fileChooser().Label6.visible()) << "the chooser's type list is back";

    newTablet("my.plan.txt");
    EXPECT_EQ(lines("my.plan.sac").value(0), "4.00:=my.plan.txt") << "only the extension changes";
    EXPECT_EQ(calc().Label64.caption(), "my.plan.txt");
}

TEST_F(TabletFilesTest, ANewTabletAsksBeforeReplacingAFile) {
    write("Plan.sac", TabletFile("4.00:=Plan", {{0, "@val_1"}}));
    relist();
    Message seen;
    newTablet("Plan", frmMessageBox::No, &seen);
    EXPECT_EQ(seen.title, "File exists");
    EXPECT_EQ(lines("Plan.sac").value(1), "@val_1") << "kept";

    newTablet("Plan.txt", frmMessageBox::Yes);
    EXPECT_EQ(lines("Plan.sac").value(0), "4.00:=Plan.txt");
    EXPECT_EQ(lines("Plan.sac").value(1), "@");
}

TEST_F(TabletFilesTest, ANewTabletStaysInItsFolderAndKeepsNamesApart) {
    Message seen;
    newTablet("Elsewhere", frmMessageBox::Ok, &seen, t.folder() + "/Data/Files");
    EXPECT_TRUE(seen.text.contains("Tablets are kept in")) << seen.text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(t.folder() + "/Data/Files/Elsewhere.sac"));

    newTablet("../Escape", frmMessageBox::Ok, &seen);
    EXPECT_FALSE(QFileInfo::exists(t.folder() + "/Data/Escape.sac"));

    newTablet("default tablet", frmMessageBox::Ok, &seen);
    EXPECT_TRUE(seen.text.contains("exists already")) << seen.text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder("default tablet.sac")));

    // A blank name is refused by the chooser itself, which stays open.
    t.answer<frmFile>([](frmFile& f) {
        f.txtFilename.setText("   ");
        f.cmdActionClick(frmFile::Ok);
        EXPECT_TRUE(f.visible());
        f.cmdActionClick(frmFile::Cancel);
    });
    t.reply(frmMessageBox::Ok, &seen);
    click(calc().Label14);
    EXPECT_TRUE(seen.text.contains("Type a file name")) << seen.text.toStdString();

    t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Cancel); });
    click(calc().Label14);
    EXPECT_EQ(tablets().TabletNames, QStringList({"Default Tablet"}));
}

TEST_F(TabletFilesTest, TheExitWritesTheCurrentTablet) {
    enter("C9", CalculatorTab::KindValue, "9");
    t.main().mnuExit.click();
    EXPECT_EQ(lines("default.sac").value(8 * 26 + 3), "@val_9");
}

// Every cell but A1 raises A1 (minus one) to a huge power: the tablet is
// listed and worked out at once, each cell with its result.
TEST_F(TabletFilesTest, ATabletOfHugePowersLoadsAtOnce) {
    QMap<int, QString> cells = {{0, "@val_-1"}};
    for (int i = 1; i < 1300; ++i)
        cells[i] = i % 2 ? "=A1^999999@" : "=A1^1000000@";
    write("b.sac", TabletFile("4.00:=Powers", cells));
    QElapsedTimer clock;
    clock.start();
    relist(); // Powers is current
    EXPECT_LT(clock.elapsed(), 2000);
    ASSERT_EQ(tablets().CurTabletName, "Powers");
    EXPECT_EQ(value("B1"), "val_-1");
    EXPECT_EQ(value("C1"), "val_1");
    EXPECT_EQ(shown("Z50"), "-1") << "the last cell, line 1299";
}

// A tablet file in UTF-16 whose name holds half of a surrogate pair: the
// name is read with U+FFFD in its place and written back the same.
TEST_F(TabletFilesTest, ANameWithABrokenCharacterComesBackAsRead) {
    write("b.sac", utf16(u"4.00:=Tablet \xDD0D\r\n@val_1\r\n"));
    relist();
    const QString name = "Tablet " + QString(QChar::ReplacementCharacter);
    ASSERT_EQ(tablets().CurTabletName, name);
    enter("B1", CalculatorTab::KindFunction, "A1+A1");
    ASSERT_TRUE(tablets().SaveCurTablet());
    EXPECT_EQ(lines("b.sac").value(0), "4.00:=" + name);
    relist();
    EXPECT_EQ(tablets().TabletNames.value(0), name);
}
