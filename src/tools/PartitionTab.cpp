#include "tools/PartitionTab.h"

#include "shell/Program.h"

PartitionTab::PartitionTab(Program& p, platform::Container& page)
    : Label36(page, "Label36", "Format"), combo3(page, "combo3", platform::ComboBox::DropDownList),
      p_(p), page_(page) {
    Label36.move(120, 960, 1935, 255);
    combo3.move(120, 1200, 1935, 315);
    for (int f = 1; f <= 16; ++f)
        combo3.addItem(p.shell.FormatName[static_cast<std::size_t>(f)]);
}
