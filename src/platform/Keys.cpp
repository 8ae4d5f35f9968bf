#include "platform/Keys.h"

#include <Qt>

namespace platform {

int keyCodeFromQt(int k) {
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return '0' + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return KeyF1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace:
        return KeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyReturn;
    case Qt::Key_Shift:
        return KeyShift;
    case Qt::Key_Control:
        return KeyControl;
    case Qt::Key_Alt:
        return KeyMenu;
    case Qt::Key_Escape:
        return KeyEscape;
    case Qt::Key_Space:
        return KeySpace;
    case Qt::Key_PageUp:
        return KeyPageUp;
    case Qt::Key_PageDown:
        return KeyPageDown;
    case Qt::Key_End:
        return KeyEnd;
    case Qt::Key_Home:
        return KeyHome;
    case Qt::Key_Left:
        return KeyLeft;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Right:
        return KeyRight;
    case Qt::Key_Down:
        return KeyDown;
    case Qt::Key_Insert:
        return KeyInsert;
    case Qt::Key_Delete:
        return KeyDelete;
    default:
        return 0;
    }
}

int shiftFromQt(int m) {
    int r = 0;
    if (m & Qt::ShiftModifier) r |= 1;
    if (m & Qt::ControlModifier) r |= 2;
    if (m & Qt::AltModifier) r |= 4;
    return r;
}

} // namespace platform
