#include "platform/Inet.h"

#include "runtime/SafeWrite.h"

#include <QFile>
#include <QLibrary>
#include <QLocale>
#include <QObject>
#include <QTimer>
#include <QUrl>
// libcurl is called through pointers to its functions (below), not linked.
#define CURL_DISABLE_TYPECHECK
#include <atomic>
#include <curl/curl.h>
#include <mutex>
#include <set>
#include <sys/socket.h>
#include <thread>
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
    X(easy_strerror) X(easy_perform) X(slist_append) X(slist_free_all)
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
#define curl_easy_init Curl().easy_init
#define curl_easy_setopt Curl().easy_setopt
#define curl_easy_getinfo Curl().easy_getinfo
#define curl_easy_cleanup Curl().easy_cleanup
#define curl_easy_strerror Curl().easy_strerror
#define curl_easy_perform Curl().easy_perform
#define curl_slist_append Curl().slist_append
#define curl_slist_free_all Curl().slist_free_all

namespace {

// A GET into memory stops here rather than fill the memory.
constexpr qint64 MemoryLimit = 64 * 1024 * 1024;

QString Describe(CURLcode code, int timeout) {
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
    default:
        return QString::fromUtf8(curl_easy_strerror(code));
    }
}

} // namespace

namespace {

// One request. libcurl runs it on a thread of its own, which may wait as long
// as the server makes it (a slow server's last answer after an upload, say)
// while the window's thread only looks at the counts now and then; the two
// share what is marked so.
struct Job {
    CURL* easy = nullptr;
    bool put = false;
    QString server, remote, local;
    std::unique_ptr<runtime::ReplacingFile> target;
    std::unique_ptr<QFile> source;
    QByteArray memory;
    QByteArray url;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    int timeout = 60;
    std::thread thread;

    // Shared while the thread runs.
    std::atomic<qint64> done{0}, total{0};
    std::atomic<bool> stop{false};    // cancelled: the transfer ends at once
    std::atomic<bool> abandon{false}; // the control goes: the clean-up ends too
    std::mutex mutex;
    std::set<curl_socket_t> sockets; // the transfer's open connections
    bool cleaning = false;           // the transfer is over, the clean-up runs

    // Read once the thread has ended.
    CURLcode result = CURLE_OK;
    long responseCode = 0;
    QString leftOnServer; // what a broken upload left on the server, "" when nothing

    void run();
    void removePart();
    void cut();
    static size_t WriteCallback(char* data, size_t size, size_t count, void* userp);
    static size_t ReadCallback(char* data, size_t size, size_t count, void* userp);
    static int ProgressCallback(void* userp, curl_off_t downTotal, curl_off_t downNow,
                                curl_off_t upTotal, curl_off_t upNow);
    static int CleanUpProgress(void* userp, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
    static curl_socket_t OpenSocket(void* userp, curlsocktype, curl_sockaddr* address);
    static int CloseSocket(void* userp, curl_socket_t socket);
};

void SetTimeouts(CURL* easy, int timeout) {
    if (timeout <= 0) return;
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, long(timeout));
    curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(timeout));
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, long(timeout));
}

// A socket closed after this sends no more of what it holds.
void DropUnsent(curl_socket_t s) {
    const linger drop{1, 0};
    ::setsockopt(s, SOL_SOCKET, SO_LINGER, &drop, sizeof drop);
}

// The transfer's thread.
void Job::run() {
    result = curl_easy_perform(easy);
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &responseCode);
    {
        // A connection that was used is never used again; shut down at
        // once, it cannot hold up the end with a farewell to a server that
        // went silent. After a failure what is still unsent is dropped.
        std::lock_guard lock(mutex);
        cleaning = true;
        for (const curl_socket_t s : sockets) {
            if (result != CURLE_OK) DropUnsent(s);
            ::shutdown(s, SHUT_RDWR);
        }
    }
    curl_easy_cleanup(easy);
    easy = nullptr;
    // An upload that was cut off after its first bytes has left a part of
    // the file on the server, which takes it for the whole.
    if (put && result != CURLE_OK && done > 0 && !abandon && url.startsWith("ftp")) removePart();
}

