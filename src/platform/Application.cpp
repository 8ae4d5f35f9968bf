#include "platform/Application.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace platform {

// Every event loop ends (a modal window's too) and no window is asked to
// close: the program has already done what its end needs, and a window that
// only hides when closed (the progress window) must not keep it running.
void EndApplication() {
    QCoreApplication::exit(0);
}

void EndProcess(int code) {
    std::fflush(nullptr);
    std::_Exit(code);
}

} // namespace platform
