#include "shell/Layout.h"

#include "platform/Host.h"
#include "platform/Label.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <algorithm>
#include <cmath>

namespace {

// The tab controls that follow the window's height: "height" rows stretch
// downwards, the others keep their distance from the bottom edge. A share of
// 1/2 keeps a control vertically centred.
struct Row {
    const char* name;
    bool height;
    int numerator = 2;
};
constexpr Row TableRows[] = {
    {"tvDiag", true},
    {"Command27", false},
    {"lblPrint", false}, // beside Go
    {"SSTab4", true},
    {"List6", true},
    {"lblMacroComment", false}, // below the macro list
    {"List7", true},
    {"List12", true},
    {"Check6", false},
    {"Label71", false},
    {"SSTab5", true},
    {"Label53", false},
    {"Label57", false},
    {"Combo7", false},
    {"Label58", false},
    {"Label59", false},
    {"Combo8(0)", false},
    {"rtfFTPSearch", false},
    {"Command37", false},
    {"Command38", false},
    {"Command46", false},
    {"FTPList", true},
    {"Label60", false},
    {"Label61", false},
    {"Combo8(1)", false},
    {"Command39", false},
    {"Command40", false},
    {"List8", true},
    {"Label50", false},
    {"Label51", false},
    {"Combo1", false},
    {"Picture1", true},
    {"MediaPlayer1", false, 1},
    {"tabCalculator", true},
    {"optFrameRate(0)", false},
    {"optFrameRate(1)", false},
    {"optFrameRate(2)", false},
    {"optFrameRate(3)", false},
    {"optFrameRate(4)", false},
    // The classic calculator's buttons stand beside its fields, above the
    // list that stretches: they keep their place.
    {"List3", true},
    // Clip It of the advanced calculator stands beside Execute, above the
    // grid that stretches: it keeps its place too.
    {"Calc", true},
    {"command28", false},
    {"command6", false},
    {"Label66", false},
    {"command29(0)", false},
    {"command29(1)", false},
    {"Label31", false},
    {"Label36", false},
    {"command5", false},
    {"Label8", false},
    {"List2", false},
    {"grid", true},
    {"combo3", false},
    {"txtPreview", true},
};

// The controls the table leaves out that belong to a neighbour it moves:
// each moves down by what its neighbour's top moves, or, for a neighbour
// that stretches, its bottom edge, so that it keeps its place beside it.
struct Follower {
    const char* name;
    const char* neighbour;
};
constexpr Follower Followers[] = {
    // The slider and the whole transport row stay under the video they steer.
    {"Slider1", "MediaPlayer1"},
    {"Command8(0)", "MediaPlayer1"},
    {"Command8(1)", "MediaPlayer1"},
    {"Command8(2)", "MediaPlayer1"},
    {"Command8(3)", "MediaPlayer1"},
    {"Command8(4)", "MediaPlayer1"},
    {"Command8(5)", "MediaPlayer1"},
    // The command's trigger index under its comment, below the command list.
    {"Label68", "lblMacroComment"},
    // The selected line's data and comment, the wizard mark and Accept under
    // the macro's lines.
    {"Label69", "List7"},
    {"rtfItemDescr", "List7"},
    {"Label70", "List7"},
    {"Text3", "List7"},
    {"Check5", "List7"},
    {"Command53", "List7"},
    // The transfer line under the online tabs.
    {"lblTransfer", "SSTab5"},
    {"prgTransfer", "SSTab5"},
    {"cmdTransferCancel", "SSTab5"},
};

// Round to the nearest, halves to the even neighbour.
int Nearest(double v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

MainLayout::MainLayout(Program& p, frmMain& m) : p_(p), m_(m) {
    captureTable();
    const platform::Grid& g = m_.editor.grdSubEdit;
    const int gridRight = g.left() + g.width();
    navFromRight_[0] = gridRight - m_.editor.Label74.left();
    navFromRight_[1] = gridRight - m_.editor.Label75.left();
    m_.pMove.onMouseDown = [this](int b, int s, int x, int y) { pMoveMouseDown(b, s, x, y); };
    m_.pMove.onMouseMove = [this](int b, int s, int x, int y) { pMoveMouseMove(b, s, x, y); };
    m_.pMove.onMouseUp = [this](int b, int s, int x, int y) { pMoveMouseUp(b, s, x, y); };
}

// The tab controls' design values, read while the window has its smallest
// size. A control the window does not have is left out.
void MainLayout::captureTable() {
    for (const Row& row : TableRows) {
        platform::Control* c = m_.findControl(QString::fromLatin1(row.name));
        if (!c) continue;
        table_.push_back({c, row.height, row.height ? c->height() : c->top(), row.numerator});
    }
    for (const Follower& f : Followers) {
        platform::Control* c = m_.findControl(QString::fromLatin1(f.name));
        const QString neighbour = QString::fromLatin1(f.neighbour);
        const auto lead = std::find_if(table_.begin(), table_.end(), [&](const Entry& e) {
            return e.control->name() == neighbour;
        });
        if (c && lead != table_.end()) table_.push_back({c, false, c->top(), lead->numerator});
    }
}

void MainLayout::Resize() {
    if (resizing_) return; // the snap back to the smallest size resizes again
    resizing_ = true;
    keepMinimumSize();
    ExtraHeight = std::max(0, m_.height() - MinHeight);
    ExtraWidth = std::max(0, m_.width() - MinWidth);
    const int split = AppliedSplit();
    layOutLeftPane(split);
    layOutRightPane(split);
    layOutTabArea();
    layOutTable();
    layOutStatusBar();
    resizing_ = false;
}

void MainLayout::keepMinimumSize() {
    const int w = std::max(m_.width(), MinWidth);
    const int h = std::max(m_.height(), MinHeight);
    if (w != m_.width() || h != m_.height()) m_.move(m_.left(), m_.top(), w, h);
}

int MainLayout::AppliedSplit() const {
    const int lowest = MinLeftPane - LeftPaneWidth - ExtraWidth;
    const int highest = RightPaneWidth - MinRightPane;
    return std::clamp(SplitOffset, std::min(lowest, highest), highest);
}

void MainLayout::layOutLeftPane(int split) {
    const int grow = ExtraWidth + split;
    m_.SSTab1.setHeight(7605 + ExtraHeight);
    m_.Picture2.setHeight(6855 + ExtraHeight);
    m_.brwHelp.setHeight(6885 + ExtraHeight);
    m_.TV1.setHeight(6855 + ExtraHeight);
    m_.Label1.setWidth(LeftPaneWidth + grow);
    m_.SSTab1.setWidth(LeftPaneWidth + grow);
    m_.Picture2.setWidth(3195 + grow);
    m_.brwHelp.setWidth(3225 + grow);
    m_.TV1.setWidth(3195 + grow);
    // The bar reaches down the whole height of the panes.
    m_.pMove.move(SplitterLeft + grow, m_.pMove.top(), m_.pMove.width(), 8100 + ExtraHeight);
}

// The right pane keeps its distance from the window's right edge; the split
// the user chose takes width from one pane and gives it to the other.
void MainLayout::layOutRightPane(int split) {
    const int left = RightPaneLeft + ExtraWidth + split;
    const int width = RightPaneWidth - split;
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &m_.Label33, &m_.tabMain, &m_.Label34, &m_.tabClipboard}) {
        c->setLeft(left);
        c->setWidth(width);
    }
    setGridWidth(9975 - split);
}

