#include "platform/Inet.h"

#include "runtime/SafeWrite.h"

#include <QFile>
#include <QLibrary>
#include <QLocale>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>
// libcurl is called through pointers to its functions (below), not linked.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <map>
#include <poll.h>
#include <set>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// libcurl (and the many libraries it brings) is loaded with the first
// transfer, so a start that sends nothing maps none of it. Its global set-up
// runs once, when it is loaded; ok is false when it cannot be.
// clang-format off
#define MIREL_CURL_FUNCTIONS(X)                                                         \
    X(global_init) X(easy_init) X(easy_setopt) X(easy_getinfo) X(easy_cleanup)          \
    X(easy_strerror) X(slist_append) X(slist_free_all) X(multi_init) X(multi_cleanup)   \
    X(multi_setopt) X(multi_add_handle) X(multi_remove_handle) X(multi_socket_action)   \
    X(multi_info_read) X(easy_pause)
// clang-format on

struct CurlLibrary {
#define MIREL_CURL_FIELD(name) decltype(&::curl_##name) name = nullptr;
    MIREL_CURL_FUNCTIONS(MIREL_CURL_FIELD)
#undef MIREL_CURL_FIELD
    bool ok = false;
};

const CurlLibrary& Curl() {
    static const CurlLibrary curl = [] {
        CurlLibrary c;
        QLibrary library(QStringLiteral("curl"), 4);
        if (!library.load()) return c;
        bool all = true;
        const auto get = [&library, &all](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            all = all && function != nullptr;
        };
#define MIREL_CURL_GET(name) get(c.name, "curl_" #name);
        MIREL_CURL_FUNCTIONS(MIREL_CURL_GET)
#undef MIREL_CURL_GET
        c.ok = all && c.global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
        return c;
    }();
    return curl;
}

} // namespace

#undef curl_easy_setopt
#undef curl_easy_getinfo
#undef curl_multi_setopt
#define curl_easy_init Curl().easy_init
#define curl_easy_setopt Curl().easy_setopt
#define curl_easy_getinfo Curl().easy_getinfo
#define curl_easy_cleanup Curl().easy_cleanup
#define curl_easy_strerror Curl().easy_strerror
#define curl_slist_append Curl().slist_append
#define curl_slist_free_all Curl().slist_free_all
#define curl_multi_init Curl().multi_init
#define curl_multi_cleanup Curl().multi_cleanup
#define curl_multi_setopt Curl().multi_setopt
#define curl_multi_add_handle Curl().multi_add_handle
#define curl_multi_remove_handle Curl().multi_remove_handle
#define curl_multi_socket_action Curl().multi_socket_action
#define curl_multi_info_read Curl().multi_info_read
#define curl_easy_pause Curl().easy_pause

namespace {

// A GET into memory stops here rather than fill the memory.
constexpr qint64 MemoryLimit = 64 * 1024 * 1024;

// What failed, in Mirel's words; "" where the library's words are all there is.
QString Describe(CURLcode code, bool put, int timeout) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("The server's name is not known");
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("The server cannot be reached");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("The server did not answer within %1 seconds").arg(timeout);
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("The server refused the login");
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return QStringLiteral("The file is not on the server");
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
        return QStringLiteral("The server refused the file");
    case CURLE_WRITE_ERROR:
        return QStringLiteral("The received data could not be stored");
    case CURLE_READ_ERROR:
        return QStringLiteral("The file to send could not be read");
    case CURLE_UNSUPPORTED_PROTOCOL:
        return QStringLiteral("The server address names no FTP or HTTP server");
    case CURLE_URL_MALFORMAT:
        return QStringLiteral("The server address or the file's name cannot be used in a request");
    case CURLE_PARTIAL_FILE:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return put ? QStringLiteral("The server broke off before the whole file was sent")
                   : QStringLiteral("The server broke off before the whole file arrived");
    default:
        return {};
    }
}

// The sockets libcurl opened for each request, so that a request's own
// connections can be broken without touching another's. Closing goes through
// it too: a closed number may come back for another socket.
struct Job;
struct SocketBook {
    std::map<curl_socket_t, Job*> owners;
};