// Asks the size of what is on the server and deletes it; where the server
// does not let it, says what is left there.
void Job::removePart() {
    CURL* e = curl_easy_init();
    if (!e) return;
    const QString name = remote.section(QLatin1Char('/'), -1);
    const QByteArray remove = "DELE " + name.toUtf8();
    curl_slist* after = curl_slist_append(nullptr, remove.constData());
    curl_easy_setopt(e, CURLOPT_URL, url.constData());
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(e, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(e, CURLOPT_POSTQUOTE, after);
    // What the server tells of the file is read below, not written out.
    const auto ignore = +[](char*, size_t size, size_t count, void*) { return size * count; };
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, ignore);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, ignore);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, &Job::CleanUpProgress);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, this);
    SetTimeouts(e, timeout);
    const CURLcode asked = curl_easy_perform(e);
    curl_off_t size = -1;
    curl_easy_getinfo(e, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
    curl_easy_cleanup(e);
    curl_slist_free_all(after);
    if (asked == CURLE_OK || asked == CURLE_REMOTE_FILE_NOT_FOUND) return; // gone
    const QLocale english(QLocale::English);
    const QString whole = english.toString(qint64(total));
    if (asked == CURLE_QUOTE_ERROR && size >= 0)
        leftOnServer = QStringLiteral("%1 on the server holds %2 of %3 bytes: delete it there.")
                           .arg(name, english.toString(qint64(size)), whole);
    else
        leftOnServer =
            QStringLiteral("%1 may be on the server in part (up to %2 of %3 bytes): delete it "
                           "there.")
                .arg(name, english.toString(qint64(done)), whole);
}

// Breaks the transfer's connections (not the clean-up's), dropping what is
// still unsent rather than let it trickle out to the server.
void Job::cut() {
    std::lock_guard lock(mutex);
    if (cleaning) return;
    for (const curl_socket_t s : sockets) {
        DropUnsent(s);
        ::shutdown(s, SHUT_RDWR);
    }
}

curl_socket_t Job::OpenSocket(void* userp, curlsocktype, curl_sockaddr* address) {
    Job* job = static_cast<Job*>(userp);
    const curl_socket_t s = ::socket(address->family, address->socktype, address->protocol);
    std::lock_guard lock(job->mutex);
    if (s != CURL_SOCKET_BAD) job->sockets.insert(s);
    if (job->stop && s != CURL_SOCKET_BAD) ::shutdown(s, SHUT_RDWR);
    return s;
}

int Job::CloseSocket(void* userp, curl_socket_t socket) {
    Job* job = static_cast<Job*>(userp);
    std::lock_guard lock(job->mutex);
    job->sockets.erase(socket);
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

size_t Job::ReadCallback(char* data, size_t size, size_t count, void* userp) {
    Job* d = static_cast<Job*>(userp);
    if (d->stop) return CURL_READFUNC_ABORT;
    const qint64 got = d->source->read(data, static_cast<qint64>(size * count));
    return got < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(got);
}

int Job::ProgressCallback(void* userp, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal,
                          curl_off_t upNow) {
    Job* d = static_cast<Job*>(userp);
    d->done = d->put ? upNow : downNow;
    d->total = d->put ? upTotal : downTotal;
    return d->stop || d->abandon ? 1 : 0;
}

int Job::CleanUpProgress(void* userp, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<Job*>(userp)->abandon ? 1 : 0;
}

} // namespace

struct Inet::Impl {
    explicit Impl(Inet& owner) : owner(owner) {}
    ~Impl();

    bool start(const QString& url, const Operation& op);
    bool openFiles(Job& job, const Operation& op);
    void setOptions(Job& job);
    void cancel();
    void look();
    void ended(const std::shared_ptr<Job>& job);
    void emitState(int state);

    Inet& owner;
    QObject holder; // the context of the timer and of the threads' reports
    QTimer* ticks = nullptr;
    std::shared_ptr<Job> job;                 // the running request
    std::vector<std::shared_ptr<Job>> ending; // cancelled ones whose threads still end

    bool connectingShown = false, receivingShown = false;
    QByteArray memory;
    qint64 done = 0, total = 0;
    int responseCode = 0;
    QString responseInfo, leftOnServer;
    int timeout = 60;
};

