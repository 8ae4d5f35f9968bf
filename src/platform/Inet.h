#pragma once
// The transfer control: one request at a time to an FTP (or HTTP) server, run
// by libcurl on a transfer thread of its own, so that the window never waits
// for it, however slow or silent the server (libcurl's FTP still waits inside
// its calls: for the reply after a transfer's last byte, for a clean-up's
// DELE). The window's thread hands requests and Cancel to that thread and
// gets every report back on its own event loop, in order; it never calls
// into libcurl and never waits for the transfer thread.
//
// Execute starts an operation against a server address and returns at once:
//   "GET <remote name> <local path>"  fetches a file into the local path
//   "GET <remote name>"               fetches it into memory (GetChunk)
//   "PUT <local path> <remote name>"  sends a file
// A remote name has no blanks; a local path may have them. The address is
// "ftp://host[:port][/folder]", an http(s) address, or a bare "host[:port]"
// (FTP). StateChanged then reports Connecting (3) and ReceivingResponse (7)
// while the transfer runs, and last either Error (11) or ResponseCompleted
// (12). After an error ResponseCode holds the server's last reply code (550
// for a missing file; 0 when the server never answered) and ResponseInfo
// says what went wrong. Cancel stops a running request at once, its
// connections broken; it reports no state.
//
// A PUT that fails or is cancelled after its first bytes went out has left a
// part of the file on an FTP server, which would take it for the file: it is
// deleted there. Where the server does not allow that, LeftOnServer says what
// is left. After a Cancel that clean-up goes on (CleaningUp) for less than a
// second, and onCancelEnded tells when it ended and what a server that did
// not answer in time may keep; a request started meanwhile waits for it,
// since it may send the very file the clean-up deletes.
//
// A GET into a local path writes a temporary file beside it that replaces the
// file only when the whole response arrived; a failed or cancelled GET leaves
// the old file as it was.

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace platform {

class Inet {
public:
    enum State {
        StateNone = 0,
        Connecting = 3,
        ReceivingResponse = 7,
        StateError = 11,
        ResponseCompleted = 12
    };

    Inet();
    ~Inet();
    Inet(const Inet&) = delete;
    Inet& operator=(const Inet&) = delete;

    // False, with ResponseInfo saying why, when the request cannot start (an
    // operation it does not know, a local file it cannot read or write, a
    // request still running); nothing is reported through StateChanged then.
    bool Execute(const QString& url, const QString& operation);
    void Cancel();
    // Ends the running request and every clean-up at once, waiting for nothing
    // (an exit): a clean-up that had not ended is told through onCancelEnded
    // as what may be left.
    void Abandon();
    bool StillExecuting() const;
    // A cancelled upload's clean-up still runs on the server.
    bool CleaningUp() const;

    int ResponseCode() const;
    // After an error: the server itself failed (its name, its address, the
    // login, its silence), not the file asked for.
    bool ServerFailed() const;
    QString ResponseInfo() const;
    // After an error: "new_a.srt on the server holds 122,880 of 590,741
    // bytes: delete it there." when a failed PUT left a part of its file
    // that could not be deleted; "" otherwise.
    QString LeftOnServer() const;
    // Takes up to `size` bytes of what a GET without a local path received.
    QByteArray GetChunk(int size);

    // Seconds the server may stay silent (while connecting, answering or
    // sending) before the request fails; 0 waits for ever. 60 at start.
    int requestTimeout() const;
    void setRequestTimeout(int seconds);

    // Bytes moved so far by the running request (of an upload, those the
    // server took), and the whole size (0 while unknown).
    qint64 bytesDone() const;
    qint64 bytesTotal() const;

    std::function<void(int state)> onStateChanged;
    // Runs when bytesDone or bytesTotal changed.
    std::function<void()> onProgress;
    // Runs when a cancelled PUT's clean-up ended: `left` says what it left on
    // the server (see LeftOnServer), "" when nothing.
    std::function<void(const QString& left)> onCancelEnded;

    // The address of a file on a server: the server address (FTP when it
    // names no scheme) joined with the name.
    static QString RemoteUrl(const QString& server, const QString& remoteName);

    struct Operation {
        bool put = false;
        QString remote, local;
        bool valid = false;
    };
    // Reads an operation text (see above).
    static Operation ParseOperation(const QString& operation);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace platform
