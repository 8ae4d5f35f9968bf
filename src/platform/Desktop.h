#pragma once
// The desktop's own programs: an http(s) address opens in the user's web
// browser. A test sets `onOpenUrl` to see the address instead.

#include <QString>
#include <functional>

namespace platform {

class Desktop {
public:
    // Hands the address to the desktop's browser; false when nothing took it.
    bool openUrl(const QString& address);
    // Set, it is called instead of the desktop's browser.
    std::function<bool(const QString& address)> onOpenUrl;
};

} // namespace platform