Inet::Impl::~Impl() {
    if (job) ending.push_back(std::move(job));
    for (const std::shared_ptr<Job>& j : ending) {
        j->stop = j->abandon = true;
        j->cut();
    }
    for (const std::shared_ptr<Job>& j : ending)
        if (j->thread.joinable()) j->thread.join();
}

// ---- Starting and ending a request -------------------------------------------------

bool Inet::Impl::start(const QString& server, const Operation& op) {
    responseCode = 0;
    responseInfo.clear();
    leftOnServer.clear();
    memory.clear();
    done = total = 0;
    connectingShown = receivingShown = false;
    if (!Curl().ok) {
        responseInfo = QStringLiteral("The transfer library (libcurl) cannot be loaded");
        return false;
    }
    auto next = std::make_shared<Job>();
    next->put = op.put;
    next->server = server;
    next->remote = op.remote;
    next->local = op.local;
    next->timeout = timeout;
    if (!openFiles(*next, op)) return false;
    next->easy = curl_easy_init();
    if (!next->easy) {
        responseInfo = QStringLiteral("The transfer could not start");
        return false;
    }
    setOptions(*next);
    if (!ticks) {
        ticks = new QTimer(&holder);
        QObject::connect(ticks, &QTimer::timeout, &holder, [this] { look(); });
    }
    job = next;
    ticks->start(50);
    Job* raw = next.get();
    next->thread = std::thread([this, raw, next] {
        raw->run();
        QMetaObject::invokeMethod(
            &holder, [this, next] { ended(next); }, Qt::QueuedConnection);
    });
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
    curl_easy_setopt(easy, CURLOPT_URL, job.url.constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp,ftps,http,https");
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, job.errorBuffer);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
    // Each request has a connection of its own, shut down when it ends.
    curl_easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, &Job::OpenSocket);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETDATA, &job);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, &Job::CloseSocket);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, &job);
    SetTimeouts(easy, job.timeout);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Job::ProgressCallback);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &job);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Job::WriteCallback);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &job);
    if (job.put) {
        curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Job::ReadCallback);
        curl_easy_setopt(easy, CURLOPT_READDATA, &job);
        curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(job.source->size()));
    }
}

// The request is forgotten at once: its connections are broken, so that its
// thread ends within moments, and what it received is thrown away (an old
// file of that name stays).
void Inet::Impl::cancel() {
    if (!job) return;
    job->stop = true;
    job->cut();
    ending.push_back(std::move(job));
    ticks->stop();
}

// The window's look at the running request: its states and its counts.
// Runs outside libcurl, so a handler may cancel or start a request.
void Inet::Impl::look() {
    if (!job) return;
    const std::shared_ptr<Job> now = job;
    if (!connectingShown) {
        connectingShown = true;
        emitState(Connecting);
        if (job != now) return;
    }
    const qint64 d = now->done, t = now->total;
    if (d == done && t == total) return;
    done = d;
    total = t;
    if (!receivingShown && done > 0) {
        receivingShown = true;
        emitState(ReceivingResponse);
        if (job != now) return;
    }
    if (owner.onProgress) owner.onProgress();
}

void Inet::Impl::ended(const std::shared_ptr<Job>& which) {
    which->thread.join();
    if (which != job) {
        std::erase(ending, which);
        if (!which->leftOnServer.isEmpty() && owner.onLeftOnServer)
            owner.onLeftOnServer(which->leftOnServer);
        return;
    }
    look();
    if (which != job) { // cancelled by a handler
        std::erase(ending, which);
        return;
    }
    job.reset();
    ticks->stop();
    responseCode = static_cast<int>(which->responseCode);
    leftOnServer = which->leftOnServer;
    bool ok = which->result == CURLE_OK;
    if (!ok && which->target && which->target->error() != 0) { // the disk refused the data
        responseInfo = QStringLiteral("Cannot write ") + which->local + QStringLiteral(": ") +
                       which->target->reason();
    } else if (!ok) {
        responseInfo = Describe(which->result, which->timeout);
        const QString detail = QString::fromUtf8(which->errorBuffer).trimmed();
        if (!detail.isEmpty()) responseInfo += QStringLiteral(" (") + detail + QLatin1Char(')');
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

bool Inet::StillExecuting() const {
    return d_->job != nullptr;
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
