#pragma once
// A test on a real X display: it runs again in a child on an Xvfb of its own, with no window
// manager.

#include <QStringList>
#include <utility>
#include <vector>

// False in the child, where the body runs; true in the parent, once it checked the child passed.
bool runInChildOnOwnDisplay(const std::vector<std::pair<QString, QString>>& environment = {});
// The object names of the program's shown top-level windows, bottom to top.
QStringList StackedWindows();
