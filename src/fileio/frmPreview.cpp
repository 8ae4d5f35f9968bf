#include "fileio/frmPreview.h"

#include "shell/Program.h"

namespace {
constexpr int WindowWidth = 7200, WindowHeight = 5940;
constexpr int CaptionWidth = 900;
} // namespace

frmPreview::frmPreview(Program& p)
    : SmallWindowFrame(p, "frmPreview", "Preview", "Shows a preview of the current file"),
      Label1(*this, "Label1", "Information"), List1(*this, "List1"),
      Command1(*this, "Command1", "Close") {
    const char* captions[] = {"File", "Format", "Lines"};
    for (int i = 0; i < 3; ++i) {
        Label5.add(*this, "Label5", i, QString::fromLatin1(captions[i]));
        lblData.add(*this, "lblData", i);
    }
    setCaption("Preview");
    layOut();
    Command1.onClick = [this] { Command1Click(); };
    hideOnClose();
    onEscape = [this] { Command1Click(); };
}

void frmPreview::layOut() {
    layOutFrame(WindowWidth, WindowHeight);
    Label1.move(120, 1050, 3000, 255);
    Label1.setFontBold(true);
    for (int i = 0; i < 3; ++i) {
        const int top = 1320 + i * 270;
        Label5[i].move(120, top, CaptionWidth, 255);
        lblData[i].move(120 + CaptionWidth, top, WindowWidth - 360 - CaptionWidth, 255);
    }
    List1.move(120, 2160, WindowWidth - 240, 3240);
    List1.setFontName(QStringLiteral("Monospace"));
    PlaceButton(Command1, WindowWidth - ButtonWidth - Margin, 5550);
}

void frmPreview::Command1Click() {
    hide();
}