// One request: its transfer and, where an upload broke after its first bytes,
// the clean-up that removes the part on the server. Both are handles of the
// one multi handle on the window's thread; nothing here runs elsewhere.
struct Job {
    quint64 serial = 0;
    SocketBook* book = nullptr;
    bool put = false;
    QString server, remote, local;
    std::unique_ptr<runtime::ReplacingFile> target;
    std::unique_ptr<QFile> source;
    QByteArray memory;
    QByteArray url;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    int timeout = 60;
    CURL* easy = nullptr;    // the transfer, until it ended
    CURL* cleanUp = nullptr; // the removal of a broken upload's part, while it runs
    curl_slist* quote = nullptr;
    bool added = false; // the transfer is on the multi handle (else it waits)
    bool cancelled = false;
    std::set<curl_socket_t> sockets;       // open connections of the transfer or its clean-up
    std::vector<curl_socket_t> opened;     // in the order opened: the control connection first
    bool holding = false, drained = false; // see ReadCallback

    qint64 done = 0, total = 0;
    CURLcode result = CURLE_OK;
    long responseCode = 0;
    QString leftOnServer; // what a broken upload left on the server, "" when nothing

    ~Job();
    void breakConnections(bool dropUnsent);
    bool needsCleanUp() const {
        return put && (cancelled || result != CURLE_OK) && done > 0 && url.startsWith("ftp");
    }
    QString leftText(CURLcode asked, curl_off_t size) const;
    QString mayBeLeftText() const;
    curl_socket_t connection(bool data) const;
    bool serverAnswered() const;
    static size_t WriteCallback(char* data, size_t size, size_t count, void* userp);
    static size_t ReadCallback(char* data, size_t size, size_t count, void* userp);
    static int ProgressCallback(void* userp, curl_off_t downTotal, curl_off_t downNow,
                                curl_off_t upTotal, curl_off_t upNow);
    static curl_socket_t OpenSocket(void* userp, curlsocktype, curl_sockaddr* address);
    static int CloseSocket(void* userp, curl_socket_t socket);
};

Job::~Job() {
    for (const curl_socket_t s : sockets)
        book->owners.erase(s);
    if (quote) curl_slist_free_all(quote);
}

// A socket closed after this sends no more of what it holds.
void DropUnsent(curl_socket_t s) {
    const linger drop{1, 0};
    ::setsockopt(s, SOL_SOCKET, SO_LINGER, &drop, sizeof drop);
}

// A connection that was used is never used again: shut down at once, it
// cannot hold up an end with a farewell to a server that went silent. After
// a failure or a Cancel what is still unsent is dropped rather than let it
// trickle out to the server.
void Job::breakConnections(bool dropUnsent) {
    for (const curl_socket_t s : sockets) {
        if (dropUnsent) DropUnsent(s);
        ::shutdown(s, SHUT_RDWR);
    }
}

QString Job::leftText(CURLcode asked, curl_off_t size) const {
    if (asked == CURLE_OK || asked == CURLE_REMOTE_FILE_NOT_FOUND) return {}; // gone
    if (asked != CURLE_QUOTE_ERROR || size < 0) return mayBeLeftText();
    const QLocale english(QLocale::English);
    return QStringLiteral("%1 on the server holds %2 of %3 bytes: delete it there.")
        .arg(remote.section(QLatin1Char('/'), -1), english.toString(qint64(size)),
             english.toString(total));
}

QString Job::mayBeLeftText() const {
    const QLocale english(QLocale::English);
    return QStringLiteral("%1 may be on the server in part (up to %2 of %3 bytes): delete it "
                          "there.")
        .arg(remote.section(QLatin1Char('/'), -1), english.toString(done), english.toString(total));
}

curl_socket_t Job::OpenSocket(void* userp, curlsocktype, curl_sockaddr* address) {
    Job* job = static_cast<Job*>(userp);
    const curl_socket_t s = ::socket(address->family, address->socktype, address->protocol);
    if (s == CURL_SOCKET_BAD) return s;
    job->sockets.insert(s);
    job->opened.push_back(s);
    job->book->owners[s] = job;
    return s;
}

