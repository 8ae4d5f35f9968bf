#include "document/BasicTab.h"

#include "platform/Grid.h"
#include "platform/Keys.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"

namespace {
// Rows of the tab, in twips from the top of the tab strip (tab row included).
constexpr int CaptionTop = 480, TimesTop = 780, TextTop = 1110, ButtonsTop = 1470;
constexpr int FieldHeight = 285, ButtonWidth = 975, ButtonHeight = 255;
constexpr int Margin = 120, InnerWidth = 4695;
} // namespace

BasicTab::BasicTab(Program& p, platform::Container& page)
    : Label13(page, "Label13"), rtfLineStart(page, "rtfLineStart"), rtfLineEnd(page, "rtfLineEnd"),
      rtfSubEditBasic(page, "rtfSubEditBasic"), Command10(page, "Command10", "Insert"),
      Command11(page, "Command11", "Delete"), Command14(page, "Command14", "Change"),
      Command47(page, "Command47", "Clip"), p_(p) {
    place();
    wire();
}

void BasicTab::place() {
    Label13.move(Margin, CaptionTop, InnerWidth, ButtonHeight);
    rtfLineStart.move(Margin, TimesTop, 1455, FieldHeight);
    rtfLineEnd.move(Margin + 1560, TimesTop, 1455, FieldHeight);
    rtfSubEditBasic.move(Margin, TextTop, InnerWidth, FieldHeight);
    rtfLineStart.setToolTipText("Start time of the current line");
    rtfLineEnd.setToolTipText("End time of the current line");
    rtfSubEditBasic.setToolTipText("Text of the selected cell; Enter changes the cell");

    const int step = ButtonWidth + 105;
    platform::Label* buttons[] = {&Command10, &Command11, &Command14};
    for (int i = 0; i < 3; ++i)
        buttons[i]->move(Margin + i * step, ButtonsTop, ButtonWidth, ButtonHeight);
    Command47.move(Margin + InnerWidth - ButtonWidth, ButtonsTop, ButtonWidth, ButtonHeight);
    Command10.setToolTipText("Insert a new line before the selected line");
    Command11.setToolTipText("Delete the selected line");
    Command14.setToolTipText("Change the selected cell to the Basic text");
    for (platform::Label* b : {&Command10, &Command11, &Command14, &Command47}) {
        b->setAlignment(2);
        b->setBorderStyle(1);
        b->setEnabled(false); // no line is selected until a document is shown
    }
}

void BasicTab::wire() {
    Command10.onClick = [this] { p_.edit.BasicInsertLine(); };
    Command11.onClick = [this] { p_.edit.BasicDeleteLine(); };
    Command14.onClick = [this] { p_.edit.BasicChangeCell(); };
    rtfSubEditBasic.onChange = [this] { p_.edit.BasicTextChange(); };
    rtfSubEditBasic.onGotFocus = [this] { p_.edit.BasicTextGotFocus(); };
    rtfSubEditBasic.onKeyPress = [this](int& key) { p_.edit.BasicTextKeyPress(key); };
}
