// Search/Replace, Filters and Font used as a user uses them in the shown main
// window: typing into the fields, pressing Enter, ticking boxes and clicking
// with the mouse. Each page is saved before and after its Go
// (search_<page>_before.png / _after.png in the build's test folder).

#include "document/EditorTab.h"
#include "document/FontSpec.h"
#include "timing_fixture.h"
#include "tools/FilterTab.h"
#include "tools/FontTab.h"
#include "tools/SearchTab.h"
#include "window_steps.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <QWidget>

namespace {

using window_steps::click;
using window_steps::type;

class EditorPagesWindowTest : public ShownWindowTest {
protected:
    void SetUp() override {
        load({{at(10), at(12), "The colour of night"},
              {at(20), at(22), "A colour\r\nand another colour"},
              {at(30), at(32), QStringLiteral("שלום עולם")},
              {at(40), at(42), "Nothing here"}});
        settle();
        show(frmMain::TabEditor);
    }

    void page(int tab) {
        m().editor.SSTab2.setTab(tab);
        QApplication::processEvents();
    }
    void shot(const char* name) { window_steps::shot(m(), "search", name); }
    QString cell(int row, int col) { return grid().textMatrix(row, col); }
};

TEST_F(EditorPagesWindowTest, ReplaceByTypingAndPressingEnter) {
    page(1);
    SearchTab& s = m().search;
    s.List4.addItem("teh>the");
    grid().setCurrentCell(1, 3);
    t->edit.EditorCellSelect();
    type(s.rtfSearch, "COLOUR");
    type(s.rtfReplace, "color");
    EXPECT_TRUE(s.Option1[1].value()) << "typing a replacement chooses Replace";
    shot("replace_before");
    QTest::keyClick(s.rtfReplace.widget(), Qt::Key_Return);
    QApplication::processEvents();
    shot("replace_after");
    EXPECT_EQ(s.rtfReplace.text(), "color") << "Enter adds no line break";
    EXPECT_EQ(cell(1, 3), " The color of night");
    EXPECT_EQ(cell(2, 3), " A color");
    EXPECT_EQ(cell(2, 4), " and another color") << "each cell's first occurrence";
    click(s.Label47);
    EXPECT_TRUE(s.List4.visible());
    shot("history_open");
    EXPECT_EQ(s.List4.list(1), "COLOUR>color");
}

TEST_F(EditorPagesWindowTest, FiltersByTickingAndClickingGo) {
    page(2);
    FilterTab& f = m().filter;
    click(f.Check4[0]);
    click(f.Check4[1]);
    EXPECT_TRUE(f.txtMaxCount.enabled());
    type(f.txtMaxCount, "8");
    shot("filters_before");
    click(f.Command30);
    shot("filters_after");
    EXPECT_EQ(cell(3, 3), QStringLiteral(" םלוע םולש"));
    EXPECT_EQ(cell(3, 4), "");
    // Each cell reversed, then the joined text cut at the first blank past 8.
    EXPECT_EQ(cell(2, 3), " ruoloc A");
    EXPECT_EQ(cell(2, 4), " ruoloc rehtona");
    EXPECT_EQ(cell(2, 5), " dna");
}

TEST_F(EditorPagesWindowTest, FontByPickingAndClickingGo) {
    page(3);
    FontTab& f = m().editor.font;
    grid().setCurrentCell(2, 3);
    if (f.Label20.caption() == "<<") click(f.Label20);
    if (f.Label44.caption() == "<<") click(f.Label44);
    click(f.Label20);
    f.Combo9[0].setListIndex(0);
    EXPECT_FALSE(f.Combo9[0].visible());
    click(f.Label44);
    EXPECT_TRUE(f.Combo9[1].visible());
    shot("font_open");
    f.Combo9[1].setText("Bold Italic");
    EXPECT_FALSE(f.Combo9[1].visible());
    shot("font_before");
    click(f.Command42);
    shot("font_after");
    EXPECT_EQ(FontSpec::parse(t->doc.lstFont.value(2)).style, "Bold Italic");
}

} // namespace