int Job::CloseSocket(void* userp, curl_socket_t socket) {
    SocketBook* book = static_cast<SocketBook*>(userp);
    const auto owner = book->owners.find(socket);
    if (owner != book->owners.end()) {
        owner->second->sockets.erase(socket);
        book->owners.erase(owner);
    }
    return ::close(socket);
}

size_t Job::WriteCallback(char* data, size_t size, size_t count, void* userp) {
    Job* d = static_cast<Job*>(userp);
    const qint64 bytes = static_cast<qint64>(size * count);
    if (d->target) return d->target->write(data, bytes) ? size * count : 0;
    if (d->memory.size() + bytes > MemoryLimit) return 0;
    d->memory.append(data, bytes);
    return size * count;
}

// The control connection, or the data connection of an FTP transfer;
// CURL_SOCKET_BAD when it is not open.
curl_socket_t Job::connection(bool data) const {
    if (opened.size() < (data ? 2u : 1u)) return CURL_SOCKET_BAD;
    const curl_socket_t s = data ? opened.back() : opened.front();
    return sockets.count(s) ? s : CURL_SOCKET_BAD;
}

// The server said something on the control connection (or closed it).
bool Job::serverAnswered() const {
    pollfd p{connection(false), POLLIN, 0};
    return p.fd != CURL_SOCKET_BAD && ::poll(&p, 1, 0) > 0;
}

// Once an FTP upload's last byte is out, libcurl would wait for the server's
// last answer without returning to the event loop, while a slow server takes
// in what the connection still holds. So the end is held back: the data
// connection is closed for sending, which lets the server finish, and the
// transfer goes on (drained) only once the server answered.
size_t Job::ReadCallback(char* data, size_t size, size_t count, void* userp) {
    Job* d = static_cast<Job*>(userp);
    const qint64 got = d->source->read(data, static_cast<qint64>(size * count));
    if (got < 0) return CURL_READFUNC_ABORT;
    const curl_socket_t out = d->connection(true);
    if (got > 0 || d->drained || !d->url.startsWith("ftp") || out == CURL_SOCKET_BAD)
        return static_cast<size_t>(got);
    if (!d->holding) ::shutdown(out, SHUT_WR);
    d->holding = true;
    return CURL_READFUNC_PAUSE;
}

int Job::ProgressCallback(void* userp, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal,
                          curl_off_t upNow) {
    Job* d = static_cast<Job*>(userp);
    d->done = d->put ? upNow : downNow;
    d->total = d->put ? d->source->size() : downTotal;
    (void)upTotal;
    return 0;
}

void SetTimeouts(CURL* easy, int timeout) {
    if (timeout <= 0) return;
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, long(timeout));
    curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(timeout));
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, long(timeout));
}

// What every handle of a request has: its own fresh connections, known to the
// book, and an end that never waits (a name lookup still running is left to
// finish on its own).
void SetCommonOptions(CURL* easy, Job& job) {
    curl_easy_setopt(easy, CURLOPT_PRIVATE, &job);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, &Job::OpenSocket);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETDATA, &job);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, &Job::CloseSocket);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, job.book);
#if CURL_AT_LEAST_VERSION(7, 87, 0)
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L); // an older library refuses it: no harm
#endif
    SetTimeouts(easy, job.timeout);
}

} // namespace

struct Inet::Impl {
    explicit Impl(Inet& owner) : owner(owner) {}
    ~Impl();

    bool start(const QString& url, const Operation& op);
    bool openFiles(Job& job, const Operation& op);
    void setOptions(Job& job);
    bool ensureMulti();
    void add(Job& job);
    void release(Job& job, CURL*& easy, bool dropUnsent);
    void startCleanUp(Job& job);
    void cancel();
    void abandon(bool tell);
    void collect();
    void transferEnded(Job& job, CURLcode result);
    void cleanUpEnded(Job& job, CURLcode asked);
    void cancelledEnded(Job& job);
    void startWaiting();
    void look();
    void resumeAnswered();
    void ended(quint64 serial);
    void emitState(int state);
    void watch(curl_socket_t s, int what);
    void act(curl_socket_t s, int flags);
    static int SocketCallback(CURL*, curl_socket_t s, int what, void* userp, void*);
    static int TimerCallback(CURLM*, long ms, void* userp);

