#include "shell/LabelButton.h"

#include "platform/Label.h"
#include "platform/Palette.h"

void MakeLabelButton(platform::Label& button) {
    button.setAlignment(2);
    platform::PaintRestButton(button);
    platform::AttachPressLook(button);
}

void MakeLabelButton(platform::Label& button, const QString& toolTip) {
    button.setToolTipText(toolTip);
    MakeLabelButton(button);
}
