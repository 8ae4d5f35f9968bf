#include "platform/WebBrowser.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace platform {

WebBrowser::WebBrowser(Container& parent, const QString& name)
    : Control(parent, name, new QTextBrowser) {
    initColors(SysWindowBackground, SysWindowText);
    static_cast<QTextBrowser*>(widget())->setOpenLinks(true);
    move(0, 0, 3225, 4800);
}

bool WebBrowser::navigate(const QString& pathOrUrl) {
    const QUrl url = pathOrUrl.startsWith(QLatin1String("file:")) ? QUrl(pathOrUrl)
                                                                  : QUrl::fromLocalFile(pathOrUrl);
    location_ = pathOrUrl;
    if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile()) {
        static_cast<QTextBrowser*>(widget())->clear();
        return false;
    }
    static_cast<QTextBrowser*>(widget())->setSource(url);
    return true;
}

QString WebBrowser::documentText() const {
    return static_cast<QTextBrowser*>(widget())->toPlainText();
}

} // namespace platform
