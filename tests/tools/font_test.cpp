// The Font tab as a user drives it: a name and a type picked from their
// lists, a line chosen in the grid, Go pressed; the font read back from the
// files of the formats that carry fonts.

#include "document/FontSpec.h"
#include "document/Formats.h"
#include "document/frmMessageBox.h"
#include "timing_fixture.h"
#include "tools/FontTab.h"

#include <QTest>

namespace {

constexpr int Names = 0, Styles = 1;

class FontTest : public TimingTest {
protected:
    FontTab& f() { return m().editor.font; }
    // Opens a list by its picker and picks the item.
    void pick(int list, const QString& item) {
        platform::Label& picker = list == Names ? f().Label20 : f().Label44;
        if (picker.caption() == ">>") picker.onClick();
        ASSERT_TRUE(f().Combo9[list].visible());
        f().Combo9[list].setText(item);
        ASSERT_EQ(f().Combo9[list].text(), item);
    }
    void choose(int row) { grid().setCurrentCell(row, 3); }
    QString font(int row) { return t->doc.lstFont.value(row); }
    QString someFont() { return f().Combo9[Names].list(f().Combo9[Names].listCount() - 1); }
};

TEST_F(FontTest, GoGivesTheCurrentLineTheChosenFontAndKeepsItsSize) {
    loadLines(3);
    settle();
    t->doc.lstFont[2] = "Arial;Western;Regular;22";
    choose(2); // the line first: choosing it shows its own font in the lists
    const QString name = someFont();
    pick(Names, name);
    EXPECT_EQ(f().Label42.caption(), name);
    EXPECT_FALSE(f().Combo9[Names].visible()) << "a pick closes the list";
    EXPECT_EQ(f().Label20.caption(), ">>");
    pick(Styles, "Bold");
    EXPECT_EQ(f().Label43.caption(), "Bold");

    f().Command42.onClick();
    EXPECT_EQ(reported(), 514);
    EXPECT_EQ(font(2), name + ";Western;Bold;22");
    EXPECT_EQ(font(1), "Arial;Western;Regular;16") << "only the current line changes";
    EXPECT_EQ(font(3), "Arial;Western;Regular;16");
    ASSERT_EQ(snapshots().size(), 1u);
    EXPECT_EQ(snapshots()[0].action, "Changed Font");
    EXPECT_EQ(snapshots()[0].details, "[From: " + name + "] [To: Bold]");
    EXPECT_TRUE(t->doc.FileChanged) << "the file keeps fonts where its format does";
    EXPECT_TRUE(t->doc.LineListValid);

    t->doc.lstFont[3] = "Arial;Western;Regular;"; // a line without a size gets the default
    choose(3);
    pick(Names, name);
    pick(Styles, "Italic");
    f().Command42.onClick();
    EXPECT_EQ(font(3), name + ";Western;Italic;16");
}

TEST_F(FontTest, GoNeedsALineOfTheDocument) {
    loadLines(2);
    settle();
    const struct {
        int row;
        const char* says;
    } cases[] = {{0, "Row 0 is no line of the document"}, {3, "Row 3 is no line of the document"}};
    for (const auto& c : cases) {
        grid().setRow(c.row);
        Message seen;
        t.reply(AnswerOk, &seen);
        f().Command42.onClick();
        EXPECT_TRUE(seen.text.startsWith(c.says)) << seen.text.toStdString();
        EXPECT_EQ(seen.title, "Font");
    }
    EXPECT_TRUE(snapshots().empty());
    EXPECT_EQ(t->doc.lstFont.value(0), "") << "the heading has no font";
    EXPECT_FALSE(t->doc.FileChanged);
}

TEST_F(FontTest, ChoosingALineShowsItsFontWithoutOpeningTheLists) {
    loadLines(2);
    t->doc.lstFont[2] = someFont() + ";Western;Italic;16";
    choose(2);
    EXPECT_EQ(f().Label42.caption(), someFont());
    EXPECT_EQ(f().Label43.caption(), "Italic");
    EXPECT_EQ(f().Label20.caption(), ">>");
    EXPECT_FALSE(f().Combo9[Names].visible());
    EXPECT_FALSE(f().Combo9[Styles].visible());
}

// Each line gets its own style; the formats that carry fonts keep it (and
// SubViewer 2.0 the chosen font's name) through a save and a load.
TEST_F(FontTest, FontsSurviveTheFormatsThatCarryThem) {
    const QString name = someFont();
    const struct {
        int format;
        bool styles; // the format keeps each line's style
        bool names;  // the format keeps the font's name
    } cases[] = {{Format::JacoSub, true, false},
                 {Format::SubRip, true, false},
                 {Format::SubViewer2, false, true}};
    for (const auto& c : cases) {
        ASSERT_TRUE(formats::Subtitle(c.format)->carriesFonts);
        loadLines(3);
        for (auto [row, style] : {std::pair{1, "Bold"}, std::pair{2, "Italic"}}) {
            choose(row);
            pick(Names, name);
            pick(Styles, style);
            f().Command42.onClick();
        }
        const QString file =
            t.dataFilesPath(QString("fonts%1").arg(c.format) + formats::WrittenExtension(c.format));
        ASSERT_TRUE(saveDocument(t.program(), file, c.format)) << c.format;
        t->doc.FileChanged = false; // saved
        mustLoad(t.program(), file);
        ASSERT_EQ(t->doc.lineCount(), 3);
        const QString styles[] = {"Bold", "Italic", "Regular"};
        for (int row = 1; row <= 3; ++row) {
            const FontSpec read = FontSpec::parse(font(row));
            if (c.styles) {
                EXPECT_EQ(read.style, styles[row - 1]) << c.format << " row " << row;
            }
            if (c.names) {
                EXPECT_EQ(read.family, name) << c.format << " row " << row;
            }
        }
    }
}

TEST_F(FontTest, MacroCommandsRunGoAndStoreTheChoice) {
    loadLines(1);
    choose(1);
    pick(Names, someFont());
    pick(Styles, "Bold");
    ASSERT_TRUE(t->commands.run("Editor.Font.Go"));
    EXPECT_EQ(FontSpec::parse(font(1)).style, "Bold");
    ASSERT_TRUE(t->commands.run("Editor.mcrVar.Set.Font.Name", "face"));
    ASSERT_TRUE(t->commands.run("Editor.mcrVar.Set.Font.Type"));
    EXPECT_EQ(reported(), 555);
    EXPECT_EQ(t->macro.McrVar(0), "face:=" + someFont());
    EXPECT_EQ(t->macro.McrVar(1), "mcrVar[1]:=Bold");
}

// The name list starts on an installed font even where "Arial" is missing,
// and Go on a SubRip file, whose format carries no font names, needs no name:
// the line keeps its own and takes the chosen style.
TEST_F(FontTest, GoNeedsNoNameWhereTheFormatCarriesNone) {
    loadLines(2);
    settle();
    EXPECT_GE(f().Combo9[Names].listIndex(), 0) << "the name list starts on an installed font";
    EXPECT_FALSE(f().Label42.caption().isEmpty());
    EXPECT_FALSE(f().Combo9[Names].enabled()) << "SubRip carries no font names";
    choose(1);
    f().Combo9[Names].setListIndex(-1);
    pick(Styles, "Bold");
    QTest::mouseClick(f().Command42.widget(), Qt::LeftButton);
    EXPECT_EQ(reported(), 514);
    EXPECT_EQ(FontSpec::parse(font(1)).style, "Bold");
    EXPECT_EQ(FontSpec::parse(font(1)).family, FontSpec::parse(font(2)).family);
}

} // namespace
