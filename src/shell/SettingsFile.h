#pragma once
// The settings file \System\Settings\set.sdf and what is read with it at
// start. Its 22 lines, in order: "Check for updates", "Load last file(s)",
// "Update FTP list", "Check for news", "Show tips", "Show Wizard", "Auto
// Help", "Check exists", "Auto set stretch", "Script player on", "Load
// subtitle" (Check7(0..10)); the default frame rate (Combo2's list index, -1
// for none); the sounds (Check5(0..1)); the script (Check6(0..1)); the
// calculator's date and time (Check1(0..1)); "Use language pack" (Check2);
// the language pack's file name, as it stands; "Close Automatic" (Check3)
// and "Save as same format" (Check4). Numbers are in text form (" 1", "-1"),
// the last two in print form (" 1 ").
//
// LoadSettingsFile reads it into the settings window's boxes, which are the
// settings, then fills the recent-file list from \System\recent.sdf and
// starts the online requests the settings ask for. Each step stands alone: a
// missing or short file, or a value a box cannot take, leaves those settings
// as they were, and the next steps still run. The settings window writes it
// when its Ok is pressed, and when a tips, news or wizard window changes a
// start-up tick.

#include <QStringList>

class Program;

class SettingsFile {
public:
    explicit SettingsFile(Program& p) : p_(p) {}

    static constexpr int LineCount = 22;

    // Reads set.sdf (ReadSettingsFile), then starts the online requests.
    void LoadSettingsFile();
    // set.sdf and the recent-file list read; nothing started.
    void ReadSettingsFile();
    // Puts the settings back as set.sdf holds them; nothing else is read or
    // started.
    void RestoreSettings();
    // Writes set.sdf from the settings window's boxes and LanguageFile, a
    // setting another Mirel changed since kept as it wrote it; false
    // when it could not be written (an old file stays whole); with tellUser
    // the user is told why.
    bool WriteSettingsFile(bool tellUser = false);
    // The 22 lines the settings window's boxes give.
    QStringList SettingsLines() const;
    // What WriteSettingsFile writes: those lines merged with the file.
    QStringList MergedLines() const;
    // Sets the boxes, lists and LanguageFile from lines of set.sdf's layout.
    void ApplySettingsLines(const QStringList& lines);
    // Switches the main window's default frame-rate option (0 to 4) on.
    void ApplyFrameRateOption(int index);
    // The start's requests the settings ask for; after the language pack,
    // so that what they show is in its words.
    void StartOnlineRequests();

private:
    void ApplySettings(const QStringList& lines);
    void ApplyFrameRate(int index);
    void ReadRecentFiles();

    Program& p_;
};
