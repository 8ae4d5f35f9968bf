#pragma once
// The main window's place at start: the Left, Top, Width and Height of the
// last run from \System\pos.sdf (twips, one number a line), or the window
// centred on the screen at its minimum size when the file is missing, short,
// holds something that is no number or a size the window cannot take, or
// would put the window off the screen. A window kept from the last run lies
// wholly on the screen.

#include <QRect>

class Program;
class frmMain;

void SetScreenPos(Program& p, frmMain& main);
// A window from the last run, in twips, as it is placed on a screen of that
// size: wholly on the screen, at the screen's size where it is larger, never
// below the smallest window; a screen smaller than the smallest window
// leaves it as it was.
QRect KeptOnScreen(const QRect& window, int screenWidth, int screenHeight);
