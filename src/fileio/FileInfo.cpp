// Making a file the current one: its name with the format's extension, the
// current-file names, the status bar, the upload log and the file chooser.

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

// The file chooser's type entry of a format ("SubRip (*.srt)|*.srt"); "" for
// a number outside the table.
QString FilterEntry(const ShellState& shell, int format) {
    const int entry = format + 1;
    if (entry < 0 || entry >= static_cast<int>(shell.FormatFilter.size())) return {};
    return shell.FormatFilter[static_cast<std::size_t>(entry)];
}

// The format's extension: from the entry's last "." to its end.
QString FilterExtension(const QString& entry) {
    const qsizetype dot = entry.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : entry.mid(dot);
}

// Whether the extension is one of the entry's patterns ("*.smi;*.sami"),
// ignoring case.
bool IsPatternOf(const QString& entry, const QString& extension) {
    const QStringList patterns = entry.section(QLatin1Char('|'), 1).split(QLatin1Char(';'));
    return patterns.contains(QLatin1Char('*') + extension, Qt::CaseInsensitive);
}

// The file name with the format's extension. Only the name after the last
// "/" is looked at, so a dotted folder keeps its name; an extension that is
// already one of the format's (in any case) stays, so the name still names
// the file that was read.
QString WithFormatExtension(const QString& fileName, const QString& entry) {
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash) return fileName + FilterExtension(entry);
    if (IsPatternOf(entry, fileName.mid(dot))) return fileName;
    return fileName.left(dot) + FilterExtension(entry);
}

// The format's name as the status bar shows it: the entry before " (".
QString FilterName(const QString& entry) {
    const qsizetype paren = entry.indexOf(QLatin1Char('('));
    return paren < 1 ? QString() : entry.left(paren - 1);
}

QString ShortPath(const QString& path) {
    if (path.size() < 81) return path;
    return path.left(38) + QStringLiteral(" .. ") + path.right(38);
}

} // namespace

void Files::ShowFileInfo(QString& fileName, int format) {
    CurFileIndex = format;
    const QString entry = FilterEntry(p_.shell, format);
    fileName = WithFormatExtension(fileName, entry);
    CurFileName = fileName;
    CurFileTitle = CurFileName.section(QLatin1Char('/'), -1);
    CurFileBase = CurFileTitle.section(QLatin1Char('.'), 0, 0);
    FtpFileName = QString(CurFileTitle).replace(QLatin1Char(' '), QLatin1Char('_'));

    frmMain& main = p_.main();
    const QString formatName = FilterName(entry);
    main.StatusBar1.setPanelText(1, ShortPath(CurFileName));
    main.StatusBar1.setPanelText(2, formatName);

    const QLocale locale = QLocale::system();
    platform::ListBox& log = main.online.List8;
    for (const QString& item :
         {QStringLiteral("-- New File --"),
          QStringLiteral("Editor: ") + qEnvironmentVariable("USER"),
          QStringLiteral("Filename: ") + CurFileName, QStringLiteral("FTPname: ") + FtpFileName,
          QStringLiteral("Format: ") + formatName,
          QStringLiteral("Language: ") + main.online.Combo8[1].text(),
          QStringLiteral("Date: ") + locale.toString(QDate::currentDate(), QLocale::ShortFormat),
          QStringLiteral("Time: ") + locale.toString(QTime::currentTime(), QLocale::ShortFormat),
          QStringLiteral("Status:")})
        log.addItem(item);

    p_.doc.FileNodes.setName(0, CurFileBase);
    p_.fileChooser().lblFullName.setCaption(CurFileName);
}
