// The media branch of LoadSubFile: a video or sound file goes to the player,
// and a video's companion subtitle file (when the settings ask for it) is
// loaded in its place.

#include "document/Loader.h"
#include "document/LoaderCall.h"
#include "document/TimeCode.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QTime>

namespace {

using runtime::CrLf;

// The subtitle extensions a companion file may have, in the chooser's order.
const QStringList SubtitlePatterns = {
    QStringLiteral("*.sub"),  QStringLiteral("*.jss"), QStringLiteral("*.pjs"),
    QStringLiteral("*.psb"),  QStringLiteral("*.rt"),  QStringLiteral("*.smi"),
    QStringLiteral("*.sami"), QStringLiteral("*.srt"), QStringLiteral("*.ssa"),
    QStringLiteral("*.txt"),  QStringLiteral("*.tts"), QStringLiteral("*.vsf"),
    QStringLiteral("*.zeg")};

// ".avi", ".webm": from the last dot, in lower case.
QString Extension(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot).toLower();
}

} // namespace

bool Loader::IsMediaFile(const QString& fileName) {
    static const QStringList media = {
        QStringLiteral(".avi"), QStringLiteral(".mp3"),  QStringLiteral(".wav"),
        QStringLiteral(".mpg"), QStringLiteral(".wmv"),  QStringLiteral(".mp4"),
        QStringLiteral(".mkv"), QStringLiteral(".webm"), QStringLiteral(".mov")};
    return media.contains(Extension(fileName));
}

// Among the folder's subtitle files in name order, the first whose name is
// the video's name (without its four-character extension, in any case) and
// a three-letter extension.
QString Loader::FindCompanionSubtitle(const QString& mediaPath) {
    const qsizetype slash = mediaPath.lastIndexOf(QLatin1Char('/'));
    const QString folder = mediaPath.left(std::max<qsizetype>(slash, 0));
    const QString name = mediaPath.mid(slash + 1);
    const QString base = name.left(name.size() - 4).toLower();
    const QDir dir(folder.isEmpty() ? QStringLiteral("/") : folder);
    const QStringList files =
        dir.entryList(SubtitlePatterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        if (file.size() != base.size() + 4 || !file.toLower().contains(base)) continue;
        return folder.endsWith(QLatin1Char('/')) ? folder + file : folder + QLatin1Char('/') + file;
    }
    return {};
}

Loader::MediaStep Loader::OpenMedia(Call& c) {
    if (!IsMediaFile(c.fileName)) return MediaStep::NotMedia;
    if (c.showProgress) {
        const QLocale locale = QLocale::system();
        frmControl& control = p_.control();
        control.Text1.setText(p_.texts.TextTable(9, 0) + CrLf + p_.texts.TextTable(9, 1) +
                              locale.toString(QDate::currentDate(), QLocale::ShortFormat) +
                              QStringLiteral(", ") +
                              locale.toString(QTime::currentTime(), QLocale::ShortFormat) + CrLf +
                              p_.texts.TextTable(9, 2));
        control.Text1.refresh();
    }
    p_.main().tabMain.setTab(frmMain::TabPlayer);
    p_.players.OpenMedia(c.fileName);
    const double duration = p_.players.mediaDuration();
    if (c.showProgress) MediaLog(c, duration);
    EnableMediaControls(duration);

    const QString ext = Extension(c.fileName);
    const bool video = ext == QLatin1String(".avi") || ext == QLatin1String(".mpg");
    if (video && p_.settings().loadCompanionSubtitle()) {
        const QString companion = FindCompanionSubtitle(c.fileName);
        if (!companion.isEmpty()) {
            c.fileName = companion;
            c.format = c.requested = 0; // a companion's format is always recognised
            return MediaStep::Companion;
        }
    }
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
    if (c.showProgress) p_.control().EndLoadLog(true);
    return MediaStep::Opened;
}

void Loader::MediaLog(Call& c, double duration) {
    const QString& rate = p_.shell.FrameRateText;
    frmControl& control = p_.control();
    control.Text1.setText(control.Text1.text() + CrLf + p_.texts.TextTable(9, 4) +
                          c.fileName.right(3).toUpper() + CrLf + QStringLiteral("  Length: ") +
                          SecToTime(runtime::Str(duration)) + CrLf + QStringLiteral("  Frames: ") +
                          runtime::Str(duration * runtime::Val(rate)) + QStringLiteral(" at ") +
                          rate + QStringLiteral(" fps") + CrLf + p_.texts.TextTable(9, 15) + CrLf +
                          p_.texts.TextTable(9, 16) + CrLf);
    control.Text1.refresh();
}

void Loader::EnableMediaControls(double duration) {
    PlayerTab& player = p_.main().player;
    player.SetSliderLength(duration);
    player.Slider1.setEnabled(true);
    for (int i = 0; i < 6; ++i)
        player.Command8[i].setEnabled(true);
    player.Combo1.setEnabled(true);
    player.Label27.setCaption(p_.texts.TextTable(3, 4) + QStringLiteral(" [") +
                              p_.texts.TextTable(3, 1) + QStringLiteral("]"));
}