// The editor's grid: its text columns share a change of width, and the part
// step buttons keep their place at its right edge.
void MainLayout::setGridWidth(int width) {
    platform::Grid& g = m_.editor.grdSubEdit;
    const int change = width - g.width();
    if (change == 0) return;
    g.setWidth(width);
    for (int c = 3; c < 6; ++c)
        g.setColWidth(c, std::max(600, g.colWidth(c) + change / 3));
    const int right = g.left() + width;
    m_.editor.Label74.setLeft(right - navFromRight_[0]);
    m_.editor.Label75.setLeft(right - navFromRight_[1]);
    // The cell editor and its balloon keep to their cell's new width.
    if (p_.hasMain()) p_.edit.GridColResize();
}

// The tab area takes the side area's room while the side area is folded away.
void MainLayout::layOutTabArea() {
    const QString fold = foldButton_ ? foldButton_->caption() : QString();
    if (fold == QLatin1String("+"))
        TabAreaHeight = TabAreaBase;
    else if (fold == QLatin1String("-"))
        TabAreaHeight = Nearest(m_.tabClipboard.height() + TabAreaBase + m_.Label34.height() + 60);
    m_.tabMain.setHeight(ExtraHeight + TabAreaHeight);
    m_.editor.grdSubEdit.setHeight(m_.tabMain.height() - 2430);
    m_.Label34.setTop(5460 + ExtraHeight);
    m_.tabClipboard.setTop(5700 + ExtraHeight);
}

void MainLayout::layOutTable() {
    for (const Entry& e : table_) {
        const int value = e.base + ExtraHeight * e.numerator / 2;
        if (e.height)
            e.control->setHeight(value);
        else
            e.control->setTop(value);
    }
}

// The format panel is wide enough for the longest format name; the first
// panel takes what the others leave, so the three fill the window's width.
void MainLayout::layOutStatusBar() {
    platform::StatusBar& bar = m_.StatusBar1;
    int format = 2400;
    for (const QString& name : p_.shell.FormatName)
        format = std::max(format, bar.textWidth(2, name));
    bar.setPanelWidth(2, format);
    bar.setPanelWidth(3, 4800);
    bar.setPanelWidth(1, std::max(0, m_.width() - format - 4800));
}

void MainLayout::pMoveMouseDown(int, int, int, int) {
    SplitDragging = true;
    SplitStartLeft = m_.pMove.left();
    m_.host().screen.setMousePointer(platform::Screen::PointerSizeAll);
}

// The bar follows the pointer, but no further than leaves both panes their
// narrowest width.
void MainLayout::pMoveMouseMove(int, int, int x, int) {
    if (!SplitDragging) return;
    const int lowest = SplitStartLeft - (m_.Label1.width() - MinLeftPane);
    const int highest = SplitStartLeft + (m_.tabMain.width() - MinRightPane);
    m_.pMove.setLeft(std::clamp(m_.pMove.left() + x, std::min(lowest, SplitStartLeft),
                                std::max(highest, SplitStartLeft)));
}

void MainLayout::pMoveMouseUp(int, int, int, int) {
    if (!SplitDragging) return;
    SplitDragging = false;
    const int d = m_.pMove.left() - SplitStartLeft;
    SplitOffset = AppliedSplit() + d;
    const int split = AppliedSplit();
    layOutLeftPane(split);
    layOutRightPane(split);
    m_.host().screen.setMousePointer(platform::Screen::PointerDefault);
}
