#pragma once
// Key codes as the program's handlers receive them (the Windows virtual-key
// numbers: 13 Enter, 27 Escape, 65 "A", 112 F1, ...), mapped from Qt keys.

namespace platform {

enum KeyCode {
    KeyBack = 8,
    KeyTab = 9,
    KeyReturn = 13,
    KeyShift = 16,
    KeyControl = 17,
    KeyMenu = 18,
    KeyEscape = 27,
    KeySpace = 32,
    KeyPageUp = 33,
    KeyPageDown = 34,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyInsert = 45,
    KeyDelete = 46,
    KeyF1 = 112,
};

// Virtual-key code of a Qt key (0 when it has none).
int keyCodeFromQt(int qtKey);
// The shift state (1 shift, 2 ctrl, 4 alt) of Qt keyboard modifiers.
int shiftFromQt(int qtModifiers);

} // namespace platform
