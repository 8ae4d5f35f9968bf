#include "shell/SmallWindowFrame.h"

#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Palette.h"

void SmallWindowFrame::LayOut(platform::Form& window, platform::PictureBox& pMove,
                              platform::Label& Label3, platform::Label& Label4,
                              platform::PictureBox& Line1, int width, int height) {
    window.makeBorderless(pMove, width, height, StripHeight);
    Label3.move(Margin, 390, width - 2 * Margin, 255);
    Label3.setFontBold(true);
    Label4.move(Margin, 660, width - 2 * Margin, 255);
    Line1.move(Margin, 975, width - 2 * Margin, 15);
    Line1.setBackColor(platform::palette::ButtonRest);
}

void SmallWindowFrame::PlaceButton(platform::Label& button, int left, int top) {
    button.move(left, top, ButtonWidth, ButtonHeight);
    button.setAlignment(2);
    platform::PaintRestButton(button);
    platform::AttachPressLook(button);
}
