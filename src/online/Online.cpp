#include "online/Online.h"

#include "online/TransferErrors.h"

#include "document/MessageWindow.h"
#include "online/HostAddress.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QTimer>

namespace {
const QString WaitingText = QStringLiteral("Getting data. Please wait...");
} // namespace

Online::Online(Program& p) : p_(p) {
    Inet1.onStateChanged = [this](int state) { Inet1_StateChanged(state); };
    Inet1.onProgress = [this] { ShowProgress(); };
    Inet1.onCancelEnded = [this](const QString& left) { CancelEnded(p_.texts.Told(left)); };
}

void Online::LoadInternetSettings() {
    const runtime::TextFileContent file =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::InternetFile));
    OnlineUrl = file.lines.value(0);
    FtpAddress = file.lines.value(1).trimmed();
}

void Online::SetIpAddress() {
    LocalIp.clear();
    for (const QString& address : GetAdapterIpList().split(QLatin1Char('+'), Qt::SkipEmptyParts))
        if (address != QLatin1String("0.0.0.0")) {
            LocalIp = address;
            return;
        }
}

QString Online::TransferFolder() const {
    return p_.folder.root().endsWith(QLatin1Char('/')) ? p_.folder.root()
                                                       : p_.folder.root() + QLatin1Char('/');
}

// The name's length does not depend on the server name's, which may be as
// long as a file name can be.
QString Online::UploadCopy(const QString& serverName) const {
    const QByteArray key =
        QCryptographicHash::hash(serverName.toUtf8(), QCryptographicHash::Sha1).toHex().left(20);
    return p_.folder.path(runtime::Place::ScratchFolder,
                          QStringLiteral("upload-") + QString::fromLatin1(key));
}

QString Online::DownloadCopy() {
    return p_.folder.path(runtime::Place::ScratchFolder,
                          QStringLiteral("download-") + QString::number(++downloadCopies_));
}

// ---- Starting requests ----------------------------------------------------------------

void Online::DownloadListUpdate(bool startup) {
    p_.macro.SetMacroAction(QString(), ActionUpdate);
    if (p_.hasMain()) p_.main().onlineLists.HideSortButtons();
    SubListPath = TransferFolder() + QStringLiteral("sublist.sdf");
    Request request;
    request.kind = DownloadList;
    request.serverName = SubListName;
    request.operation = QStringLiteral("GET ") + SubListName + QLatin1Char(' ') + SubListPath;
    request.startup = startup;
    Execute(request);
}

// A file of the server's top folder fetched at start-up into the transfer folder.
void Online::RequestStartupFile(Kind kind, const QString& name) {
    Request request;
    request.kind = kind;
    request.serverName = name;
    request.operation = QStringLiteral("GET ") + name + QLatin1Char(' ') + TransferFolder() + name;
    request.startup = true;
    Execute(request);
}

void Online::RequestVersion() {
    RequestStartupFile(VersionFile, QStringLiteral("version.sdf"));
}

void Online::RequestNews() {
    RequestStartupFile(NewsPage, QStringLiteral("message.htm"));
}

bool Online::Execute(Request request) {
    if (FtpAddress.isEmpty()) {
        NoServer();
        return false;
    }
    for (const Request& r : Requests())
        if (r.kind == request.kind && r.operation == request.operation) return false;
    request.id = ++requestIds_;
    waiting_.push_back(std::move(request));
    if (running_)
        ShowTransferStatus(p_.texts.Say("%1 waits until %2 has ended.", Describe(waiting_.back()),
                                        Describe(*running_)));
    StartNext();
    return true;
}

// What waits behind the running request, for the status line ("" when nothing).
QString Online::WaitingNote() const {
    if (waiting_.empty()) return {};
    QStringList names;
    for (const Request& r : waiting_)
        names << Describe(r);
    return p_.texts.Say(" (then %1)", names.join(QStringLiteral(", ")));
}

std::vector<Online::Request> Online::Requests() const {
    std::vector<Request> all;
    if (running_) all.push_back(*running_);
    all.insert(all.end(), waiting_.begin(), waiting_.end());
    return all;
}

