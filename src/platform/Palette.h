#pragma once
// Mirel's colours, named once: the label buttons at rest and pressed, the
// part marks of the subtitle grid, the diagnose balloon. Every window takes
// its colours from here. Colours are BGR numbers (0x00BBGGRR) as the control
// layer stores them.

#include "platform/Control.h"

namespace platform {

namespace palette {
// A label used as a button, at rest (red 113, green 111, blue 100), and the
// strips and captions drawn in the same grey.
constexpr Color ButtonRest = 0x00646F71;
// The same button while a mouse button is held on it.
constexpr Color ButtonPressed = SysButtonShadow;
// The grid cell that starts a part (its start time) and the one that ends it.
constexpr Color PartStartGreen = 0x0000FF00;
constexpr Color PartEndRed = 0x000000FF;
// The balloon that explains the current line's diagnose message.
constexpr Color BalloonYellow = 0x00E1FFFF;
// Diagnose marks a grid cell whose error it repaired with the window
// background, and a cell whose error it found and left alone in orange (red
// 255, green 128, blue 0).
constexpr Color DiagnoseRepaired = SysWindowBackground;
constexpr Color DiagnoseNotRepaired = 0x000080FF;
// A button whose action a macro waits for (orange).
constexpr Color TriggerArmed = 0x000080FF;
// A cell of the download list that holds the searched text.
constexpr Color SearchHit = 0x0000FF00;
} // namespace palette

// The press look of a label (or picture) used as a button: pressed while a
// mouse button is held on it, at rest otherwise.
void SetPressLook(Control& button, bool pressed);
// Gives a control the press look on mouse down and up; handlers already set
// on it still run after the look changes.
void AttachPressLook(Control& button);
// A label button at rest: the rest colour and white text.
void PaintRestButton(Control& button);

} // namespace platform
