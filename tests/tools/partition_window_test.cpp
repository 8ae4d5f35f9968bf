// The Partition tab used as a user uses it in the shown main window: parts
// typed into the span list's edit field with Enter, the format picked, Go and
// Preview clicked with the mouse. The tab is saved with its span list and in
// preview mode (partition_list.png, partition_preview.png in the build's test
// folder).

#include "platform/ListBox.h"
#include "support/ListItems.h"
#include "timing_fixture.h"
#include "tools/PartitionTab.h"
#include "window_steps.h"

#include <QApplication>
#include <QFile>

namespace {

using window_steps::click;

class PartitionWindowTest : public ShownWindowTest {
protected:
    void SetUp() override {
        loadLines(12);
        settle();
        show(frmMain::TabPartition);
    }

    PartitionTab& tab() { return m().partition; }
    // Chooses a cell, types into the edit field and presses Enter.
    void typeCell(int row, int col, const QString& text) {
        tab().grid.setCurrentCell(row, col);
        QApplication::processEvents();
        ASSERT_TRUE(tab().rtfSplitEdit.visible());
        window_steps::typeAndEnter(tab().rtfSplitEdit, text);
        QApplication::processEvents();
    }
    void shot(const char* name) { window_steps::shot(m(), "partition", name); }
};

TEST_F(PartitionWindowTest, TypePartsPickAFormatWriteAndPreview) {
    const QString parts[][2] = {{"Movie CD1.avi", "00:00:45.000"},
                                {"Movie CD2.avi", "00:00:40,000"},
                                {"Movie CD3.avi", "00:01:00,000"}};
    for (const auto& part : parts) {
        const int spare = tab().grid.rows() - 1;
        typeCell(spare, 1, part[0]);
        typeCell(spare, 2, part[1]);
    }
    EXPECT_EQ(tab().grid.rows(), 5);
    EXPECT_EQ(tab().grid.textMatrix(3, 0), "3");
    if (tab().Label31.caption() == "<<") click(tab().Label31);
    click(tab().Label31);
    tab().combo3.setListIndex(11); // SubViewer 2.0
    EXPECT_EQ(tab().Label36.caption(), "SubViewer 2.0");
    tab().grid.setCurrentCell(2, 2);
    shot("list");

    click(tab().command5);
    EXPECT_EQ(itemsOf(tab().List2),
              QStringList({"Movie CD1.sub", "Movie CD2.sub", "Movie CD3.sub"}));
    EXPECT_TRUE(QFile::exists(t.dataFilesPath("Movie CD2.sub")));
    shot("written");

    click(tab().command28);
    ASSERT_TRUE(tab().previewMode());
    click(tab().command29[1]);
    EXPECT_EQ(tab().Label7.caption(), "# 2 = Movie CD2 [SubViewer 2.0]");
    EXPECT_TRUE(tab().txtPreview.text().contains("[SUBTITLE]"));
    shot("preview");
    click(tab().command28);
    EXPECT_FALSE(tab().previewMode());
}

} // namespace