    struct Watch {
        QSocketNotifier* in = nullptr;
        QSocketNotifier* out = nullptr;
    };

    Inet& owner;
    QObject holder; // the context of the timers, the notifiers and the queued ends
    QTimer ticks;   // the window's look at the running request
    QTimer wake;    // libcurl's own time-outs
    CURLM* multi = nullptr;
    SocketBook book;
    std::map<curl_socket_t, Watch> watches;
    std::unique_ptr<Job> job;                    // the request: waiting, running or ending
    std::vector<std::unique_ptr<Job>> cancelled; // cancelled ones whose clean-up runs
    quint64 serials = 0;

    bool connectingShown = false, receivingShown = false;
    QByteArray memory;
    qint64 done = 0, total = 0;
    int responseCode = 0;
    QString responseInfo, leftOnServer;
    int timeout = 60;
};

// Every transfer ends at once: nothing is waited for, not even a name lookup.
Inet::Impl::~Impl() {
    abandon(false);
    if (multi) curl_multi_cleanup(multi);
    for (auto& [s, w] : watches) {
        delete w.in;
        delete w.out;
    }
}

// ---- The multi handle on the event loop ------------------------------------------

bool Inet::Impl::ensureMulti() {
    if (multi) return true;
    multi = curl_multi_init();
    if (!multi) return false;
    curl_multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &Impl::SocketCallback);
    curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &Impl::TimerCallback);
    curl_multi_setopt(multi, CURLMOPT_TIMERDATA, this);
    wake.setSingleShot(true);
    QObject::connect(&wake, &QTimer::timeout, &holder, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
    ticks.setInterval(50);
    QObject::connect(&ticks, &QTimer::timeout, &holder, [this] {
        resumeAnswered();
        look();
    });
    return true;
}

// libcurl says which sockets it waits on, and for what; a notifier that goes
// is deleted later, as it may be the one whose signal runs now.
int Inet::Impl::SocketCallback(CURL*, curl_socket_t s, int what, void* userp, void*) {
    static_cast<Impl*>(userp)->watch(s, what);
    return 0;
}

void Inet::Impl::watch(curl_socket_t s, int what) {
    Watch& w = watches[s];
    const auto set = [this, s](QSocketNotifier*& n, QSocketNotifier::Type type, int flag,
                               bool wanted) {
        if (!wanted) {
            if (n) n->setEnabled(false);
            return;
        }
        if (!n) {
            n = new QSocketNotifier(s, type, &holder);
            QObject::connect(n, &QSocketNotifier::activated, &holder,
                             [this, s, flag] { act(s, flag); });
        }
        n->setEnabled(true);
    };
    if (what == CURL_POLL_REMOVE) {
        for (QSocketNotifier* n : {w.in, w.out})
            if (n) {
                n->setEnabled(false);
                n->deleteLater();
            }
        watches.erase(s);
        return;
    }
    set(w.in, QSocketNotifier::Read, CURL_CSELECT_IN, what & CURL_POLL_IN);
    set(w.out, QSocketNotifier::Write, CURL_CSELECT_OUT, what & CURL_POLL_OUT);
}

int Inet::Impl::TimerCallback(CURLM*, long ms, void* userp) {
    Impl* d = static_cast<Impl*>(userp);
    if (ms < 0)
        d->wake.stop();
    else
        d->wake.start(int(std::min<long>(ms, 24L * 3600 * 1000)));
    return 0;
}

void Inet::Impl::act(curl_socket_t s, int flags) {
    if (!multi) return;
    int running = 0;
    curl_multi_socket_action(multi, s, flags, &running);
    collect();
}

// The handles that ended. Runs outside libcurl's calls, so a handle may go here.
void Inet::Impl::collect() {
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
        if (message->msg != CURLMSG_DONE) continue;
        CURL* easy = message->easy_handle;
        const CURLcode result = message->data.result;
        char* owner = nullptr;
        curl_easy_getinfo(easy, CURLINFO_PRIVATE, &owner);
        Job& which = *reinterpret_cast<Job*>(owner);
        if (easy == which.easy)
            transferEnded(which, result);
        else if (easy == which.cleanUp)
            cleanUpEnded(which, result);
    }
}

