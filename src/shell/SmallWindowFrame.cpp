#include "shell/SmallWindowFrame.h"

#include "platform/Palette.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

SmallWindowFrame::SmallWindowFrame(Program& p, const QString& name, const QString& title,
                                   const QString& description)
    : Form(p.host, name), pMove(*this, "pMove"), Label3(*this, "Label3", title),
      Label4(*this, "Label4", description), Line1(*this, "Line1") {
    openOver([&p]() -> const platform::Form* { return p.hasMain() ? &p.main() : nullptr; });
}

void SmallWindowFrame::layOutFrame(int width, int height) {
    makeBorderless(pMove, width, height, StripHeight);
    Label3.move(Margin, 390, width - 2 * Margin, 255);
    Label3.setFontBold(true);
    Label4.move(Margin, 660, width - 2 * Margin, 255);
    Line1.move(Margin, 975, width - 2 * Margin, 15);
    Line1.setBackColor(platform::palette::ButtonRest);
}

void SmallWindowFrame::PlaceButton(platform::Label& button, int left, int top) {
    button.move(left, top, ButtonWidth, ButtonHeight);
    MakeLabelButton(button);
}

void SmallWindowFrame::closeWith(platform::Label& button) {
    button.onClick = [this] { unload(); };
    onEscape = [this] { unload(); };
}

void SmallWindowFrame::hideOnClose() {
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        hide();
    };
}
