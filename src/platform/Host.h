#pragma once
// The services every window and control shares: modal showing, the screen,
// the clipboard and the desktop's browser. One Host belongs to one Program,
// so two programs can live side by side in a test.

#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/ModalService.h"
#include "platform/Screen.h"

namespace platform {

class Host {
public:
    Host() = default;
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    ModalService modal;
    Screen screen;
    Clipboard clipboard;
    Desktop desktop;
};

} // namespace platform
