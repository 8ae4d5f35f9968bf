#include "shell/frmSettings.h"

#include "shell/Program.h"

frmSettings::frmSettings(Program& p)
    : Form(p.host, "frmSettings"), pMove(*this, "pMove"),
      Check2(*this, "Check2", "Use language pack"), Check3(*this, "Check3", "Close Automatic"),
      Check4(*this, "Check4", "Save as same format"),
      Combo2(*this, "Combo2", platform::ComboBox::DropDownList), p_(p) {
    move(0, 0, 8400, 5400);
    pMove.move(0, 0, 8400, 360);
    attachDragStrip(pMove);
    addBoxes(Check7, "Check7",
             {"Check for updates", "Load last file(s)", "Update FTP list", "Check for news",
              "Show tips", "Show Wizard", "Auto Help", "Check exists", "Auto set stretch",
              "Script player on", "Load subtitle"},
             {1, 0, 0, 0, 1, 1, 0, 1, 0, 0, 1}, 120, 480);
    addBoxes(Check5, "Check5", {"File Download", "Incoming Data"}, {1, 1}, 4200, 480);
    addBoxes(Check6, "Check6", {"Enable script", "Auto select"}, {0, 0}, 4200, 1200);
    addBoxes(Check1, "Check1", {"Enable Date", "Enable Time"}, {0, 0}, 4200, 1920);
    Check2.move(4200, 2640, 3000, 255);
    Check3.move(4200, 3000, 3000, 255);
    Check4.move(4200, 3360, 3000, 255);
    Check4.setToolTipText("Save file as same loaded format");
    Combo2.move(4200, 3840, 1455, 315);
    for (const char* rate : {"23.97", "24", "25", "29.97", "30"})
        Combo2.addItem(QString::fromLatin1(rate));
    // The settings window hides instead of closing; its boxes are the settings.
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        hide();
    };
}

void frmSettings::addBoxes(platform::ControlArray<platform::CheckBox>& boxes, const char* name,
                           const QStringList& captions, const QList<int>& initial, int left,
                           int top) {
    for (int i = 0; i < captions.size(); ++i) {
        platform::CheckBox& box = boxes.add(*this, QString::fromLatin1(name), i, captions[i]);
        box.move(left, top + i * 330, 3600, 255);
        box.setValue(initial[i]);
    }
}
