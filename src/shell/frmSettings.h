#pragma once
// The settings window. It is also the store of the program's settings for the
// whole run: every setting is the state of one of its check boxes or lists,
// which the rest of the program reads through the accessors below. It stays
// loaded and hides on close.
//
// A page tree on the left (TV2) shows one of six pages: Startup, General,
// Script, Audio, Defaults and Language. "Ok" writes \System\Settings\set.sdf
// (whole or not at all); "Cancel", Escape and the window's close put every
// setting back as it was when the window opened. Ticking a start-up option
// clears the options it excludes. The language chosen takes effect at the
// next start.

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/FileList.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/TreeView.h"

#include <QStringList>

class Program;

class frmSettings : public platform::Form {
public:
    explicit frmSettings(Program& p);

    platform::PictureBox pMove; // the drag strip
    platform::Label Label3;     // "Settings"
    platform::Label Label4;     // "Change behavior of Mirel"
    platform::TreeView TV2;     // the page tree

    // The six pages, all at one place; one is visible.
    platform::Frame Startup;
    platform::Frame General;
    platform::Frame Script;
    platform::Frame Audio;
    platform::Frame Defaults;
    platform::Frame Language;
    platform::Frame Frame1; // Defaults: "Calculator"
    platform::Frame Frame3; // Defaults: "File Control"

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

    // The default frame rate: picker, list ("23.97" .. "30") and value shown.
    platform::Label Label37;
    platform::ListBox Combo2;
    platform::Label Label38;
    platform::Label lblFps;

    // The script: the character-set box and its picker list and value.
    platform::ComboBox cmbScript;
    platform::Label Label65;
    platform::ListBox cmbScript1;
    platform::Label Label64;

    // The language: picker, list of packs, the pack shown, and beside the
    // list (never shown) each pack's file name and the folder's files.
    platform::Label Label1;
    platform::ListBox List1;
    platform::Label Label2;
    platform::ListBox List2;
    platform::FileListBox File1;

    // 0 Cancel, 1 Ok.
    enum { Cancel = 0, Ok = 1 };
    platform::ControlArray<platform::Label> Command1;

    // Set when the user touches the language choice; cleared when the
    // settings are saved or put back.
    bool LanguagePackChanged = false;
    // True while stored settings are being put into the boxes: they are set
    // as they were stored, without the exclusions of a user's tick.
    bool RestoringSettings = false;

    // Fills the page tree from SettingsTreeCaptions (again, when it is filled).
    void LoadNodes();
    // "Ok": writes set.sdf from the boxes and applies the default frame rate.
    // False (the user told why, the old file whole) when it cannot be written.
    bool SaveSettings();
    // Lists the language packs of \System\Language that this version reads.
    void ScanLanguageFiles();
    // Shows the page of a tree key: "startup", "system", "general", "script",
    // "audio", "defaults" or "lng"; any other key changes nothing.
    void ShowTab(const QString& key);
    // Shows the window centred over the main window, modally or not.
    void ShowWindow(bool modal);
    // The buttons: Ok saves and hides, Cancel puts the settings back and hides.
    void Command1Click(int index);
    // For the tips, news and wizard windows, whose boxes are start-up
    // settings: ticks or clears Check7(index) as a click does and writes
    // set.sdf at once. False when the file could not be written.
    bool StoreStartupTick(int index, int value);

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
    bool useLanguagePack() const { return Check2.value() == platform::CheckBox::Checked; }
    // The default frame rate's position 0 to 4 in the rate list, -1 when none.
    int defaultFrameRate() const { return Combo2.listIndex(); }
    // The character set of the script in use (0 Western).
    int scriptCharset() const { return scriptCharset_; }
    // The code page of a character set ("windows-1251" for 204), "" for none.
    static QByteArray CodePageOfScript(int charset);
    // Reads the document's 8-bit text anew in the code page of the script in
    // use: a change of script does so as one history step, a load of an 8-bit
    // file right after reading it.
    void ReadTextInScript(bool asHistoryStep);
    // With "Auto select" ticked, a file downloaded in a language written in
    // another script ("Russian") turns the script on and chooses that
    // script. False when it chose none.
    bool AutoSelectScript(const QString& language);

private:
    static bool ticked(const platform::ControlArray<platform::CheckBox>& boxes, int i) {
        return boxes.contains(i) && boxes[i].value() == platform::CheckBox::Checked;
    }
    void createControls();
    void addBoxes(platform::ControlArray<platform::CheckBox>& boxes, platform::Frame& page,
                  const char* name, int first, const QStringList& captions,
                  const QList<int>& initial);
    void setToolTips();
    void layOut();
    void layOutPickers();
    void wireHandlers();
    void formLoad();
    void showPage(platform::Frame& page);
    void StartupExclusions(int index);
    void ScriptEnableClick(int index);
    void UseLanguagePackClick();
    void FrameRatePicked();
    void ScriptPicked();
    void LanguagePicked();
    void ScriptKeyPress(int& key);
    void ApplyScript();
    void ShowScriptNumber(int charset);
    void ResetGridFont(const QString& name);
    void placeOverMainWindow();
    void rememberSettings();
    void restoreSettings();
    void AddLanguagePack(const QString& file);

    Program& p_;
    int scriptCharset_ = 0;
    // Set while a download picks the script of the file it brings: the
    // document open now is not read anew in it.
    bool scriptForNextLoad_ = false;
    QStringList shownWith_; // the settings as the window opened, for Cancel
};
