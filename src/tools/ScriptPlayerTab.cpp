#include "tools/ScriptPlayerTab.h"

#include "shell/Program.h"

ScriptPlayerTab::ScriptPlayerTab(Program& p, platform::Container& page)
    : Label24(page, "Label24", "00:00:00,00"), lblSubRowCount(page, "lblSubRowCount"), p_(p) {
    for (int i = 0; i < 3; ++i) {
        platform::Label& l = Label23.add(page, "Label23", i);
        l.move(1320, 480 + i * 420, 8775, 375);
        l.setAlignment(2);
        l.setFontSize(12);
    }
    Label24.move(120, 480, 1095, 255);
    lblSubRowCount.move(120, 840, 1095, 255);
}
