// Making a file the current one: its name with the format's extension, the
// current-file names, the status bar, the upload log and the file chooser.

#include "document/Formats.h"
#include "fileio/Files.h"
#include "fileio/frmFile.h"
#include "platform/ListBox.h"
#include "platform/StatusBar.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace {

QString ShortPath(const QString& path) {
    if (path.size() < 81) return path;
    return path.left(38) + QStringLiteral(" .. ") + path.right(38);
}

} // namespace

// The one part a load gives a file is named after it, and follows its name
// (a save under another name): it is no part of the user's to keep.
void Files::ShowFileInfo(QString& fileName, int format) {
    const bool singlePart = IsSinglePart();
    CurFileIndex = format;
    fileName = formats::WithExtension(fileName, format);
    CurFileName = fileName;
    CurFileTitle = CurFileName.section(QLatin1Char('/'), -1);
    CurFileBase = CurFileTitle.section(QLatin1Char('.'), 0, 0);
    FtpFileName = QString(CurFileTitle).replace(QLatin1Char(' '), QLatin1Char('_'));

    frmMain& main = p_.main();
    const QString formatName = formats::StatusName(format);
    main.StatusBar1.setPanelText(1, ShortPath(CurFileName));
    main.StatusBar1.setPanelText(2, formatName);

    const QLocale locale = QLocale::system();
    platform::ListBox& log = main.online.List8;
    for (const QString& item :
         {p_.texts.Say("-- New File --"), p_.texts.Say("Editor: %1", qEnvironmentVariable("USER")),
          p_.texts.Say("Filename: %1", CurFileName), p_.texts.Say("FTPname: %1", FtpFileName),
          p_.texts.Say("Format: %1", formatName),
          p_.texts.Say("Language: %1", main.online.Combo8[1].text()),
          p_.texts.Say("Date: %1", locale.toString(QDate::currentDate(), QLocale::ShortFormat)),
          p_.texts.Say("Time: %1", locale.toString(QTime::currentTime(), QLocale::ShortFormat)),
          p_.texts.Say("Status:")})
        log.addItem(item);

    p_.doc.FileNodes.setName(0, CurFileBase);
    if (singlePart) p_.doc.FileNodes.setName(1, CurFileBase);
    // A chooser made later starts on the current file (a start with a file
    // does not build it).
    if (p_.hasFileChooser()) p_.fileChooser().lblFullName.setCaption(CurFileName);
}
