#include "platform/Palette.h"

namespace platform {

void SetPressLook(Control& button, bool pressed) {
    button.setBorderStyle(pressed ? 1 : 0);
    button.setBackColor(pressed ? palette::ButtonPressed : palette::ButtonRest);
}

void AttachPressLook(Control& button) {
    MouseHandler down = std::move(button.onMouseDown);
    MouseHandler up = std::move(button.onMouseUp);
    button.onMouseDown = [&button, down](int b, int s, int x, int y) {
        SetPressLook(button, true);
        if (down) down(b, s, x, y);
    };
    button.onMouseUp = [&button, up](int b, int s, int x, int y) {
        SetPressLook(button, false);
        if (up) up(b, s, x, y);
    };
}

void PaintRestButton(Control& button) {
    button.setForeColor(ColorWhite);
    button.setBackColor(palette::ButtonRest);
}

} // namespace platform
