#include "platform/Desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool Desktop::openUrl(const QString& address) {
    if (onOpenUrl) return onOpenUrl(address);
    return QDesktopServices::openUrl(QUrl(address));
}

} // namespace platform
