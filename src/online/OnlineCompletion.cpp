// What a completed request does with what it brought: the download list is
// stored and shown, a downloaded file is stored in \Data\Files and loaded, a
// sent file is logged, the news page is shown and the version page compared.
// Received files leave the transfer folder once used.

#include "document/MessageWindow.h"
#include "online/Online.h"
#include "online/TransferErrors.h"
#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"
#include "shell/frmOnlineMess.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTime>

namespace {

QString ReceivedPath(const Online::Request& request) {
    return platform::Inet::ParseOperation(request.operation).local;
}

} // namespace

// The stored list is replaced only by a list that was read whole; its first
// line tells when it was fetched.
void Online::ListReceived(const Request& request) {
    const QString received = ReceivedPath(request);
    const runtime::TextFileContent file = runtime::ReadTextFile(received);
    QFile::remove(received);
    const QString title = p_.texts.TextTable(9, 13);
    if (!file.ok) {
        p_.messages.ShowMessage(MessageWindow::Verbatim(p_.texts.Told(file.error)), KindExclamation,
                                QStringLiteral("ok"), title);
        return;
    }
    const QString when =
        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).trimmed() +
        QStringLiteral(", ") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    QString error;
    if (!runtime::WriteTextFile(p_.folder.path(runtime::Place::DownloadList),
                                QStringList{when} + file.lines, &error)) {
        p_.messages.ShowMessage(MessageWindow::Verbatim(p_.texts.Told(error)), KindExclamation,
                                QStringLiteral("ok"), title);
        return;
    }
    UpdateFTPList();
}

void Online::DownloadReceived(const Request& request) {
    const QString received = ReceivedPath(request);
    if (!ConfirmDownloadOverUnsaved(received)) return;
    QDir().mkpath(p_.folder.path(runtime::Place::FilesFolder));
    const QString target = p_.folder.path(runtime::Place::FilesFolder, request.localName);
    // Only Yes (or no file there) goes on; otherwise the received file goes,
    // so that nothing is left behind in the scratch folder.
    if (p_.files.FileExist(target) != AnswerYes) {
        QFile::remove(received);
        return;
    }
    if (!StoreDownload(received, target)) return;
    LoadDownload(target, request.format);
    if (p_.settings().soundOnDownload() && PlayDownloadSound)
        PlayDownloadSound(
            p_.folder.path(runtime::Place::SoundsFolder, QStringLiteral("mirel02.wav")));
}

// No keeps the changed document and drops the received file; any other
// answer goes on.
bool Online::ConfirmDownloadOverUnsaved(const QString& received) {
    if (!p_.doc.FileChanged) return true;
    const int answer = p_.messages.ShowMessage(
        p_.texts.Say("File %1 has been changed and not saved. Do you want to continue loading ?",
                     MessageWindow::Verbatim(p_.files.CurFileName)),
        KindQuestion, QStringLiteral("yesno"), QStringLiteral("Warning: File not saved"), false,
        {p_.files.CurFileName, Question::UnsavedWork});
    if (answer != AnswerNo) return true;
    QFile::remove(received);
    return false;
}

// The file is copied whole or not at all (a full disk leaves the old one as
// it was); the received file goes either way.
bool Online::StoreDownload(const QString& received, const QString& target) {
    QFile source(received);
    QString reason;
    bool ok = source.open(QIODevice::ReadOnly);
    if (ok) {
        const QByteArray bytes = source.readAll();
        ok = source.error() == QFileDevice::NoError;
        if (ok) ok = runtime::WriteFileBytes(target, bytes, &reason);
    }
    if (source.error() != QFileDevice::NoError)
        reason = target + QStringLiteral(": ") + source.errorString();
    else if (reason.startsWith(QStringLiteral("Cannot write ")))
        reason = reason.mid(13);
    source.close();
    QFile::remove(received);
    if (!ok)
        p_.messages.ShowMessage(p_.texts.Say("Error writing file (%1).",
                                             MessageWindow::Verbatim(p_.texts.Told(reason))),
                                KindStop, QStringLiteral("ok"), p_.texts.TextTable(9, 13));
    return ok;
}

// The user agreed to replace a changed document, so the load does not ask
// again; a load that does not happen leaves the document marked changed.
void Online::LoadDownload(const QString& target, int format) {
    const bool changed = p_.doc.FileChanged;
    p_.doc.FileChanged = false;
    QString file = target;
    int wanted = format, row = 1;
    p_.loader.LoadSubFile(file, wanted, row, false, true, true);
    if (!p_.loader.LoadOk) p_.doc.FileChanged = changed;
}

void Online::UploadSent(const Request& request) {
    QFile::remove(UploadCopy(request.serverName));
    if (!p_.hasMain()) return;
    OnlineTab& tab = p_.main().online;
    tab.Log(OnlineTab::TimedLine(p_.texts.Say("File send.")));
    tab.Log(OnlineTab::TimedLine(p_.texts.Say("File transfer completed.")));
    tab.Log(p_.texts.Say("  Your file will be added to the download list as soon as possible if "
                         "NOT already exists."));
    tab.LogEnd();
}

// The copy was made for this upload only; the next upload makes a new one.
void Online::UploadFailed(const Request& request) {
    QFile::remove(UploadCopy(request.serverName));
    if (!p_.hasMain()) return;
    OnlineTab& tab = p_.main().online;
    tab.Log(OnlineTab::TimedLine(p_.texts.Say("Could not upload file. %1.", FailureText(request))));
    if (!Inet1.LeftOnServer().isEmpty())
        tab.Log(OnlineTab::TimedLine(p_.texts.Told(Inet1.LeftOnServer())));
    tab.LogEnd();
}

// The page goes once its window has closed.
void Online::NewsReceived() {
    const QString page = TransferFolder() + QStringLiteral("message.htm");
    {
        frmOnlineMess news(p_);
        news.brwHelp.navigate(page);
        news.showModal();
    }
    QFile::remove(page);
}

// A newer build than this one is announced on the splash and the Online tab.
void Online::VersionReceived() {
    const QString path = TransferFolder() + QStringLiteral("version.sdf");
    const QString line = runtime::ReadTextFile(path).lines.value(0);
    QFile::remove(path);
    using V = ProgramVersionNumbers;
    const QString own = QStringLiteral("%1%2%3").arg(V::Major).arg(V::Minor).arg(V::Revision);
    if (runtime::Val(line) <= runtime::Val(own)) return;
    UpdateNotice =
        p_.texts.Say("Update available %1.%2 (build %3)", line.left(1), line.mid(1, 1), line);
    if (p_.hasSplash() && p_.splash().isLoaded()) p_.splash().Label2.setCaption(UpdateNotice);
    ShowTransferStatus(UpdateNotice);
}
