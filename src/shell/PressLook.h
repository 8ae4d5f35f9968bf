#pragma once
// The main window's label buttons look pressed while a mouse button is held
// on them: a single border and the button-shadow colour, then back to the
// rest colour without a border when it is released.

class frmMain;

// Gives every label button of the main window that look.
void AttachPressLooks(frmMain& m);
