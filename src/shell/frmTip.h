#pragma once
// The tip window: a tip of the day, picked at random from the language's
// tip file (one tip a line), "Next Tip" for another random one, and the box
// that opens the window at start. Borderless, dragged by its top strip,
// shown modally over the main window; closing unloads it, so the next
// opening reads the file afresh.

#include "platform/CheckBox.h"
#include "platform/Label.h"
#include "shell/SmallWindowFrame.h"

#include <QStringList>
#include <random>

class Program;

class frmTip : public SmallWindowFrame {
public:
    explicit frmTip(Program& p);

    platform::Label Label1; // "Did you know..."
    platform::Label Label2; // "Information"
    platform::Label lblTipText;
    platform::Label cmdNextTip;
    platform::CheckBox chkLoadTipsAtStartup;
    platform::Label cmdOk;

    QStringList Tips; // tip n is Tips[n - 1]
    int CurrentTip = 0;

    // Reads a tip file into Tips and shows one at random; false when the
    // name is empty or there is no such file.
    bool LoadTips(const QString& fileName);
    // Shows tip CurrentTip; with no tips nothing changes.
    void DisplayCurrentTip();
    // Shows the start-up setting in the box without changing the setting.
    void ShowStartupSetting(bool ticked);

    // Tip from the Help menu: the window modally, the box showing the
    // setting; reports its action code when it has closed.
    static void MenuShowTips(Program& p);
    // Tip at start (after the splash): the window modally, reporting nothing.
    static void ShowAtStart(Program& p);

private:
    void layOut();
    void Form_Load();
    void ShowRandomTip();
    void chkLoadTipsAtStartupClick();

    Program& p_;
    std::mt19937 random_;
    bool quiet_ = false; // the box is set by the window itself
};
