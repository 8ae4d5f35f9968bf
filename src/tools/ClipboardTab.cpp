#include "tools/ClipboardTab.h"

#include "platform/Palette.h"

namespace {
constexpr int ButtonWidth = 975, ButtonHeight = 255, ButtonPitch = 1035;
} // namespace

ClipboardTab::ClipboardTab(Program& p, platform::Container& page)
    : List1(page, "List1"), p_(p), page_(page) {
    List1.move(120, 480, 5055, 1575);
    placeButtons();
}

void ClipboardTab::placeButtons() {
    const char* captions[ActionCount] = {"Copy.To.A", "Copy.To.B", "Accept", "Delete", "Clear"};
    for (int i = 0; i < ActionCount; ++i) {
        platform::Label& b = command4.add(page_, "command4", i, QString::fromLatin1(captions[i]));
        b.move(5280 + (i % 2) * ButtonPitch, 480 + (i / 2) * 300, ButtonWidth, ButtonHeight);
        b.setAlignment(2);
        platform::PaintRestButton(b);
        platform::AttachPressLook(b);
        if (i != CopyA) b.setEnabled(false);
    }
}
