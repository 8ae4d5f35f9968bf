#include "platform/Inet.h"

#include <QFile>
#include <QLibrary>
#include <QObject>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>
// libcurl is called through pointers to its functions (below), not linked.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <map>
#include <set>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

// libcurl (and the many libraries it brings) is loaded with the first
// transfer, so a start that sends nothing maps none of it. Its global set-up
// runs once, when it is loaded; ok is false when it cannot be.
// clang-format off
#define MIREL_CURL_FUNCTIONS(X)                                                         \
    X(global_init) X(easy_init) X(easy_setopt) X(easy_getinfo) X(easy_cleanup)          \
    X(easy_strerror) X(multi_init) X(multi_setopt) X(multi_add_handle)                  \
    X(multi_remove_handle) X(multi_socket_action) X(multi_info_read) X(multi_cleanup)
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
#define curl_multi_init Curl().multi_init
#define curl_multi_setopt Curl().multi_setopt
#define curl_multi_add_handle Curl().multi_add_handle
#define curl_multi_remove_handle Curl().multi_remove_handle
#define curl_multi_socket_action Curl().multi_socket_action
#define curl_multi_info_read Curl().multi_info_read
#define curl_multi_cleanup Curl().multi_cleanup

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

struct Inet::Impl {
    explicit Impl(Inet& owner) : owner(owner) {}
    ~Impl();

    bool startMulti();
    bool start(const QString& url, const Operation& op);
    bool openFiles(const Operation& op);
    void setOptions(const QString& url, const Operation& op);
    void release();
    void finish(CURLcode result);
    void action(curl_socket_t socket, int mask);
    void afterAction();
    void watch(curl_socket_t socket, int what);
    void setNotifier(QSocketNotifier*& notifier, curl_socket_t socket, QSocketNotifier::Type type,
                     bool on);
    void emitState(int state);

    static int SocketCallback(CURL*, curl_socket_t s, int what, void* userp, void*);
    static int TimerCallback(CURLM*, long ms, void* userp);
    static size_t WriteCallback(char* data, size_t size, size_t count, void* userp);
    static size_t ReadCallback(char* data, size_t size, size_t count, void* userp);
    static int ProgressCallback(void* userp, curl_off_t downTotal, curl_off_t downNow,
                                curl_off_t upTotal, curl_off_t upNow);
    static curl_socket_t OpenSocket(void* userp, curlsocktype, curl_sockaddr* address);
    static int CloseSocket(void* userp, curl_socket_t socket);
    void dropConnections();

    struct Watch {
        QSocketNotifier* read = nullptr;
        QSocketNotifier* write = nullptr;
    };

    Inet& owner;
    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    QObject holder; // parent of the notifiers and the timer
    QTimer* timer = nullptr;
    std::map<curl_socket_t, Watch> sockets;
    std::set<curl_socket_t> opened; // every socket libcurl opened and has not closed

    bool put = false;
    QString local;
    std::unique_ptr<QSaveFile> target;
    std::unique_ptr<QFile> source;
    QByteArray memory;
    QByteArray url;
    char errorBuffer[CURL_ERROR_SIZE] = {};

    bool connectingShown = false, receivingShown = false, progressChanged = false;
    qint64 done = 0, total = 0;
    int responseCode = 0;
    QString responseInfo;
    int timeout = 60;
};

// The transfer loop is made with the first request.
bool Inet::Impl::startMulti() {
    if (multi) return true;
    if (!Curl().ok || !(multi = curl_multi_init())) return false;
    timer = new QTimer(&holder);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, &holder, [this] { action(CURL_SOCKET_TIMEOUT, 0); });
    curl_multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &Impl::SocketCallback);
    curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &Impl::TimerCallback);
    curl_multi_setopt(multi, CURLMOPT_TIMERDATA, this);
    curl_multi_setopt(multi, CURLMOPT_MAXCONNECTS, 1L);
    return true;
}

Inet::Impl::~Impl() {
    release();
    if (multi) curl_multi_cleanup(multi);
}

// ---- Starting and ending a request -------------------------------------------------