void Inet::Impl::add(Job& which) {
    which.added = true;
    curl_multi_add_handle(multi, which.easy);
    connectingShown = receivingShown = false;
    ticks.start();
}

// The handle leaves the multi handle and goes, its connections broken first.
void Inet::Impl::release(Job& which, CURL*& easy, bool dropUnsent) {
    if (!easy) return;
    which.breakConnections(dropUnsent);
    if (easy != which.easy || which.added) curl_multi_remove_handle(multi, easy);
    curl_easy_cleanup(easy);
    easy = nullptr;
}

// ---- Starting and ending a request -------------------------------------------------

// The request waits while a cancelled upload's clean-up runs: that clean-up
// deletes a file of the server, which may be the one this request sends.
bool Inet::Impl::start(const QString& server, const Operation& op) {
    responseCode = 0;
    responseInfo.clear();
    leftOnServer.clear();
    memory.clear();
    done = total = 0;
    if (!Curl().ok) {
        responseInfo = QStringLiteral("The transfer library (libcurl) cannot be loaded");
        return false;
    }
    auto next = std::make_unique<Job>();
    next->serial = ++serials;
    next->book = &book;
    next->put = op.put;
    next->server = server;
    next->remote = op.remote;
    next->local = op.local;
    next->timeout = timeout;
    if (!openFiles(*next, op)) return false;
    next->easy = curl_easy_init();
    if (!next->easy || !ensureMulti()) {
        responseInfo = QStringLiteral("The transfer could not start");
        return false;
    }
    setOptions(*next);
    job = std::move(next);
    if (cancelled.empty()) add(*job);
    return true;
}

bool Inet::Impl::openFiles(Job& job, const Operation& op) {
    if (op.put) {
        job.source = std::make_unique<QFile>(op.local);
        if (job.source->open(QIODevice::ReadOnly)) return true;
        responseInfo = QStringLiteral("Cannot read ") + op.local + QStringLiteral(": ") +
                       job.source->errorString();
    } else {
        if (op.local.isEmpty()) return true;
        job.target = std::make_unique<runtime::ReplacingFile>(op.local);
        if (job.target->open()) return true;
        responseInfo = QStringLiteral("Cannot write ") + op.local + QStringLiteral(": ") +
                       job.target->reason();
    }
    return false;
}

void Inet::Impl::setOptions(Job& job) {
    CURL* easy = job.easy;
    job.url = RemoteUrl(job.server, job.remote).toUtf8();
    SetCommonOptions(easy, job);
    curl_easy_setopt(easy, CURLOPT_URL, job.url.constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp,ftps,http,https");
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, job.errorBuffer);
    curl_easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Job::ProgressCallback);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &job);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Job::WriteCallback);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &job);
    if (job.put) {
        curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Job::ReadCallback);
        curl_easy_setopt(easy, CURLOPT_READDATA, &job);
        // Without a size an FTP upload reads to the end of the file, so that
        // ReadCallback sees the end coming.
        if (!job.url.startsWith("ftp"))
            curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(job.source->size()));
    }
}

void Inet::Impl::transferEnded(Job& which, CURLcode result) {
    which.result = result;
    curl_easy_getinfo(which.easy, CURLINFO_RESPONSE_CODE, &which.responseCode);
    release(which, which.easy, result != CURLE_OK);
    if (which.needsCleanUp()) {
        startCleanUp(which);
        return;
    }
    const quint64 serial = which.serial;
    QTimer::singleShot(0, &holder, [this, serial] { ended(serial); });
}

// An upload cut off after its first bytes has left a part of the file on the
// server, which takes it for the whole: a fresh connection asks its size and
// deletes it.
void Inet::Impl::startCleanUp(Job& which) {
    CURL* e = curl_easy_init();
    if (!e) {
        which.leftOnServer = which.mayBeLeftText();
        cleanUpEnded(which, CURLE_FAILED_INIT);
        return;
    }
    const QString name = which.remote.section(QLatin1Char('/'), -1);
    which.quote = curl_slist_append(nullptr, ("DELE " + name.toUtf8()).constData());
    SetCommonOptions(e, which);
    curl_easy_setopt(e, CURLOPT_URL, which.url.constData());
    curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(e, CURLOPT_POSTQUOTE, which.quote);
    // What the server tells of the file is read below, not written out.
    const auto ignore = +[](char*, size_t size, size_t count, void*) { return size * count; };
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, ignore);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, ignore);
    which.cleanUp = e;
    curl_multi_add_handle(multi, e);
}

