#pragma once
// The picker rule of the main window's tabs: a label showing ">>" opens its
// hidden list and turns to "<<"; a label showing "<<" hides the list and
// turns to ">>"; any other caption does nothing. An opened list is drawn
// above every other control of its page, so each of its items can be clicked.

namespace platform {
class Control;
class Label;
} // namespace platform

void TogglePicker(platform::Label& label, platform::Control& list);
// A picker as the window starts: the label shows ">>" and its list is hidden.
void ClosePicker(platform::Label& label, platform::Control& list);
