// Diagnose on a real subtitle file: loaded through File > Open it is checked
// with the repairs off, whatever the boxes say; Go then repairs it. Pictures
// of the tab before and after are saved beside the tests.

#include "DiagnoseFixture.h"

#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Palette.h"
#include "support/ChooserAnswers.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QPixmap>
#include <QTreeWidget>

namespace {

class RealFile : public DiagnoseTest {
protected:
    // The large SubRip sample (595 entries) with three faults put in: the
    // first entry's text blanked, entry 3 starting before entry 2 ends, and
    // entry 4 ending before it starts.
    void SetUp() override {
        qputenv("MIREL_CODEPAGE", "windows-1251"); // the sample's code page
        QByteArray bytes = readBytes(QStringLiteral(MIREL_SAMPLES_DIR) +
                                     "/subrip/se_auto_detect_windows-1251.srt");
        ASSERT_EQ(bytes.size(), 41198) << "the sample as kept in tests/data";
        bytes.replace("www.titlovi.com", " ");
        bytes.replace("00:00:42,119 --> 00:00:44,996", "00:00:41,500 --> 00:00:44,996");
        bytes.replace("00:00:45,204 --> 00:00:48,000", "00:00:45,204 --> 00:00:44,000");
        t.writeDataFile(QStringLiteral("highlander.srt"), bytes);
    }
    void TearDown() override { qunsetenv("MIREL_CODEPAGE"); }
    // File > Open, the file picked in the chooser.
    void open() {
        pickInChooser(t, t.dataFilesPath("highlander.srt"));
        // The load tells the rows whose italics span their lines.
        t.answer<frmMessageBox>([](frmMessageBox& m) { m.cmdActionClick(frmMessageBox::Ok); });
        t.main().mnuLoadFile.click();
    }
    // With `open`, every node of the report opened, as a user unfolds it.
    void screenshot(const char* name, bool open = false) {
        frmMain& m = t.main();
        m.show(); // its load picks the starting tabs
        m.tabMain.setTab(frmMain::TabDiagnose);
        if (open) static_cast<QTreeWidget*>(tab().tvDiag.widget())->expandAll();
        QApplication::processEvents();
        const QPixmap shot = m.window()->grab();
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(QString::fromLatin1(name)));
        m.hide();
    }
};

TEST_F(RealFile, ALoadReportsWithoutRepairing) {
    click(DiagnoseTab::RepairEmpty);
    click(DiagnoseTab::RepairOverlapping);
    click(DiagnoseTab::RepairInvalid);
    open();
    ASSERT_EQ(t->doc.lineCount(), 595);
    EXPECT_EQ(t->diag.runs(), 1);
    EXPECT_EQ(under("file"), QStringList{"highlander.srt"});
    EXPECT_EQ(under("format"), QStringList{"SubRip"});
    EXPECT_EQ(total("lines"), "595");
    EXPECT_EQ(total("mlines"), "314");
    EXPECT_EQ(total("errdet"), "3");
    EXPECT_EQ(total("errfix"), "0");
    EXPECT_EQ(t->diag.DiagErrorCount, 3);
    EXPECT_EQ(msg(1), "Complete line is empty");
    EXPECT_EQ(msg(2), "End.Time 0002 > Start.Time 0003. Diff = 00:00:00,618");
    EXPECT_EQ(msg(4), "End.Time < Start.Time. Diff = 00:00:01,204");
    EXPECT_EQ(cell(2, 2), "00:00:42,118") << "nothing repaired";
    EXPECT_EQ(back(2, 2), platform::palette::DiagnoseNotRepaired);
    EXPECT_FALSE(t->doc.FileChanged);
    for (int box : {7, 8, 9})
        EXPECT_EQ(tab().Check3[box].value(), 1) << "box " << box << " is ticked again";
    screenshot("diagnose_loaded.png");
}

TEST_F(RealFile, GoRepairsWhatTheBoxesAllow) {
    open();
    ASSERT_EQ(t->diag.DiagErrorCount, 3);
    checksWithRepairs(true);
    go();
    EXPECT_EQ(t->doc.lineCount(), 594) << "the empty first line is gone";
    EXPECT_EQ(cell(1, 2), "00:00:41,500") << "the old line 2 now ends where line 3 starts";
    EXPECT_EQ(cell(3, 2), "00:00:45,204") << "the old line 4 ends at its start";
    EXPECT_EQ(total("errdet"), "3");
    EXPECT_EQ(total("errfix"), "3");
    EXPECT_EQ(total("errrem"), "0");
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_TRUE(t->doc.FileChanged);
    EXPECT_EQ(solutions(),
              QStringList({"Line removed from subtitle", "00:00:42,118 set to 00:00:41,500",
                           "00:00:44,000 set to 00:00:45,204"}));
    screenshot("diagnose_repaired.png", true);
}

} // namespace
