#pragma once
// The About window: the program's name and version, its build, the author
// and, with a language pack, the pack's name and author, and the credits,
// one at a time, changing every three seconds and starting again after the
// last. Borderless, dragged by its top strip, shown modally; closing unloads
// it, so the next opening starts with the first credit.

#include "platform/Label.h"
#include "platform/Timer.h"
#include "shell/SmallWindowFrame.h"

#include <QStringList>
#include <array>

class Program;

class frmAbout : public SmallWindowFrame {
public:
    explicit frmAbout(Program& p);

    static constexpr int CreditSlots = 11;

    platform::Label lblCompanyProduct;
    platform::Label lblTitle;
    platform::Label lblBuild;
    platform::Label Label2; // author, language pack and its author
    platform::Label Label7; // " Awards"
    platform::Label Label8; // "Info"
    platform::Label Label6; // the credit shown
    platform::Label Label1; // the warning about illegal subtitles
    platform::Label cmdOk;
    platform::Timer Timer1; // the credits, one every three seconds

    std::array<QString, CreditSlots> Credits;
    int CurrentCredit = 0;

    // The author line and the credit lines (at most eleven are shown).
    static QString AuthorLine();
    static QStringList CreditLines();

    // About from the Help menu: the window modally; reports its action code
    // when it has closed.
    static void MenuAbout(Program& p);

private:
    void layOut();
    void Form_Load();
    void Timer1_Timer();

    Program& p_;
};
