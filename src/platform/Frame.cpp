#include "platform/Frame.h"

#include <QGroupBox>

namespace platform {

Frame::Frame(Container& parent, const QString& name, const QString& caption)
    : Control(parent, name, new QGroupBox(caption)) {
    initColors(SysButtonFace, SysButtonText);
    move(0, 0, 2415, 1455);
}

QString Frame::caption() const {
    return static_cast<QGroupBox*>(widget())->title();
}

void Frame::setCaption(const QString& text) {
    static_cast<QGroupBox*>(widget())->setTitle(text);
}

} // namespace platform
