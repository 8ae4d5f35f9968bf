#pragma once
// A test on a real X display: it runs again in a child process on an Xvfb of
// its own (no window manager), which maps and stacks windows as a screen does.

#include <QStringList>
#include <utility>
#include <vector>

// False in the child, where the test's body runs; true in the parent, once it
// has checked that the child (with these variables set too) passed.
bool runInChildOnOwnDisplay(const std::vector<std::pair<QString, QString>>& environment = {});
// The object names of the program's shown top-level windows, bottom to top.
QStringList StackedWindows();
