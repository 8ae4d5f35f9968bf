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

private:
    void addBoxes(platform::ControlArray<platform::CheckBox>& boxes, const char* name,
                  const QStringList& captions, const QList<int>& initial, int left, int top);
    Program& p_;
};
