#pragma once
// The settings window. It is also the store of the program's settings for the
// whole run: every setting is the state of one of its check boxes or lists,
// which the rest of the program reads directly. It stays loaded and hides on
// close.

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include "platform/Label.h"

class Program;

class frmSettings : public platform::Form {
public:
    explicit frmSettings(Program& p);

    platform::PictureBox pMove;
    // Startup 0..5 and General 6..10: check updates, load last files, update
    // FTP list, check news, show tips, show wizard, auto help, check exists,
    // auto set stretch, script player on, load subtitle with a movie.
    platform::ControlArray<platform::CheckBox> Check7;
    platform::ControlArray<platform::CheckBox> Check5; // sounds: download, incoming data
    platform::ControlArray<platform::CheckBox> Check6; // script: enable, auto select
    platform::ControlArray<platform::CheckBox> Check1; // calculator: enable date, enable time
    platform::CheckBox Check2;                         // use language pack
    platform::CheckBox Check3;                         // close automatic
    platform::CheckBox Check4;                         // save as same format
    platform::ComboBox Combo2;                         // default frame rate

    // The settings by name; the boxes above stay their storage.
    bool startupCheckUpdates() const { return ticked(Check7, 0); }
    bool startupLoadLastFiles() const { return ticked(Check7, 1); }
    bool startupUpdateFtpList() const { return ticked(Check7, 2); }
    bool startupCheckNews() const { return ticked(Check7, 3); }
    bool startupShowTips() const { return ticked(Check7, 4); }
    bool startupShowWizard() const { return ticked(Check7, 5); }
    bool autoHelp() const { return ticked(Check7, 6); }
    bool checkExists() const { return ticked(Check7, 7); }
    bool autoSetStretch() const { return ticked(Check7, 8); }
    bool scriptPlayerOn() const { return ticked(Check7, 9); }
    bool loadCompanionSubtitle() const { return ticked(Check7, 10); }
    bool soundOnDownload() const { return ticked(Check5, 0); }
    bool soundOnIncomingData() const { return ticked(Check5, 1); }
    bool scriptEnable() const { return ticked(Check6, 0); }
    bool scriptAutoSelect() const { return ticked(Check6, 1); }
    bool closeAutomatic() const { return Check3.value() == platform::CheckBox::Checked; }
    bool saveAsSameFormat() const { return Check4.value() == platform::CheckBox::Checked; }
    // The default frame rate's position 0 to 4 in the rate list, -1 when none.
    int defaultFrameRate() const { return Combo2.listIndex(); }

private:
    static bool ticked(const platform::ControlArray<platform::CheckBox>& boxes, int i) {
        return boxes.contains(i) && boxes[i].value() == platform::CheckBox::Checked;
    }
    void addBoxes(platform::ControlArray<platform::CheckBox>& boxes, const char* name,
                  const QStringList& captions, const QList<int>& initial, int left, int top);
    Program& p_;
};