void Online::StartNext() {
    while (!running_ && !waiting_.empty()) {
        running_ = std::move(waiting_.front());
        waiting_.pop_front();
        InetRequest = running_->kind;
        if (p_.hasMain()) p_.main().online.cmdTransferCancel.setEnabled(true);
        ShowTransferStatus(Describe(*running_) + QStringLiteral("...") + WaitingNote());
        if (Inet1.Execute(FtpAddress, running_->operation)) return;
        StartFailed(*running_); // reported as a failed transfer; the next one starts
    }
    if (!running_ && p_.hasMain()) p_.main().online.cmdTransferCancel.setEnabled(false);
}

void Online::StartFailed(const Request& request) {
    const Request failed = request;
    running_.reset();
    InetRequest = 0;
    Failed(failed);
}

void Online::NoServer() {
    const QString text =
        QStringLiteral("No server is set: the second line of System/i.set names none.");
    ShowTransferStatus(text);
    p_.messages.ShowMessage(text, KindExclamation, QStringLiteral("ok"), p_.texts.TextTable(9, 13));
}

void Online::CancelTransfers() {
    Inet1.Cancel();
    const std::vector<Request> dropped = Requests();
    const bool ran = running_.has_value();
    waiting_.clear();
    running_.reset();
    InetRequest = 0;
    RestoreStatusText();
    for (const Request& r : dropped)
        if (r.kind == Upload) {
            QFile::remove(UploadCopy(r.serverName));
            if (p_.hasMain()) {
                p_.main().online.Log(OnlineTab::TimedLine(p_.texts.Say("Upload cancelled.")));
                p_.main().online.LogEnd();
            }
        }
    QStringList notStarted;
    for (std::size_t i = ran ? 1 : 0; i < dropped.size(); ++i)
        notStarted << Describe(dropped[i]);
    cancelledText_ = notStarted.isEmpty() ? p_.texts.Say("Transfer cancelled.")
                                          : p_.texts.Say("Transfer cancelled. Not started: %1.",
                                                         notStarted.join(QStringLiteral(", ")));
    // Until the part an upload sent is deleted, the server is not as Mirel says.
    ShowTransferStatus(Inet1.CleaningUp()
                           ? p_.texts.Say("Cancelling: removing from the server what was sent...")
                           : cancelledText_);
    if (p_.hasMain()) {
        p_.main().online.cmdTransferCancel.setEnabled(false);
        p_.main().online.prgTransfer.setValue(0);
    }
}

// ---- The transfer control's reports -----------------------------------------------------

void Online::Inet1_StateChanged(int state) {
    RestoreStatusText();
    if (!running_ ||
        (state != platform::Inet::StateError && state != platform::Inet::ResponseCompleted))
        return;
    // A completion loads, asks and tells: it waits for a load or a question
    // under way to end rather than run inside it.
    if (CommandRuns()) {
        const int id = running_->id;
        QTimer::singleShot(20, &later_, [this, id, state] {
            if (running_ && running_->id == id) Inet1_StateChanged(state);
        });
        return;
    }
    const Request done = *running_;
    if (state == platform::Inet::StateError)
        Failed(done);
    else
        Completed(done);
    running_.reset();
    InetRequest = 0;
    StartNext();
}

// A failure is shown, and a failed upload also logged. A server that did
// not answer a start-up request would not answer the start-up's others
// either: they go, so that one message says it.
void Online::Failed(const Request& request) {
    QString info = FailureText(request);
    if (!Inet1.LeftOnServer().isEmpty())
        info += QStringLiteral(". ") + p_.texts.Told(Inet1.LeftOnServer());
    ShowTransferStatus(p_.texts.Say("%1 failed: %2", Describe(request), info));
    if (p_.hasMain()) p_.main().online.prgTransfer.setValue(0);
    if (request.kind == Upload) UploadFailed(request);
    if (request.startup && Inet1.ResponseCode() == 0) DropWaitingStartupRequests();
    const QString title = p_.texts.TextTable(9, 13);
    if (Inet1.ResponseCode() == 80)
        p_.messages.ShowMessage(QStringLiteral("Please specify new destination."), KindExclamation,
                                QStringLiteral("ok"), QStringLiteral("File Exists"));
    p_.messages.ShowMessage(MessageWindow::Verbatim(info), KindExclamation, QStringLiteral("ok"),
                            title);
}