void Inet::Impl::cleanUpEnded(Job& which, CURLcode asked) {
    if (which.cleanUp) {
        curl_off_t size = -1;
        curl_easy_getinfo(which.cleanUp, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
        which.leftOnServer = which.leftText(asked, size);
        release(which, which.cleanUp, false);
    }
    if (which.cancelled) {
        cancelledEnded(which);
        return;
    }
    const quint64 serial = which.serial;
    QTimer::singleShot(0, &holder, [this, serial] { ended(serial); });
}

// A cancelled request's clean-up has ended: it is told, and a request that
// waited for it starts.
void Inet::Impl::cancelledEnded(Job& which) {
    const QString left = which.leftOnServer;
    std::erase_if(cancelled, [&which](const std::unique_ptr<Job>& j) { return j.get() == &which; });
    startWaiting();
    QTimer::singleShot(0, &holder, [this, left] {
        if (owner.onCancelEnded) owner.onCancelEnded(left);
    });
}

void Inet::Impl::startWaiting() {
    if (cancelled.empty() && job && !job->added && job->easy) add(*job);
}

// The request is forgotten at once: its connections are broken and what it
// received is thrown away (an old file of that name stays). A broken upload's
// clean-up goes on, and the next request waits for it.
void Inet::Impl::cancel() {
    if (!job) return;
    std::unique_ptr<Job> which = std::move(job);
    ticks.stop();
    which->cancelled = true;
    release(*which, which->easy, true);
    if (!which->cleanUp && which->needsCleanUp() && which->added) startCleanUp(*which);
    if (which->cleanUp) cancelled.push_back(std::move(which));
}

// Every handle goes at once; a clean-up that had not ended is told as what
// may be left (when `tell`).
void Inet::Impl::abandon(bool tell) {
    if (job) {
        release(*job, job->easy, true);
        release(*job, job->cleanUp, true);
        job.reset();
    }
    ticks.stop();
    std::vector<std::unique_ptr<Job>> ending = std::move(cancelled);
    for (const std::unique_ptr<Job>& j : ending) {
        release(*j, j->cleanUp, true);
        if (tell && owner.onCancelEnded) owner.onCancelEnded(j->mayBeLeftText());
    }
}

// An upload whose end was held back goes on once the server answered.
void Inet::Impl::resumeAnswered() {
    if (!job || !job->easy || !job->holding || job->drained || !job->serverAnswered()) return;
    job->drained = true;
    curl_easy_pause(job->easy, CURLPAUSE_CONT);
    act(CURL_SOCKET_TIMEOUT, 0);
}

// The window's look at the running request: its states and its counts.
// Runs outside libcurl, so a handler may cancel or start a request.
void Inet::Impl::look() {
    if (!job || !job->added) return;
    const quint64 now = job->serial;
    const auto same = [this, now] { return job && job->serial == now; };
    if (!connectingShown) {
        connectingShown = true;
        emitState(Connecting);
        if (!same()) return;
    }
    if (job->done == done && job->total == total) return;
    done = job->done;
    total = job->total;
    if (!receivingShown && done > 0) {
        receivingShown = true;
        emitState(ReceivingResponse);
        if (!same()) return;
    }
    if (owner.onProgress) owner.onProgress();
}

void Inet::Impl::ended(quint64 serial) {
    if (!job || job->serial != serial) return;
    look();
    if (!job || job->serial != serial) return; // cancelled by a handler
    const std::unique_ptr<Job> which = std::move(job);
    ticks.stop();
    responseCode = static_cast<int>(which->responseCode);
    leftOnServer = which->leftOnServer;
    bool ok = which->result == CURLE_OK;
    if (!ok && which->target && which->target->error() != 0) { // the disk refused the data
        responseInfo = QStringLiteral("Cannot write ") + which->local + QStringLiteral(": ") +
                       which->target->reason();
    } else if (!ok) {
        responseInfo = Describe(which->result, which->put, which->timeout);
        QString detail = QString::fromUtf8(which->errorBuffer).trimmed();
        if (detail.isEmpty()) detail = QString::fromUtf8(curl_easy_strerror(which->result));
        if (responseInfo.isEmpty())
            responseInfo = QStringLiteral("The transfer failed (") + detail + QLatin1Char(')');
        else if (!detail.isEmpty())
            responseInfo += QStringLiteral(" (") + detail + QLatin1Char(')');
    } else if (which->target && !which->target->commit()) {
        ok = false;
        responseInfo = QStringLiteral("Cannot write ") + which->local + QStringLiteral(": ") +
                       which->target->reason();
    }
    which->target.reset(); // committed, or thrown away
    memory = std::move(which->memory);
    emitState(ok ? ResponseCompleted : StateError);
}

void Inet::Impl::emitState(int state) {
    if (owner.onStateChanged) owner.onStateChanged(state);
}

// ---- The control -------------------------------------------------------------------

Inet::Inet() : d_(std::make_unique<Impl>(*this)) {}
Inet::~Inet() = default;

bool Inet::Execute(const QString& url, const QString& operation) {
    if (StillExecuting()) {
        d_->responseInfo = QStringLiteral("Still executing the last request");
        return false;
    }
    const Operation op = ParseOperation(operation);
    if (!op.valid) {
        d_->responseInfo = QStringLiteral("Unknown operation: ") + operation;
        return false;
    }
    return d_->start(url, op);
}

void Inet::Cancel() {
    d_->cancel();
}

void Inet::Abandon() {
    d_->abandon(true);
}

bool Inet::StillExecuting() const {
    return d_->job != nullptr;
}

bool Inet::CleaningUp() const {
    return !d_->cancelled.empty();
}

int Inet::ResponseCode() const {
    return d_->responseCode;
}

QString Inet::ResponseInfo() const {
    return d_->responseInfo;
}

QString Inet::LeftOnServer() const {
    return d_->leftOnServer;
}

QByteArray Inet::GetChunk(int size) {
    const QByteArray chunk = d_->memory.left(size);
    d_->memory.remove(0, chunk.size());
    return chunk;
}

int Inet::requestTimeout() const {
    return d_->timeout;
}

void Inet::setRequestTimeout(int seconds) {
    d_->timeout = seconds < 0 ? 0 : seconds;
}

qint64 Inet::bytesDone() const {
    return d_->done;
}

qint64 Inet::bytesTotal() const {
    return d_->total;
}

QString Inet::RemoteUrl(const QString& server, const QString& remoteName) {
    QString base = server.trimmed();
    if (!base.contains(QStringLiteral("://"))) base.prepend(QStringLiteral("ftp://"));
    if (!base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');
    return base + QString::fromLatin1(QUrl::toPercentEncoding(remoteName, "/"));
}

// GET: the remote name is the first word, the local path the rest. PUT: the
// remote name is the last word, the local path what stands before it.
Inet::Operation Inet::ParseOperation(const QString& operation) {
    Operation op;
    const QString text = operation.trimmed();
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0) return op;
    const QString verb = text.left(blank).toUpper();
    const QString rest = text.mid(blank + 1).trimmed();
    if (verb == QLatin1String("GET")) {
        const qsizetype split = rest.indexOf(QLatin1Char(' '));
        op.remote = split < 0 ? rest : rest.left(split);
        op.local = split < 0 ? QString() : rest.mid(split + 1).trimmed();
    } else if (verb == QLatin1String("PUT")) {
        const qsizetype split = rest.lastIndexOf(QLatin1Char(' '));
        if (split < 0) return op;
        op.put = true;
        op.local = rest.left(split).trimmed();
        op.remote = rest.mid(split + 1);
    } else {
        return op;
    }
    op.valid = !op.remote.isEmpty() && (!op.put || !op.local.isEmpty());
    return op;
}

} // namespace platform
