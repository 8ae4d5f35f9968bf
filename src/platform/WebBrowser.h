#pragma once
// A browser pane that shows local HTML pages (help pages, news).

#include "platform/Control.h"

namespace platform {

class WebBrowser : public Control {
public:
    WebBrowser(Container& parent, const QString& name);
    // Shows a local file (a path or a file: URL); false when it cannot be read.
    bool navigate(const QString& pathOrUrl);
    QString locationURL() const { return location_; }
    QString documentText() const; // the page as plain text

private:
    QString location_;
};

} // namespace platform
