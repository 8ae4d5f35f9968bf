// The document's grid routines besides the parts: emptying the grid, the
// player's line list, and the default font of a line.

#include "document/Document.h"
#include "document/FontSpec.h"
#include "support/GridSetup.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

namespace {

TEST(LineList, HoldsStartTimeAndTheThreeTextLines) {
    TestProgram t;
    platform::Grid& g = t.main().editor.grdSubEdit;
    g.setRows(5);
    setLine(g, 1, "00:00:01,000", "00:09:59,000", {" Hello", " there", " you"});
    setLine(g, 2, "00:00:05,500", "00:09:59,000", {" Only one"});
    setLine(g, 3, "01:02:03,004", "00:09:59,000", {"", " second", ""});
    platform::ComboBox& list = t.main().player.Combo1;
    list.addItem("stale entry");

    t->doc.RebuildLineCombo();
    ASSERT_EQ(list.listCount(), 3);
    EXPECT_EQ(list.list(0), "00:00:01,000;  Hello  there  you");
    EXPECT_EQ(list.list(1), "00:00:05,500;  Only one  ");
    EXPECT_EQ(list.list(2), "01:02:03,004;   second ");
    EXPECT_TRUE(t->doc.LineListValid);
    EXPECT_EQ(t->host.screen.mousePointer(), 0);

    // A second run replaces the entries.
    t->doc.RebuildLineCombo();
    EXPECT_EQ(list.listCount(), 3);
}

TEST(LineList, EmptyDocumentGivesAnEmptyListAndStillValid) {
    TestProgram t;
    platform::ComboBox& list = t.main().player.Combo1;
    EXPECT_EQ(list.style(), platform::ComboBox::DropDownList);
    list.addItem("left over");
    t->doc.LineListValid = false;
    t->doc.RebuildLineCombo();
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_TRUE(t->doc.LineListValid);
}

TEST(ClearGrid, LeavesHeaderAndOneEmptyRowButNotTheTables) {
    TestProgram t;
    Document& doc = t->doc;
    platform::Grid& g = doc.grid();
    g.setRows(12);
    setLine(g, 1, "00:00:01,000", "00:09:59,000", {" a", " b", " c"});
    doc.lstFont = QStringList{"", doc.DefaultFontSpec()};
    doc.FileNodes.setCount(1);
    doc.FileNodes.setLastRow(1, 10);
    g.setCellBackColorAt(1, 1, Document::PartStartGreen);
    g.setCellBackColorAt(1, 2, Document::PartEndRed);

    doc.ClearGrid();
    EXPECT_EQ(g.cellBackColorAt(1, 1), Document::White) << "no part mark is left on row 1";
    EXPECT_EQ(g.cellBackColorAt(1, 2), Document::White);
    EXPECT_EQ(g.rows(), 2);
    EXPECT_EQ(doc.lineCount(), 0);
    EXPECT_EQ(g.textMatrix(0, 1), "Start");
    for (int c = 0; c < g.cols(); ++c)
        EXPECT_EQ(g.textMatrix(1, c), "") << "column " << c;
    EXPECT_EQ(doc.lstFont.size(), 2);
    EXPECT_EQ(doc.FileNodes.Count(), 1);
    EXPECT_EQ(doc.FileNodes.LastRow(1), 10);
}

TEST(Document, AStyleIsNamedInTheInterfacesWords) {
    TestProgram t;
    t->texts.setTextTable(4, 26, "Gras"); // a language pack's words
    const StyleWords words = StyleWords::of(t->texts);
    EXPECT_EQ(words.word(false, false), "Regular");
    EXPECT_EQ(words.word(true, false), "Gras");
    EXPECT_EQ(words.word(false, true), "Italic");
    EXPECT_EQ(words.word(true, true), "Gras Italic");
}

TEST(Document, DefaultFontSpecHasFourFields) {
    TestProgram t;
    EXPECT_EQ(t->doc.DefaultFontSpec(), "Arial;Western;Regular;16");
}

} // namespace
