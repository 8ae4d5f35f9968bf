// The upload page's Send: the current file, saved first when it changed,
// is copied with the information block at its end and sent to the server as
// "new_" + its server name. The copy has a name of its own in the scratch
// folder, so the user's file is never written over or removed, wherever it
// lies. Every step is logged in the transfer log; a step that fails says why
// there and ends the upload.

#include "online/OnlineTab.h"

#include "fileio/frmFile.h"
#include "runtime/Strings.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void OnlineTab::UploadSend() {
    p_.macro.SetMacroAction(QString(), Online::ActionUploadSend);
    Log(QStringLiteral(" >Start"));
    if (p_.online.FtpAddress.isEmpty()) {
        StopUpload(p_.texts.Say("No server is set (System/i.set names none); nothing was sent."));
        return;
    }
    Log(TimedLine(p_.texts.Say("Creating file...")));
    if (!SaveBeforeUpload()) return;
    const QString name = p_.files.FtpFileName;
    for (const Online::Request& r : p_.online.Requests())
        if (r.kind == Online::Upload && r.serverName == name) {
            StopUpload(p_.texts.Say("The same file waits to be sent already."));
            return;
        }
    const QString copy = p_.online.UploadCopy(name);
    QDir().mkpath(QFileInfo(copy).absolutePath());
    if (!WriteUploadCopy(copy)) return;
    Log(TimedLine(p_.texts.Say("File created.")));
    Online::Request request;
    request.kind = Online::Upload;
    request.serverName = name;
    request.operation = QStringLiteral("PUT ") + copy + QStringLiteral(" new_") + name;
    if (!p_.online.Execute(request)) {
        QFile::remove(copy);
        StopUpload(p_.texts.Say("The same file waits to be sent already."));
        return;
    }
    Log(TimedLine(p_.texts.Say("Sending information to server...")));
    Command40.setEnabled(true);
}

// The file sent is the document as the user sees it: a changed document, or
// one whose file another program changed since, is written to its own file
// first (the writer asks before it overwrites such a change).
bool OnlineTab::SaveBeforeUpload() {
    Files& files = p_.files;
    if (files.CurFileName.isEmpty()) {
        StopUpload(p_.texts.Say("No file to send: open or save a subtitle file first."));
        return false;
    }
    if (p_.doc.FileChanged || files.ChangedOnDisk(files.CurFileName)) {
        int format = files.CurFileIndex;
        int lastRow = p_.doc.lineCount();
        p_.fileChooser().lblFullName.setCaption(files.CurFileName); // the writer's target
        if (!p_.fileCommands.SaveSubFile(format, lastRow)) {
            StopUpload(p_.doc.FileChanged
                           ? p_.texts.Say("The changed file was not saved; nothing was sent.")
                           : p_.texts.Say("The file was changed on disk since Mirel read it and "
                                          "was not written over; nothing was sent."));
            return false;
        }
    }
    if (!QFileInfo(files.CurFileName).isFile()) {
        StopUpload(p_.texts.Say("File %1 not found; nothing was sent.", files.CurFileName));
        return false;
    }
    return true;
}

// The copy is the saved file with the block after it, written whole.
bool OnlineTab::WriteUploadCopy(const QString& copy) {
    QFile source(p_.files.CurFileName);
    QString reason;
    bool ok = source.open(QIODevice::ReadOnly);
    if (ok) {
        const QByteArray bytes = source.readAll();
        ok = source.error() == QFileDevice::NoError;
        if (ok) ok = runtime::WriteFileBytes(copy, bytes + UploadInfoFile(), &reason);
    }
    if (source.error() != QFileDevice::NoError)
        reason = source.errorString();
    else if (reason.startsWith(QStringLiteral("Cannot write ") + copy + QStringLiteral(": ")))
        reason = reason.mid(15 + copy.size());
    if (!ok) StopUpload(p_.texts.Say("Could not create %1: %2", copy, p_.texts.Told(reason)));
    return ok;
}

QByteArray OnlineTab::UploadInfoFile() const {
    const QStringList lines = {QStringLiteral("<Mirel>"),
                               QStringLiteral("Org: ") + p_.files.CurFileName,
                               QStringLiteral("Ftp: ") + p_.files.FtpFileName,
                               QStringLiteral("Frm: ") + p_.main().StatusBar1.panelText(2),
                               QStringLiteral("Lng: ") + Combo8[1].text(),
                               QStringLiteral("Aut: ") + qEnvironmentVariable("USER"),
                               QStringLiteral("</Mirel>")};
    QByteArray block;
    for (const QString& line : lines)
        block += line.toUtf8() + runtime::CrLf.toLatin1();
    return block;
}

void OnlineTab::StopUpload(const QString& why) {
    Log(TimedLine(why));
    LogEnd();
}
