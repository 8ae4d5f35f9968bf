#include "document/EditorTab.h"

#include "document/TimeCode.h"

#include "platform/Palette.h"

#include "shell/Program.h"

namespace {
// The grid's place on the tab, in twips.
constexpr int GridLeft = 120, GridTop = 2340, GridWidth = 9975;
// The part buttons sit on the grid's header row.
constexpr int PartButtonSize = 255;
constexpr int NavButtonWidth = 405;
// Room kept on the right for the grid's vertical scroll bar.
constexpr int ScrollBarRoom = 255;
// The diagnose balloon: a pale yellow note with a thin border.
constexpr int BalloonWidth = 3255, BalloonHeight = 525;
} // namespace

EditorTab::EditorTab(Program& p, platform::Container& page)
    : SSTab2(page, "SSTab2", {"Basic", "Search/Replace", "Filters", "Font"}),
      SSTab3(page, "SSTab3", {"Shift", "Stretch", "Time", "Frame rate"}),
      grdSubEdit(page, "grdSubEdit", 2, GridCols), Label74(page, "Label74", "{<}"),
      Label75(page, "Label75", "{>}"), basic(p, SSTab2.page(0)), font(p, SSTab2.page(3)),
      rtfStretchFirst(SSTab3.page(1), "rtfStretchFirst"),
      rtfStretchLast(SSTab3.page(1), "rtfStretchLast"), rtfEdit(page, "rtfEdit"),
      errExp(page, "errExp"), lblErrExp(errExp, "lblErrExp"), cmdInvCalc(page, "cmdInvCalc", "="),
      p_(p) {
    SSTab2.move(120, 420, 4935, 1860);
    SSTab3.move(5160, 420, 4935, 1860);
    placeGrid();
    placePartButtons(page);
    placeRangeFields();
    placeOverlays();
    wireEditArea(); // last: grid events reach the edit area only once the tab stands
}

void EditorTab::placeRangeFields() {
    for (int i = 0; i < 4; ++i) {
        platform::TextBox& t = Text1.add(SSTab3.page(i / 2), "Text1", i);
        t.move(120 + (i % 2) * 1080, 480, 975, 315);
        t.setText(QString());
    }
    rtfStretchFirst.move(120, 900, 1455, 315);
    rtfStretchLast.move(1680, 900, 1455, 315);
}

void EditorTab::placeGrid() {
    // The grid keeps 2430 twips above it for the tool rows and the tab row.
    grdSubEdit.move(GridLeft, GridTop, GridWidth, 5055 - 2430);
    grdSubEdit.setFixedRows(1);
    grdSubEdit.setFixedCols(1);
    const int widths[GridCols] = {600, 1320, 1320, 2160, 2160, 2160};
    const char* captions[GridCols] = {"#", "Start", "End", "Text #1", "Text #2", "Text #3"};
    for (int c = 0; c < GridCols; ++c) {
        grdSubEdit.setColWidth(c, widths[c]);
        grdSubEdit.setTextMatrix(0, c, QString::fromLatin1(captions[c]));
    }
}

void EditorTab::placePartButtons(platform::Container& page) {
    platform::Label& node = btnNode.add(page, "btnNode", 0, "{}");
    node.setToolTipText("Create or remove a node");
    node.move(GridLeft, GridTop, PartButtonSize, PartButtonSize);
    btnNode.onClick([this](int) { p_.doc.NodeToggle(); });

    const int navRight = GridLeft + GridWidth - ScrollBarRoom;
    Label74.setToolTipText("Previous node");
    Label74.move(navRight - 2 * NavButtonWidth, GridTop, NavButtonWidth, PartButtonSize);
    Label74.onClick = [this] { p_.doc.PreviousNode(); };
    Label75.setToolTipText("Next node");
    Label75.move(navRight - NavButtonWidth, GridTop, NavButtonWidth, PartButtonSize);
    Label75.onClick = [this] { p_.doc.NextNode(); };

    for (platform::Label* l : {&node, &Label74, &Label75}) {
        l->setAlignment(2);
        l->setBorderStyle(1);
        l->setBackColor(platform::SysButtonFace); // opaque over the header it sits on
        l->zOrder(0);
    }
}

// The overlays start hidden; ShowCurrentLine places and shows them.
void EditorTab::placeOverlays() {
    rtfEdit.move(GridLeft, GridTop, 1200, 240);
    errExp.move(GridLeft, GridTop, BalloonWidth, BalloonHeight);
    errExp.setBackColor(platform::palette::BalloonYellow);
    errExp.setBorderStyle(1);
    lblErrExp.move(60, 30, BalloonWidth - 120, BalloonHeight - 60);
    lblErrExp.setBackColor(platform::palette::BalloonYellow);
    lblErrExp.setWordWrap(true);
    cmdInvCalc.move(GridLeft, GridTop, PartButtonSize, 240);
    cmdInvCalc.setToolTipText("Calculator");
    cmdInvCalc.setAlignment(2);
    cmdInvCalc.setBorderStyle(1);
    cmdInvCalc.setBackColor(platform::SysButtonFace);
    for (platform::Control* c :
         {static_cast<platform::Control*>(&rtfEdit), static_cast<platform::Control*>(&errExp),
          static_cast<platform::Control*>(&cmdInvCalc)}) {
        c->setVisible(false);
        c->zOrder(0);
    }
}

void EditorTab::AddCalcButton(platform::Container& page, int index,
                              const platform::Label& caption) {
    constexpr int Width = 300;
    platform::Label& b = cmdInvokeCalc.add(page, QStringLiteral("cmdInvokeCalc"), index);
    b.setCaption(QStringLiteral("="));
    b.move(caption.left() + caption.width() - Width, caption.top(), Width, caption.height());
    b.setToolTipText(QStringLiteral("Invoke calculator and return"));
    b.setAlignment(2);
    b.setBorderStyle(1);
    b.setBackColor(platform::SysButtonFace);
    b.onClick = [this, index] { p_.calc.InvokeCalcFromField(index); };
}

void EditorTab::wireEditArea() {
    grdSubEdit.onRowColChange = [this] { p_.edit.ShowCurrentLine(); };
    // A time before zero shows as "-00:00:01,000", not in the form it is held in.
    grdSubEdit.shownText = [](int col, const QString& text) {
        return col == 1 || col == 2 ? ShownTime(text) : text;
    };
    grdSubEdit.onClick = [this] { p_.edit.EditorCellSelect(); };
    grdSubEdit.onKeyPress = [this](int& key) { p_.edit.GridKeyPress(key); };
    grdSubEdit.onScroll = [this] { p_.edit.GridScroll(); };
    grdSubEdit.onColResize = [this] { p_.edit.GridColResize(); };
    // The overlays lie over the grid: the wheel over them scrolls the lines.
    for (platform::Control* overlay :
         std::initializer_list<platform::Control*>{&rtfEdit, &errExp, &cmdInvCalc, &btnNode[0]})
        grdSubEdit.passWheelFrom(*overlay);
    rtfEdit.onChange = [this] { p_.edit.EditChange(); };
    rtfEdit.onKeyPress = [this](int& key) { p_.edit.EditKeyPress(key); };
    cmdInvCalc.onClick = [this] { p_.calc.InvokeCalcFromBasic(); };
}