bool Inet::Impl::start(const QString& server, const Operation& op) {
    responseCode = 0;
    responseInfo.clear();
    memory.clear();
    done = total = 0;
    connectingShown = receivingShown = progressChanged = false;
    put = op.put;
    local = op.local;
    if (!startMulti()) {
        responseInfo = QStringLiteral("The transfer library (libcurl) cannot be loaded");
        return false;
    }
    if (!openFiles(op)) return false;
    easy = curl_easy_init();
    if (!easy) {
        responseInfo = QStringLiteral("The transfer could not start");
        release();
        return false;
    }
    setOptions(server, op);
    curl_multi_add_handle(multi, easy);
    return true;
}

bool Inet::Impl::openFiles(const Operation& op) {
    if (op.put) {
        source = std::make_unique<QFile>(op.local);
        if (source->open(QIODevice::ReadOnly)) return true;
        responseInfo = QStringLiteral("Cannot read ") + op.local + QStringLiteral(": ") +
                       source->errorString();
    } else {
        if (op.local.isEmpty()) return true;
        target = std::make_unique<QSaveFile>(op.local);
        if (target->open(QIODevice::WriteOnly)) return true;
        responseInfo = QStringLiteral("Cannot write ") + op.local + QStringLiteral(": ") +
                       target->errorString();
    }
    release();
    return false;
}

void Inet::Impl::setOptions(const QString& server, const Operation& op) {
    url = RemoteUrl(server, op.remote).toUtf8();
    errorBuffer[0] = '\0';
    curl_easy_setopt(easy, CURLOPT_URL, url.constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp,ftps,http,https");
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
    // Each request has a connection of its own: a kept FTP connection that a
    // later request takes up may wait for ever on its data connection here.
    // (A used connection is shut down, see dropConnections, and closed when
    // the next one replaces it.)
    curl_easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, &Impl::OpenSocket);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, &Impl::CloseSocket);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, this);
    if (timeout > 0) {
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, long(timeout));
        curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(timeout));
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, long(timeout));
    }
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Impl::ProgressCallback);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Impl::WriteCallback);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    if (op.put) {
        curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Impl::ReadCallback);
        curl_easy_setopt(easy, CURLOPT_READDATA, this);
        curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(source->size()));
    }
}

// Forgets the request: the handle leaves the loop, a file being received is
// thrown away (an old file of that name stays), a file being sent is closed.
// The sockets stay watched as libcurl asks: it keeps the connection for the
// next request.
void Inet::Impl::release() {
    if (easy) {
        curl_multi_remove_handle(multi, easy);
        curl_easy_cleanup(easy);
        easy = nullptr;
    }
    if (target) target->cancelWriting();
    target.reset();
    source.reset();
    dropConnections();
}

// A connection that was used is never used again; shut down at once, it
// cannot hold up the window later with a farewell to a server that went
// silent.
void Inet::Impl::dropConnections() {
    for (const curl_socket_t s : opened)
        ::shutdown(s, SHUT_RDWR);
}

void Inet::Impl::finish(CURLcode result) {
    long code = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
    responseCode = static_cast<int>(code);
    bool ok = result == CURLE_OK;
    if (!ok) {
        responseInfo = Describe(result, timeout);
        const QString detail = QString::fromUtf8(errorBuffer).trimmed();
        if (!detail.isEmpty()) responseInfo += QStringLiteral(" (") + detail + QLatin1Char(')');
    } else if (target && !target->commit()) {
        ok = false;
        responseInfo =
            QStringLiteral("Cannot write ") + local + QStringLiteral(": ") + target->errorString();
    }
    target.reset(); // committed, or thrown away by release()
    release();
    emitState(ok ? ResponseCompleted : StateError);
}

void Inet::Impl::emitState(int state) {
    if (owner.onStateChanged) owner.onStateChanged(state);
}

// ---- The event loop's side -----------------------------------------------------------

// Also between requests: libcurl looks after the connection it keeps.
void Inet::Impl::action(curl_socket_t socket, int mask) {
    int running = 0;
    curl_multi_socket_action(multi, socket, mask, &running);
    afterAction();
}

