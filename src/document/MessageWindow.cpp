#include "document/MessageWindow.h"

MessageWindow::MessageWindow(Program& p) : p_(p) {}
