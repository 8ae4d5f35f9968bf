#include "shell/Picker.h"

#include "platform/Label.h"

namespace {
const QString Open = QStringLiteral(">>");
const QString Close = QStringLiteral("<<");
} // namespace

void TogglePicker(platform::Label& label, platform::Control& list) {
    if (label.caption() == Open) {
        list.setVisible(true);
        list.zOrder(0);
        label.setCaption(Close);
    } else if (label.caption() == Close) {
        list.setVisible(false);
        label.setCaption(Open);
    }
}

void ClosePicker(platform::Label& label, platform::Control& list) {
    list.setVisible(false);
    label.setCaption(Open);
}
