#include "shell/frmSplash.h"

#include "shell/InstantHelp.h"
#include "shell/Program.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <QCoreApplication>

namespace {
constexpr int SplashWidth = 7200, SplashHeight = 3600;
constexpr platform::Color Night = 0x503820; // the strip and the band (BGR)
constexpr platform::Color Paper = 0xFAF6F2; // the surface (BGR)
} // namespace

frmSplash::frmSplash(Program& p)
    : Form(p.host, "frmSplash"), picSurface(*this, "picSurface"), pMove(*this, "pMove"),
      Picture1(*this, "Picture1"), Line1(*this, "Line1"), lblTitle(*this, "lblTitle", "Mirel"),
      Label3(*this, "Label3", "Intro"), lblVersion(*this, "lblVersion", "Version"),
      lblBuild(*this, "lblBuild", "Build:"),
      Label1(*this, "Label1", "Please wait. Loading startup settings..."), Label2(*this, "Label2"),
      Timer2(p.host, "Timer2"), p_(p) {
    Timer2.setEnabled(false);
    Timer2.setInterval(1000);
    layOut();
    wire();
}

void frmSplash::layOut() {
    const platform::Screen& screen = p_.host.screen;
    move((screen.width() - SplashWidth) / 2, (screen.height() - SplashHeight) / 2, SplashWidth,
         SplashHeight);
    picSurface.move(0, 0, SplashWidth, SplashHeight);
    picSurface.setBackColor(Paper);
    picSurface.setBorderStyle(1);
    pMove.move(0, 0, SplashWidth, 300);
    pMove.setBackColor(Night);
    Picture1.move(0, 300, 1440, SplashHeight - 300);
    Picture1.setBackColor(Night);
    lblTitle.move(1800, 600, 5100, 735);
    lblTitle.setFontSize(30);
    lblTitle.setFontBold(true);
    Line1.move(1800, 1395, 5100, 30);
    Line1.setBackColor(Night);
    Label3.move(1800, 1500, 2400, 255);
    Label3.setFontItalic(true);
    lblVersion.move(1800, 1800, 3600, 255);
    lblVersion.setFontBold(true);
    lblBuild.move(5400, 1800, 1500, 255);
    lblBuild.setAlignment(1);
    Label1.move(1800, 2520, 5100, 255);
    Label1.setForeColor(Orange);
    Label2.move(1800, 2880, 5100, 255);
    for (platform::Label* l : {&lblTitle, &Label3, &lblVersion, &lblBuild, &Label1, &Label2})
        l->setBackColor(Paper);
}

void frmSplash::wire() {
    attachDragStrip(pMove);
    onLoad = [this] { Form_Load(); };
    onUnload = [this](int&) {
        Timer2.setEnabled(false);
        ShowHelpPage(p_, 0);
    };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    picSurface.onClick = [this] { ExitfrmSplash(); };
    picSurface.onKeyDown = [this](int&, int) { ExitfrmSplash(); };
}

// The main window's load runs inside this one, so no tick comes before it
// has ended: the countdown starts after it.
void frmSplash::Form_Load() {
    using V = ProgramVersionNumbers;
    p_.host.screen.setMousePointer(platform::Screen::PointerHourglass);
    SplashCountdown = 6;
    lblVersion.setCaption(p_.shell.ProgramVersionName +
                          QStringLiteral(" %1.%2").arg(V::Major).arg(V::Minor));
    lblBuild.setCaption(QStringLiteral("%1%2%3").arg(V::Major).arg(V::Minor).arg(V::Revision));
    Label1.setCaption(QStringLiteral("Please wait. Loading startup settings..."));
    Label1.setForeColor(Orange);
    show();
    picSurface.setFocus();
    // Shown while the main window loads; a key made meanwhile runs after it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    p_.main().load();
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
    if (!isLoaded()) return; // a key closed the splash while the main window loaded
    Timer2.setEnabled(true);
    Label1.setCaption(QStringLiteral("Done"));
    Label1.setForeColor(Green);
}

// A message open over the splash (a start request that failed, a faulty
// language pack) holds the countdown: the main window and the Tip would
// otherwise open over the message while it still blocks them.
void frmSplash::Timer2_Timer() {
    if (p_.host.modal.depth() > 0) return;
    --SplashCountdown;
    const int n = SplashCountdown;
    Label1.setCaption(QStringLiteral("Press a key to continue or wait %1 second%2...")
                          .arg(n)
                          .arg(n >= 2 ? QStringLiteral("s") : QString()));
    if (n <= 0) ExitfrmSplash();
}

void frmSplash::ExitfrmSplash() {
    if (!isLoaded()) return;
    unload();
    p_.main().show();
    frmSettings& settings = p_.settings();
    if (settings.startupShowTips()) {
        if (p_.shell.ShowTipsWindow) p_.shell.ShowTipsWindow();
    } else if (settings.startupShowWizard()) {
        if (p_.shell.ShowWizardWindow) p_.shell.ShowWizardWindow();
    }
}

void frmSplash::ShowProgress(Program& p, const QString& text) {
    if (!p.hasSplash() || !p.splash().isLoaded()) return;
    platform::Label& status = p.splash().Label1;
    status.setCaption(text);
    status.refresh();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
