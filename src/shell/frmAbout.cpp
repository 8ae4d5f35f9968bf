#include "shell/frmAbout.h"

#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/SmallWindowFrame.h"
#include "shell/Startup.h"

namespace {
constexpr int WindowWidth = 6600, WindowHeight = 4560;
constexpr int CreditInterval = 3000;
} // namespace

frmAbout::frmAbout(Program& p)
    : SmallWindowFrame(p, "frmAbout", "About", "The information about user and language pack."),
      lblCompanyProduct(*this, "lblCompanyProduct", "Brinlow "), lblTitle(*this, "lblTitle"),
      lblBuild(*this, "lblBuild", "Build:"), Label2(*this, "Label2"),
      Label7(*this, "Label7", " Awards"), Label8(*this, "Label8", "Info"), Label6(*this, "Label6"),
      Label1(*this, "Label1",
             "Do not use this program to make illegal subtitles. I am not responsible for any "
             "illegal action you take."),
      cmdOk(*this, "cmdOk", "Close"), Timer1(p.host, "Timer1"), p_(p) {
    setCaption(QStringLiteral("About"));
    layOut();
    Timer1.setEnabled(false);
    Timer1.setInterval(CreditInterval);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    onLoad = [this] { Form_Load(); };
    onUnload = [this](int&) { Timer1.setEnabled(false); };
    closeWith(cmdOk);
    p.languageTargets.Relabel(*this);
}

void frmAbout::layOut() {
    using F = SmallWindowFrame;
    layOutFrame(WindowWidth, WindowHeight);
    const int inner = WindowWidth - 2 * F::Margin;
    lblCompanyProduct.move(F::Margin, F::BodyTop + 60, 1200, 255);
    lblTitle.move(F::Margin + 1200, F::BodyTop + 60, inner - 2700, 255);
    lblTitle.setFontBold(true);
    lblBuild.move(WindowWidth - F::Margin - 1500, F::BodyTop + 60, 1500, 255);
    lblBuild.setAlignment(1);
    Label2.move(F::Margin, F::BodyTop + 390, inner, 735);
    Label2.setWordWrap(true);
    Label8.move(F::Margin, F::BodyTop + 1200, 1200, 255);
    Label8.setFontBold(true);
    Label7.move(F::Margin + 1200, F::BodyTop + 1200, inner - 1200, 255);
    Label6.move(F::Margin, F::BodyTop + 1500, inner, 255);
    Label6.setFontItalic(true);
    Label1.move(F::Margin, F::BodyTop + 1860, inner, 735);
    Label1.setWordWrap(true);
    F::PlaceButton(cmdOk, WindowWidth - F::ButtonWidth - F::Margin,
                   WindowHeight - F::Margin - F::ButtonHeight);
}

QString frmAbout::AuthorLine() {
    return QStringLiteral("the Mirel team");
}

QStringList frmAbout::CreditLines() {
    return {QStringLiteral("Thanks to everyone who sent in subtitle files."),
            QStringLiteral("Thanks to the translators of the language packs."),
            QStringLiteral("Thanks to the testers of every build."),
            QStringLiteral("Thanks to the writers of the macro wizards."),
            QStringLiteral("Thanks to you for using Mirel.")};
}

void frmAbout::Form_Load() {
    using V = ProgramVersionNumbers;
    const TextTables& t = p_.texts;
    lblTitle.setCaption(p_.shell.ProgramVersionName +
                        QStringLiteral(" %1.%2").arg(V::Major).arg(V::Minor));
    lblBuild.setCaption(t.TextTable(8, 4) +
                        QStringLiteral(" %1%2%3").arg(V::Major).arg(V::Minor).arg(V::Revision));
    QString people = t.TextTable(8, 3) + QLatin1Char(' ') + AuthorLine();
    if (!p_.shell.LanguageName.isEmpty())
        people += runtime::CrLf + t.TextTable(8, 1) + QLatin1Char(' ') + p_.shell.LanguageName +
                  runtime::CrLf + t.TextTable(8, 2) + QLatin1Char(' ') + p_.shell.LanguageAuthor;
    Label2.setCaption(people);
    const QStringList lines = CreditLines();
    for (int i = 0; i < CreditSlots; ++i)
        Credits[static_cast<std::size_t>(i)] = lines.value(i);
    CurrentCredit = 0;
    Label6.setCaption(Credits[0]);
    Timer1.setEnabled(true);
}

// The next filled slot, or the first again.
void frmAbout::Timer1_Timer() {
    const int next = CurrentCredit + 1;
    CurrentCredit =
        (next < CreditSlots && !Credits[static_cast<std::size_t>(next)].isEmpty()) ? next : 0;
    Label6.setCaption(Credits[static_cast<std::size_t>(CurrentCredit)]);
}

void frmAbout::MenuAbout(Program& p) {
    {
        frmAbout about(p);
        about.showModal();
    }
    p.macro.SetMacroAction(QString(), 110);
}
