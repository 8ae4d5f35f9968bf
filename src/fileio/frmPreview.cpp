#include "fileio/frmPreview.h"

#include "platform/Palette.h"

#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {
constexpr int WindowWidth = 7200, WindowHeight = 5940;
constexpr int CaptionWidth = 900;
} // namespace

frmPreview::frmPreview(Program& p)
    : Form(p.host, "frmPreview"), pMove(*this, "pMove"), Label3(*this, "Label3", "Preview"),
      Label4(*this, "Label4", "Shows a preview of the current file"), Line1(*this, "Line1"),
      Label1(*this, "Label1", "Information"), List1(*this, "List1"),
      Command1(*this, "Command1", "Close") {
    const char* captions[] = {"File", "Format", "Lines"};
    for (int i = 0; i < 3; ++i) {
        Label5.add(*this, "Label5", i, QString::fromLatin1(captions[i]));
        lblData.add(*this, "lblData", i);
    }
    setCaption("Preview");
    layOut();
    attachDragStrip(pMove);
    Command1.onClick = [this] { Command1Click(); };
    platform::AttachPressLook(Command1);
    openOver([&p]() -> const platform::Form* { return p.hasMain() ? &p.main() : nullptr; });
    // Closing keeps the window and what it shows; it only goes out of sight.
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        hide();
    };
}

void frmPreview::layOut() {
    move(0, 0, WindowWidth, WindowHeight);
    pMove.move(0, 0, WindowWidth, 300);
    pMove.setBackColor(platform::palette::ButtonRest);
    Label3.move(120, 390, 4000, 255);
    Label3.setFontBold(true);
    Label4.move(120, 660, WindowWidth - 240, 255);
    Line1.move(120, 975, WindowWidth - 240, 15);
    Line1.setBackColor(platform::palette::ButtonRest);
    Label1.move(120, 1050, 3000, 255);
    Label1.setFontBold(true);
    for (int i = 0; i < 3; ++i) {
        const int top = 1320 + i * 270;
        Label5[i].move(120, top, CaptionWidth, 255);
        lblData[i].move(120 + CaptionWidth, top, WindowWidth - 360 - CaptionWidth, 255);
    }
    List1.move(120, 2160, WindowWidth - 240, 3240);
    List1.setFontName(QStringLiteral("Monospace"));
    Command1.move(WindowWidth - 1095, 5550, 975, 255);
    Command1.setAlignment(2);
    platform::PaintRestButton(Command1);
}

void frmPreview::Command1Click() {
    hide();
}
