// Save Settings and the setting file: what is written is what Load reads
// back, and the reader survives missing files, lines it cannot use and names
// that would lead out of their folder.

#include "document/frmMessageBox.h"
#include "fileio/SettingFile.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "runtime/TextFile.h"
#include "support/ListItems.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QDir>

namespace {

struct Settings : ::testing::Test {
    TestProgram t;
    frmMain& m() { return t.main(); }
    platform::Grid& parts() { return m().partition.grid; }
    platform::ListBox& clipboard() { return m().clipboard.List1; }
    QString files() { return QDir::cleanPath(t.folder() + "/Data/Files"); }

    QStringList partRows() {
        QStringList out;
        for (int r = 1; r < parts().rows(); ++r)
            out << parts().textMatrix(r, 0) + "|" + parts().textMatrix(r, 1) + "|" +
                       parts().textMatrix(r, 2);
        return out;
    }
    QStringList clipItems() { return itemsOf(clipboard()); }
    void fillFonts() {
        for (const char* f : {"Alpha Sans", "Beta Serif", "Gamma Mono"})
            m().editor.font.Combo9[0].addItem(f);
        for (const char* s : {"Regular", "Bold", "Italic", "Bold Italic"})
            m().editor.font.Combo9[1].addItem(s);
    }
    void openSettingFile(const QString& name) {
        t.answer<frmFile>([this, name](frmFile& f) {
            f.List2.setPath(files());
            f.txtFilename.setText(name);
            f.cmdActionClick(frmFile::Ok);
        });
        t->fileCommands.MenuLoadFile();
    }
};

TEST_F(Settings, SaveSettingsWritesWhatLoadReadsBack) {
    fillFonts();
    m().editor.font.Combo9[0].setListIndex(2);
    m().editor.font.Combo9[1].setListIndex(1);
    for (const char* item : {"Editor.Text:1>Hello", "True.Time.Start:2>00:00:05,000"})
        clipboard().addItem(item);
    parts().setRows(4);
    parts().setTextMatrix(1, 0, "1");
    parts().setTextMatrix(1, 1, "first.srt");
    parts().setTextMatrix(1, 2, "00:10:00,000");
    parts().setTextMatrix(2, 0, "2");
    parts().setTextMatrix(2, 1, "second");
    parts().setTextMatrix(2, 2, "00:20:00,500");
    const QStringList clipBefore = clipItems(), partsBefore = partRows();

    t.answer<frmFile>([&](frmFile& f) {
        EXPECT_EQ(f.List3.listIndex(), frmFile::TypeSettingFile);
        EXPECT_EQ(f.txtFilename.text(), "");
        EXPECT_FALSE(f.cmdAction[frmFile::Ok].enabled()) << "nothing to save under yet";
        EXPECT_FALSE(f.txtFilename.locked());
        f.List2.setPath(files());
        f.txtFilename.setText("mine");
        f.cmdActionClick(frmFile::Ok);
    });
    m().mnuSaveSettings.click();
    EXPECT_EQ(t->macro.MacroAction.code, 105);
    const runtime::TextFileContent written = runtime::ReadTextFile(files() + "/mine.scd");
    ASSERT_TRUE(written.ok);
    EXPECT_EQ(written.lines.mid(1),
              QStringList({"{clipboard}", "Editor.Text:1>Hello", "True.Time.Start:2>00:00:05,000",
                           "{partitionlist}", "first.srt>00:10:00,000", "second>00:20:00,500",
                           "{system font}", "Gamma Mono", "Bold"}));

    clipboard().clear();
    parts().setRows(2);
    m().editor.font.Combo9[0].setListIndex(0);
    m().editor.font.Combo9[1].setListIndex(0);
    m().Combo13.addItem("/recent/one.srt");
    m().Combo13.setListIndex(0);
    openSettingFile("mine.scd");
    EXPECT_EQ(clipItems(), clipBefore);
    EXPECT_EQ(clipboard().listIndex(), 0) << "the first item is selected";
    EXPECT_EQ(partRows(), partsBefore);
    EXPECT_EQ(m().editor.font.Combo9[0].text(), "Gamma Mono");
    EXPECT_EQ(m().editor.font.Combo9[1].text(), "Bold");
    EXPECT_EQ(m().Combo13.listCount(), 1) << "the recent-file list is not a font setting";
    EXPECT_EQ(m().Combo13.listIndex(), 0);
    for (const platform::Label& b : m().clipboard.command4)
        EXPECT_TRUE(b.enabled());
}

TEST_F(Settings, TheReaderPassesOverWhatItCannotUse) {
    fillFonts();
    t.writeDataFile("odd.scd", "{clipboard}\r\n"
                               "kept>00:00:01,000\r\n"
                               "{partitionlist}\r\n"
                               "no separator here\r\n"
                               "../../escape>00:01:00,000\r\n"
                               "sub/dir/name.srt>00:02:00,000\r\n"
                               "{other}\r\n"
                               "ignored>00:00:09,000\r\n"
                               "{system font}\r\n"
                               "99999\r\n"
                               "2\r\n"
                               "5\r\n");
    clipboard().addItem("old item");
    openSettingFile("odd.scd");
    EXPECT_TRUE(clipItems().isEmpty()) << "the first line is always skipped, section or not";
    EXPECT_EQ(partRows(),
              QStringList({"1|____escape|00:01:00,000", "2|sub_dir_name.srt|00:02:00,000", "||"}));
    EXPECT_EQ(m().editor.font.Combo9[0].listIndex(), -1) << "not a 16-bit value";
    EXPECT_EQ(m().editor.font.Combo9[1].listIndex(), 2);
    EXPECT_EQ(setting_file::PartName("a/../b.srt"), "a___b.srt");

    Message said;
    t.reply(frmMessageBox::Ok, &said);
    EXPECT_FALSE(setting_file::Read(t.program(), files() + "/gone.scd"));
    EXPECT_TRUE(said.text.contains("gone.scd")) << said.text.toStdString();
    EXPECT_EQ(partRows().size(), 3) << "a missing file changes nothing";
}

} // namespace
