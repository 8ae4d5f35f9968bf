#pragma once
// A test on a real X display: the test runs again in a child process on an X
// server of its own (Xvfb, no window manager), where windows are mapped and
// stacked as a user's screen stacks them.

#include <QStringList>
#include <utility>
#include <vector>

class QWidget;

// False in the child, where the test's body runs; true in the parent, which
// started the server and the child (with these variables set too) and has
// checked that the child passed.
bool runInChildOnOwnDisplay(const std::vector<std::pair<QString, QString>>& environment = {});

// The object names of the program's shown top-level windows that the X
// server maps, from the bottom of the stack to its top.
QStringList StackedWindows();
