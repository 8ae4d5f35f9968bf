// The main window's layout: its smallest size, the panes and tab controls
// when it grows, the side area folded away, the splitter between the panes
// and its limits, the status bar's panels and the place at start.

#include "ShellFixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <map>

namespace {

struct Expect {
    const platform::Control* control;
    int left, top, width, height; // -1: not checked
};

void CheckAll(const std::vector<Expect>& table, int extraWidth, int extraHeight) {
    for (const Expect& e : table) {
        const std::string name = e.control->name().toStdString();
        if (e.left >= 0) {
            EXPECT_EQ(e.control->left(), e.left + extraWidth) << name;
        }
        if (e.top >= 0) {
            EXPECT_EQ(e.control->top(), e.top + extraHeight) << name;
        }
        if (e.width >= 0) {
            EXPECT_EQ(e.control->width(), e.width + extraWidth) << name;
        }
        if (e.height >= 0) {
            EXPECT_EQ(e.control->height(), e.height + extraHeight) << name;
        }
    }
}

// The window's own controls with their values at the smallest size; each
// takes the extra width or height where it has one.
std::vector<Expect> PaneTable(frmMain& m) {
    return {{&m.SSTab1, -1, -1, 3615, 7605},  {&m.Picture2, -1, -1, 3195, 6855},
            {&m.brwHelp, -1, -1, 3225, 6885}, {&m.TV1, -1, -1, 3195, 6855},
            {&m.Label1, -1, -1, 3615, -1},    {&m.pMove, 3720, -1, -1, -1},
            {&m.Label33, 3840, -1, -1, -1},   {&m.tabMain, 3840, -1, -1, -1},
            {&m.Label34, 3840, 5460, -1, -1}, {&m.tabClipboard, 3840, 5700, -1, -1}};
}

void Resize(frmMain& m, int width, int height) {
    m.move(m.left(), m.top(), width, height);
    m.Resize();
}

TEST(Layout, AtTheSmallestSizeEveryControlTakesItsDesignValue) {
    TestProgram t;
    frmMain& m = t.main();
    Resize(m, frmMain::MinWidth, frmMain::MinHeight);
    EXPECT_EQ(m.layout.ExtraWidth, 0);
    EXPECT_EQ(m.layout.ExtraHeight, 0);
    CheckAll(PaneTable(m), 0, 0);
    EXPECT_EQ(m.tabMain.height(), 5055);
    EXPECT_EQ(m.tabMain.width(), 10215);
    EXPECT_EQ(m.editor.grdSubEdit.height(), 5055 - 2430);
}

// Each listed tab control moves or stretches by the height the window has
// beyond its smallest; the player stays vertically centred, with its slider
// and buttons under it, and the controls under a list that stretches move
// with its bottom edge.
TEST(Layout, LargerWindowsStretchThePanesAndTheTabControls) {
    TestProgram t;
    frmMain& m = t.main();
    struct Inner {
        const platform::Control* control;
        bool height;
        int share; // in halves of the extra height
    };
    const std::vector<Inner> inner = {
        {&m.diagnose.tvDiag, true, 2},      {&m.diagnose.Command27, false, 2},
        {&m.macros.SSTab4, true, 2},        {&m.online.SSTab5, true, 2},
        {&m.onlineLists.FTPList, true, 2},  {&m.online.List8, true, 2},
        {&m.player.MediaPlayer1, false, 1}, {&m.calculator.tabCalculator, true, 2},
        {&m.calculator.List3, true, 2},     {&m.calculator.Calc, true, 2},
        {&m.partition.grid, true, 2},       {&m.partition.combo3, false, 2},
        {&m.partition.Label31, false, 2},   {&m.calculator.optFrameRate[4], false, 2},
        {&m.player.Slider1, false, 1},      {&m.player.Command8[0], false, 1},
        {&m.player.Command8[5], false, 1},  {&m.macroEditor.Label68, false, 2},
        {&m.macroEditor.Text3, false, 2},   {&m.macroEditor.Command53, false, 2},
        {&m.online.lblTransfer, false, 2},  {&m.calculator.cmdAdvCalcClipIt, false, 0}};
    std::map<const platform::Control*, int> base;
    for (const Inner& i : inner)
        base[i.control] = i.height ? i.control->height() : i.control->top();

    struct Size {
        int extraWidth, extraHeight;
    };
    for (const Size s : {Size{3000, 1500}, Size{4305, 6990}, Size{0, 0}, Size{15, 16}}) {
        Resize(m, frmMain::MinWidth + s.extraWidth, frmMain::MinHeight + s.extraHeight);
        ASSERT_EQ(m.layout.ExtraWidth, s.extraWidth);
        ASSERT_EQ(m.layout.ExtraHeight, s.extraHeight);
        CheckAll(PaneTable(m), s.extraWidth, s.extraHeight);
        EXPECT_EQ(m.tabMain.height(), 5055 + s.extraHeight);
        EXPECT_EQ(m.tabMain.left() + m.tabMain.width(), 14055 + s.extraWidth)
            << "the right pane keeps its distance from the right edge";
        EXPECT_EQ(m.editor.grdSubEdit.height(), m.tabMain.height() - 2430);
        for (const Inner& i : inner) {
            const int now = i.height ? i.control->height() : i.control->top();
            EXPECT_EQ(now, base[i.control] + s.extraHeight * i.share / 2)
                << i.control->name().toStdString();
        }
    }
}

TEST(Layout, TheWindowSnapsBackToItsSmallestSize) {
    TestProgram t;
    frmMain& m = t.main();
    Resize(m, 8000, 5000);
    EXPECT_EQ(m.width(), frmMain::MinWidth);
    EXPECT_EQ(m.height(), frmMain::MinHeight);
    EXPECT_EQ(m.layout.ExtraWidth, 0);
    EXPECT_EQ(m.layout.ExtraHeight, 0);
    Resize(m, 20000, 4000);
    EXPECT_EQ(m.width(), 20000);
    EXPECT_EQ(m.height(), frmMain::MinHeight);
    EXPECT_EQ(m.layout.ExtraHeight, 0);
}

// "-" folds the side area away: the tab area takes its room and the heading's.
TEST(Layout, TheFoldButtonGivesTheSideAreasRoomToTheTabArea) {
    TestProgram t;
    frmMain& m = t.main();
    platform::Label fold(m, "foldTest", "+");
    m.layout.setFoldButton(&fold);
    struct Case {
        const char* caption;
        int tabArea;
    };
    const int folded = m.tabClipboard.height() + 5055 + m.Label34.height() + 60;
    for (const Case c : {Case{"-", folded}, Case{"+", 5055}, Case{"-", folded}, Case{"?", folded},
                         Case{"+", 5055}}) {
        fold.setCaption(QString::fromLatin1(c.caption));
        Resize(m, frmMain::MinWidth, frmMain::MinHeight + 600);
        EXPECT_EQ(m.layout.TabAreaHeight, c.tabArea) << c.caption;
        EXPECT_EQ(m.tabMain.height(), c.tabArea + 600) << c.caption;
        EXPECT_EQ(m.editor.grdSubEdit.height(), m.tabMain.height() - 2430) << c.caption;
    }
    m.layout.setFoldButton(nullptr);
}

// Dragging the bar: down, moves, up, as the mouse does on it.
void Drag(frmMain& m, int by) {
    m.pMove.onMouseDown(platform::LeftButton, 0, 45, 300);
    m.pMove.onMouseMove(platform::LeftButton, 0, by / 2, 300);
    m.pMove.onMouseMove(platform::LeftButton, 0, by - by / 2, 300);
    m.pMove.onMouseUp(platform::LeftButton, 0, 0, 300);
}

TEST(Layout, TheSplitterWidensOnePaneByWhatItTakesFromTheOther) {
    TestProgram t;
    frmMain& m = t.main();
    Resize(m, frmMain::MinWidth + 1500, frmMain::MinHeight);
    const int gridWidth = m.editor.grdSubEdit.width();
    const int navFromRight = m.editor.grdSubEdit.left() + gridWidth - m.editor.Label75.left();
    m.pMove.onMouseDown(platform::LeftButton, 0, 45, 300);
    EXPECT_TRUE(m.layout.SplitDragging);
    EXPECT_EQ(t->host.screen.mousePointer(), platform::Screen::PointerSizeAll);
    m.pMove.onMouseMove(platform::LeftButton, 0, 545, 300);
    EXPECT_EQ(m.pMove.left(), 3720 + 1500 + 545) << "the bar's edge follows the pointer";
    m.pMove.onMouseMove(platform::LeftButton, 0, -45, 300);
    m.pMove.onMouseUp(platform::LeftButton, 0, -45, 300);
    EXPECT_FALSE(m.layout.SplitDragging);
    EXPECT_EQ(t->host.screen.mousePointer(), platform::Screen::PointerDefault);
    const int d = 500;
    EXPECT_EQ(m.Label1.width(), 3615 + 1500 + d);
    EXPECT_EQ(m.TV1.width(), 3195 + 1500 + d);
    EXPECT_EQ(m.brwHelp.width(), 3225 + 1500 + d);
    for (const platform::Control* c : std::initializer_list<const platform::Control*>{
             &m.Label33, &m.tabMain, &m.Label34, &m.tabClipboard}) {
        EXPECT_EQ(c->left(), 3840 + 1500 + d) << c->name().toStdString();
        EXPECT_EQ(c->width(), 10215 - d) << c->name().toStdString();
    }
    EXPECT_EQ(m.editor.grdSubEdit.width(), gridWidth - d);
    EXPECT_EQ(m.editor.grdSubEdit.left() + m.editor.grdSubEdit.width() - m.editor.Label75.left(),
              navFromRight)
        << "the part buttons stay at the grid's right edge";

    // A resize keeps the user's split: no gap opens at the right, no overlap.
    Resize(m, frmMain::MinWidth + 3000, frmMain::MinHeight + 900);
    EXPECT_EQ(m.pMove.left(), 3720 + 3000 + d);
    EXPECT_EQ(m.Label1.width(), 3615 + 3000 + d);
    EXPECT_EQ(m.tabMain.left(), 3840 + 3000 + d);
    EXPECT_EQ(m.tabMain.left() + m.tabMain.width(), 14055 + 3000);
    EXPECT_LT(m.Label1.left() + m.Label1.width(), m.pMove.left() + m.pMove.width());
    EXPECT_GT(m.tabMain.left(), m.pMove.left());
}

// However far the bar is dragged, both panes keep a width to work with, also
// when the window is made smaller afterwards.
TEST(Layout, TheSplitterStopsBeforeEitherPaneVanishes) {
    TestProgram t;
    frmMain& m = t.main();
    struct Case {
        int drag, extraWidth;
        int label1Width, tabMainWidth;
    };
    const int minLeft = MainLayout::MinLeftPane, minRight = MainLayout::MinRightPane;
    const Case cases[] = {
        {-20000, 0, minLeft, 10215 + 3615 - minLeft},
        {+20000, 0, 3615 + 10215 - minRight, minRight},
        {-20000, 6000, minLeft, 10215 + 3615 + 6000 - minLeft},
        {+20000, 6000, 3615 + 6000 + 10215 - minRight, minRight},
    };
    for (const Case& c : cases) {
        m.layout.SplitOffset = 0;
        Resize(m, frmMain::MinWidth + c.extraWidth, frmMain::MinHeight);
        Drag(m, c.drag);
        EXPECT_EQ(m.Label1.width(), c.label1Width) << c.drag << "," << c.extraWidth;
        EXPECT_EQ(m.tabMain.width(), c.tabMainWidth) << c.drag << "," << c.extraWidth;
        EXPECT_GT(m.TV1.width(), 0);
        EXPECT_GT(m.editor.grdSubEdit.width(), 0);
    }
    // Wide window, the split far to the left, then the smallest window: the
    // left pane keeps its narrowest width, and gets the split back on growing.
    m.layout.SplitOffset = 0;
    Resize(m, frmMain::MinWidth + 6000, frmMain::MinHeight);
    Drag(m, -6000);
    EXPECT_EQ(m.Label1.width(), 3615);
    Resize(m, frmMain::MinWidth, frmMain::MinHeight);
    EXPECT_EQ(m.Label1.width(), minLeft);
    EXPECT_EQ(m.tabMain.left() + m.tabMain.width(), 14055);
    Resize(m, frmMain::MinWidth + 6000, frmMain::MinHeight);
    EXPECT_EQ(m.Label1.width(), 3615);
}

TEST(Layout, MovingWithoutPressingOnTheBarMovesNothing) {
    TestProgram t;
    frmMain& m = t.main();
    m.pMove.onMouseMove(0, 0, 900, 300);
    m.pMove.onMouseUp(platform::LeftButton, 0, 900, 300);
    EXPECT_EQ(m.pMove.left(), 3720);
    EXPECT_EQ(m.Label1.width(), 3615);
}

// The panels fill the window's width, and the format panel shows the
// longest format name whole on the screen.
TEST(Layout, TheStatusBarPanelsFillTheWidthAndShowFormatNamesWhole) {
    TestProgram t;
    frmMain& m = t.main();
    m.show();
    for (int extra : {0, 2000, 12000}) {
        Resize(m, frmMain::MinWidth + extra, frmMain::MinHeight);
        const platform::StatusBar& bar = m.StatusBar1;
        EXPECT_EQ(bar.panelWidth(1) + bar.panelWidth(2) + bar.panelWidth(3), m.width());
        EXPECT_EQ(bar.panelWidth(3), 4800);
        const QList<QLabel*> panels = bar.widget()->findChildren<QLabel*>();
        ASSERT_GE(panels.size(), 2);
        QLabel* format = panels[1];
        for (int f = 1; f <= 16; ++f) {
            const QString name = t->shell.FormatName[static_cast<std::size_t>(f)];
            m.StatusBar1.setPanelText(2, name);
            QApplication::processEvents();
            EXPECT_GE(format->contentsRect().width(),
                      QFontMetrics(format->font()).horizontalAdvance(name))
                << name.toStdString() << " at " << extra;
        }
    }
    m.hide();
}

// Go and Print stand side by side at the foot of the Diagnose tab at every
// size: Go keeps its distance from the window's bottom edge and Print goes
// with it.
TEST(Layout, TheDiagnoseButtonsKeepToTheTabsFootAtEverySize) {
    TestProgram t;
    frmMain& m = t.main();
    const DiagnoseTab& d = m.diagnose;
    for (const auto& [w, h] : {std::pair{953, 613}, std::pair{1280, 800}, std::pair{1920, 1080}}) {
        Resize(m, w * platform::TwipsPerPixel, h * platform::TwipsPerPixel);
        EXPECT_EQ(d.Command27.top(), 4560 + m.layout.ExtraHeight) << w;
        EXPECT_EQ(d.lblPrint.top(), d.Command27.top()) << w;
        EXPECT_LE(d.Command27.top() + d.Command27.height(), m.tabMain.height()) << w;
    }
}

// At start: the last place from pos.sdf, or the smallest window centred on
// the screen when the file is missing, short, not numbers, or off the screen.
TEST(Layout, StartsWhereItWasOrCentredAtTheSmallestSize) {
    struct Case {
        const char* name;
        QStringList lines; // empty: no file
        bool kept;
    };
    const Case cases[] = {
        {"kept", {" 300 ", " 450 ", " 15000 ", " 9600 "}, true},
        {"kept, a fraction dropped", {" 300 ", " 450.4 ", " 15000 ", " 9600 "}, true},
        {"missing", {}, false},
        {"three values", {" 300 ", " 450 ", " 15000 "}, false},
        {"not a number", {" 300 ", "left", " 15000 ", " 9600 "}, false},
        {"no width", {" 300 ", " 450 ", " 0 ", " 9600 "}, false},
        {"off every screen", {" 900000 ", " 900000 ", " 15000 ", " 9600 "}, false},
        {"right of the screen", {" 500000 ", " 450 ", " 15000 ", " 9600 "}, false},
        {"above the screen", {" 300 ", "-9500 ", " 15000 ", " 9600 "}, false},
        {"above and left", {" -30000 ", " -30000 ", " 15000 ", " 9600 "}, false},
    };
    for (const Case& c : cases) {
        ProgramFolder folder;
        if (!c.lines.isEmpty()) folder.write("System/pos.sdf", crlf(c.lines));
        ProgramOn p(folder.path());
        frmMain& m = p.main();
        m.load();
        const platform::Screen& screen = p->host.screen;
        if (c.kept) {
            EXPECT_EQ(m.left(), 300) << c.name;
            EXPECT_EQ(m.top(), 450) << c.name;
            EXPECT_EQ(m.width(), 15000) << c.name;
            EXPECT_EQ(m.height(), 9600) << c.name;
        } else {
            EXPECT_EQ(m.width(), frmMain::MinWidth) << c.name;
            EXPECT_EQ(m.height(), frmMain::MinHeight) << c.name;
            EXPECT_EQ(m.left(), screen.width() / 2 - frmMain::MinWidth / 2) << c.name;
            EXPECT_EQ(m.top(), screen.height() / 2 - frmMain::MinHeight / 2) << c.name;
        }
    }
}

} // namespace

