#include "shell/frmHelp.h"

#include "document/MessageWindow.h"
#include "platform/Host.h"
#include "shell/Program.h"
#include "shell/SmallWindowFrame.h"

namespace {
constexpr int WindowWidth = 8400, WindowHeight = 6600;
} // namespace

frmHelp::frmHelp(Program& p)
    : SmallWindowFrame(p, "frmHelp", "Help",
                       "Here you find all the help you need to get the best out of Mirel."),
      Picture1(*this, "Picture1"), brwHelp(Picture1, "brwHelp"), cmdOk(*this, "cmdOk", "Close"),
      p_(p) {
    setCaption(QStringLiteral("Help"));
    layOut();
    onLoad = [this] { Form_Load(); };
    closeWith(cmdOk);
    p.languageTargets.Relabel(*this);
}

void frmHelp::layOut() {
    using F = SmallWindowFrame;
    layOutFrame(WindowWidth, WindowHeight);
    const int bottom = WindowHeight - F::Margin - F::ButtonHeight;
    Picture1.move(F::Margin, F::BodyTop + 60, WindowWidth - 2 * F::Margin,
                  bottom - F::BodyTop - 180);
    Picture1.setBorderStyle(1);
    F::PlaceButton(cmdOk, WindowWidth - F::ButtonWidth - F::Margin, bottom);
}

void frmHelp::Form_Load() {
    brwHelp.navigate(p_.folder.path(runtime::Place::HelpCenterFile));
    FitBrowserToFrame(brwHelp, Picture1);
}

void frmHelp::ShowHelpIndex(Program& p, const QString& address) {
    const QString web = address.trimmed();
    if (web.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
        web.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive)) {
        if (!p.host.desktop.openUrl(web))
            p.messages.ShowMessage(
                p.texts.Say("No web browser could be started for the online help. Open %1 in a "
                            "browser by hand.",
                            MessageWindow::Verbatim(web)),
                KindExclamation, QStringLiteral("ok"), QStringLiteral("Online Help"));
        return;
    }
    frmHelp help(p);
    help.load(); // on the help centre page
    if (!help.brwHelp.navigate(address)) help.Form_Load();
    help.showModal();
}

void FitBrowserToFrame(platform::WebBrowser& browser, const platform::PictureBox& frame) {
    browser.move(-30, -30, frame.width() + 30, frame.height() + 30);
}
