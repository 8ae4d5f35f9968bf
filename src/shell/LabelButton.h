#pragma once
// A label used as a button: centred caption, the rest colours, and the
// pressed look while a mouse button is held on it. The windows and tab pages
// give every label button this one look.

#include <QString>

namespace platform {
class Label;
} // namespace platform

void MakeLabelButton(platform::Label& button);
// The same with a tool tip.
void MakeLabelButton(platform::Label& button, const QString& toolTip);