namespace {

// At the smallest size a loaded file shows all six columns without scrolling
// sideways, and the part buttons over the grid leave the headings and the
// line numbers readable.
TEST(Layout, TheGridShowsEveryColumnAndTheButtonsCoverNoHeading) {
    TestProgram t;
    frmMain& m = t.main();
    m.load();
    t.loadDataFile("lines.srt", SubRip(30));
    m.tabMain.setTab(frmMain::TabEditor);
    m.show();
    QApplication::processEvents();
    const platform::Grid& g = m.editor.grdSubEdit;
    int columns = 0;
    for (int c = 0; c < 6; ++c)
        columns += g.colWidth(c);
    const QWidget* view = g.widget();
    const auto* bar = view->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_LE(platform::toPixels(columns),
              static_cast<const QAbstractScrollArea*>(view)->viewport()->width());
    const int lastHeadingEnd = g.left() + columns - g.colWidth(5) + 900; // "Text #3" and room
    EXPECT_GE(m.editor.Label74.left(), lastHeadingEnd);

    m.editor.grdSubEdit.setCurrentCell(5, 3);
    QApplication::processEvents();
    const platform::Label& node = m.editor.btnNode[0];
    ASSERT_TRUE(node.visible());
    EXPECT_EQ(node.left() + node.width(), g.left() + g.colWidth(0)) << "at the number's right";
    EXPECT_GE(node.left() - g.left(), 700) << "room for \"{ 9998 }\"";
    m.hide();
}

} // namespace

namespace {

// The user drags the bar with the mouse: the panes follow on release.
TEST(Layout, TheSplitterFollowsARealMouseDrag) {
    TestProgram t;
    frmMain& m = t.main();
    m.show();
    QApplication::processEvents();
    QWidget* bar = m.pMove.widget();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(3, 20));
    QTest::mouseMove(bar, QPoint(3 + 40, 20));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(3 + 40, 20));
    const int d = m.pMove.left() - 3720;
    EXPECT_EQ(d, (3 + 40) * platform::TwipsPerPixel) << "its left edge goes to the pointer";
    EXPECT_EQ(m.Label1.width(), 3615 + d);
    EXPECT_EQ(m.tabMain.left(), 3840 + d);
    EXPECT_EQ(m.tabMain.width(), 10215 - d);
    EXPECT_FALSE(m.layout.SplitDragging);
    m.hide();
}

} // namespace