// A cancelled upload's clean-up ended; it may have left a part of its file
// on the server that the server would not let go.
void Online::CancelEnded(const QString& left) {
    if (left.isEmpty()) {
        if (!Inet1.StillExecuting()) ShowTransferStatus(cancelledText_);
        return;
    }
    ShowTransferStatus(left);
    if (p_.hasMain()) {
        p_.main().online.Log(OnlineTab::TimedLine(left));
        p_.main().online.LogEnd();
    }
    p_.messages.ShowMessage(MessageWindow::Verbatim(left), KindExclamation, QStringLiteral("ok"),
                            p_.texts.TextTable(9, 13));
}

// An upload is not ended in silence: the user says whether to stop it.
bool Online::ConfirmExit() {
    const std::vector<Request> all = Requests();
    if (std::none_of(all.begin(), all.end(), [](const Request& r) { return r.kind == Upload; }))
        return true;
    return p_.messages.ShowMessage(
               QStringLiteral("A file is being sent to the server. Stop it and exit?"),
               KindQuestion, QStringLiteral("yesno"),
               QStringLiteral("Upload running")) == AnswerYes;
}

// The transfers stop as by Cancel; the part an upload sent (also after an
// earlier Cancel) is deleted, or told as left, within the clean-up's time.
// No click is taken meanwhile: a second Exit or a new upload would not wait.
void Online::EndTransfers() {
    if (!Requests().empty()) CancelTransfers();
    const QDeadlineTimer deadline(ExitCleanUpMs);
    while (Inet1.CleaningUp() && !deadline.hasExpired())
        QCoreApplication::processEvents(
            QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 50);
    Inet1.Abandon();
}

void Online::DropWaitingStartupRequests() {
    std::erase_if(waiting_, [](const Request& r) { return r.startup; });
}

void Online::Completed(const Request& request) {
    ShowTransferStatus(p_.texts.Say("%1: done.", Describe(request)));
    if (p_.hasMain()) p_.main().online.prgTransfer.setValue(0);
    switch (request.kind) {
    case DownloadList:
        ListReceived(request);
        break;
    case Download:
        DownloadReceived(request);
        break;
    case Upload:
        UploadSent(request);
        break;
    case NewsPage:
        NewsReceived();
        break;
    case VersionFile:
        VersionReceived();
        break;
    default:
        break;
    }
}

// ---- What the Online tab shows ------------------------------------------------------------

void Online::ShowTransferStatus(const QString& text) {
    if (p_.hasMain()) p_.main().online.lblTransfer.setCaption(text);
}

void Online::ShowProgress() {
    if (!running_ || !p_.hasMain()) return;
    const qint64 done = Inet1.bytesDone(), total = Inet1.bytesTotal();
    const QString text = total > 0
                             ? p_.texts.Say("%1: %2 bytes of %3", Describe(*running_), done, total)
                             : p_.texts.Say("%1: %2 bytes", Describe(*running_), done);
    ShowTransferStatus(text + WaitingNote());
    p_.main().online.prgTransfer.setValue(total > 0 ? 100.0 * double(done) / double(total) : 0);
}

// Whether a load or a question runs now.
bool Online::CommandRuns() const {
    return p_.loader.Loading() || p_.host.modal.depth() > 0;
}

// Why a request failed, naming the server where the server failed, the file
// otherwise.
QString Online::FailureText(const Request& request) const {
    return PlainTransferError(p_.texts, Inet1.ResponseInfo(),
                              Inet1.ServerFailed() ? FtpAddress : ServerFile(request));
}

// The file's name on the server ("new_" + its name for an upload).
QString Online::ServerFile(const Request& request) {
    return platform::Inet::ParseOperation(request.operation).remote;
}

QString Online::Describe(const Request& request) const {
    return request.kind == Upload ? p_.texts.Say("Sending %1", request.serverName)
                                  : p_.texts.Say("Getting %1", request.serverName);
}

// The format panel gets back what a download's waiting text replaced.
void Online::RestoreStatusText() {
    if (!p_.hasMain()) return;
    platform::StatusBar& status = p_.main().StatusBar1;
    if (status.panelText(2) == WaitingText) status.setPanelText(2, SavedStatusText);
}