// Runs outside libcurl's own calls, so a handler may cancel or start a request.
void Inet::Impl::afterAction() {
    if (easy && !connectingShown) {
        connectingShown = true;
        emitState(Connecting);
    }
    if (easy && progressChanged) {
        progressChanged = false;
        if (!receivingShown && done > 0) {
            receivingShown = true;
            emitState(ReceivingResponse);
        }
        if (easy && owner.onProgress) owner.onProgress();
    }
    if (!easy) return;
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &left)) {
        if (message->msg != CURLMSG_DONE) continue;
        finish(message->data.result);
        return;
    }
}

void Inet::Impl::watch(curl_socket_t socket, int what) {
    Watch& w = sockets[socket];
    const bool in = what == CURL_POLL_IN || what == CURL_POLL_INOUT;
    const bool out = what == CURL_POLL_OUT || what == CURL_POLL_INOUT;
    setNotifier(w.read, socket, QSocketNotifier::Read, in);
    setNotifier(w.write, socket, QSocketNotifier::Write, out);
    if (what == CURL_POLL_REMOVE) sockets.erase(socket);
}

// A notifier may be removed from inside its own signal: it is switched off
// at once and deleted later.
void Inet::Impl::setNotifier(QSocketNotifier*& notifier, curl_socket_t socket,
                             QSocketNotifier::Type type, bool on) {
    if (on && notifier) {
        notifier->setEnabled(true);
    } else if (on) {
        notifier = new QSocketNotifier(socket, type, &holder);
        const int mask = type == QSocketNotifier::Read ? CURL_CSELECT_IN : CURL_CSELECT_OUT;
        QObject::connect(notifier, &QSocketNotifier::activated, &holder,
                         [this, socket, mask] { action(socket, mask); });
    } else if (notifier) {
        notifier->setEnabled(false);
        notifier->deleteLater();
        notifier = nullptr;
    }
}

curl_socket_t Inet::Impl::OpenSocket(void* userp, curlsocktype, curl_sockaddr* address) {
    const curl_socket_t s = ::socket(address->family, address->socktype, address->protocol);
    if (s != CURL_SOCKET_BAD) static_cast<Impl*>(userp)->opened.insert(s);
    return s;
}

int Inet::Impl::CloseSocket(void* userp, curl_socket_t socket) {
    static_cast<Impl*>(userp)->opened.erase(socket);
    return ::close(socket);
}

int Inet::Impl::SocketCallback(CURL*, curl_socket_t s, int what, void* userp, void*) {
    static_cast<Impl*>(userp)->watch(s, what);
    return 0;
}

int Inet::Impl::TimerCallback(CURLM*, long ms, void* userp) {
    QTimer* timer = static_cast<Impl*>(userp)->timer;
    if (ms < 0)
        timer->stop();
    else
        timer->start(static_cast<int>(ms));
    return 0;
}

size_t Inet::Impl::WriteCallback(char* data, size_t size, size_t count, void* userp) {
    Impl* d = static_cast<Impl*>(userp);
    const qint64 bytes = static_cast<qint64>(size * count);
    if (d->target) return d->target->write(data, bytes) == bytes ? size * count : 0;
    if (d->memory.size() + bytes > MemoryLimit) return 0;
    d->memory.append(data, bytes);
    return size * count;
}

size_t Inet::Impl::ReadCallback(char* data, size_t size, size_t count, void* userp) {
    Impl* d = static_cast<Impl*>(userp);
    const qint64 got = d->source->read(data, static_cast<qint64>(size * count));
    return got < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(got);
}

int Inet::Impl::ProgressCallback(void* userp, curl_off_t downTotal, curl_off_t downNow,
                                 curl_off_t upTotal, curl_off_t upNow) {
    Impl* d = static_cast<Impl*>(userp);
    const qint64 now = d->put ? upNow : downNow;
    const qint64 whole = d->put ? upTotal : downTotal;
    if (now != d->done || whole != d->total) {
        d->done = now;
        d->total = whole;
        d->progressChanged = true;
    }
    return 0;
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
    d_->release();
}

bool Inet::StillExecuting() const {
    return d_->easy != nullptr;
}

int Inet::ResponseCode() const {
    return d_->responseCode;
}

QString Inet::ResponseInfo() const {
    return d_->responseInfo;
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
