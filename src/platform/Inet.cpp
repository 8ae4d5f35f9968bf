#include "platform/Inet.h"

#include "runtime/SafeWrite.h"
#include "runtime/Strings.h"

#include <QFile>
#include <QLibrary>
#include <QLocale>
#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <QUrl>
// libcurl is called through pointers to its functions (below), not linked.
#define CURL_DISABLE_TYPECHECK
#include <chrono>
#include <curl/curl.h>
#include <deque>
#include <linux/sockios.h>
#include <map>
#include <mutex>
#include <poll.h>
#include <set>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// libcurl (and the many libraries it brings) is loaded with the first
// transfer, so a start that sends nothing maps none of it. Loading it calls
// none of its functions: its global set-up runs on the transfer thread.
// clang-format off
#define MIREL_CURL_FUNCTIONS(X)                                                         \
    X(global_init) X(easy_init) X(easy_setopt) X(easy_getinfo) X(easy_cleanup)          \
    X(easy_strerror) X(slist_append) X(slist_free_all) X(multi_init) X(multi_cleanup)   \
    X(multi_add_handle) X(multi_remove_handle) X(multi_perform) X(multi_poll)           \
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
        c.ok = all;
        return c;
    }();
    return curl;
}

// The global set-up, once for every transfer thread of the process.
bool CurlReady() {
    static const bool ready = Curl().ok && Curl().global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

} // namespace

#undef curl_easy_setopt
#undef curl_easy_getinfo
#define curl_easy_init Curl().easy_init
#define curl_easy_setopt Curl().easy_setopt
#define curl_easy_getinfo Curl().easy_getinfo
#define curl_easy_cleanup Curl().easy_cleanup
#define curl_easy_strerror Curl().easy_strerror
#define curl_slist_append Curl().slist_append
#define curl_slist_free_all Curl().slist_free_all
#define curl_multi_init Curl().multi_init
#define curl_multi_cleanup Curl().multi_cleanup
#define curl_multi_add_handle Curl().multi_add_handle
#define curl_multi_remove_handle Curl().multi_remove_handle
#define curl_multi_perform Curl().multi_perform
#define curl_multi_poll Curl().multi_poll
#define curl_multi_info_read Curl().multi_info_read
#define curl_easy_pause Curl().easy_pause

namespace {

using Clock = std::chrono::steady_clock;

// A GET into memory stops here rather than fill the memory.
constexpr qint64 MemoryLimit = 64 * 1024 * 1024;
// A cancelled upload's clean-up ends this long after the Cancel, answered or
// not: what it could not delete by then is told as what may be left.
constexpr int CleanUpMs = 800;
// How often the transfer thread looks at a running request (its progress,
// an upload's held end) when libcurl has nothing to say.
constexpr int LookMs = 50;

// What failed, in Mirel's words; "" where the library's words are all there
// is. `server` is set for failures of the server itself (its name, its
// address, the login, its silence) rather than of the file.
QString Describe(CURLcode code, bool put, int timeout, bool* server) {
    *server = true;
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return runtime::English("The server's name is not known");
    case CURLE_COULDNT_CONNECT:
        return runtime::English("The server cannot be reached");
    case CURLE_OPERATION_TIMEDOUT:
        return runtime::English("The server did not answer within %1 seconds").arg(timeout);
    case CURLE_LOGIN_DENIED:
        return runtime::English("The server refused the login");
    default:
        break;
    }
    *server = false;
    switch (code) {
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return runtime::English("The file is not on the server");
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
        return runtime::English("The server refused the file");
    case CURLE_WRITE_ERROR:
        return runtime::English("The received data could not be stored");
    case CURLE_READ_ERROR:
        return runtime::English("The file to send could not be read");
    case CURLE_UNSUPPORTED_PROTOCOL:
        return runtime::English("The server address names no FTP or HTTP server");
    case CURLE_URL_MALFORMAT:
        return runtime::English(
            "The server address or the file's name cannot be used in a request");
    case CURLE_PARTIAL_FILE:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return put ? runtime::English("The server broke off before the whole file was sent")
                   : runtime::English("The server broke off before the whole file arrived");
    default:
        return {};
    }
}

// `done` is the most the server can hold. Once every byte went out, a
// server that broke off may hold all of them as well as a part.
QString MayBeLeft(const QString& remote, qint64 done, qint64 total) {
    const QLocale english(QLocale::English);
    const QString name = remote.section(QLatin1Char('/'), -1);
    if (done >= total)
        return runtime::English("%1 may be on the server, whole or in part (%2 bytes were sent): "
                                "delete it there.")
            .arg(name, english.toString(total));
    return runtime::English("%1 may be on the server in part (up to %2 of %3 bytes): delete it "
                            "there.")
        .arg(name, english.toString(done), english.toString(total));
}

// The sockets libcurl opened for each request, so that a request's own
// connections can be broken, from either thread, without touching another's.
// Opening and closing go through it too, under its lock: a closed number may
// come back for another socket.
struct Job;
struct SocketBook {
    std::mutex lock;
    std::map<curl_socket_t, Job*> owners;
};

// One request: its transfer and, where an upload broke after its first bytes,
// the clean-up that removes the part on the server. The window's thread makes
// it and hands it to the transfer thread, which alone touches its handles
// and counts until it hands it back with its end.
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
    QString detail; // the library's words for a failure
    int timeout = 60;

    // The transfer thread's alone.
    CURL* easy = nullptr;    // the transfer, until it ended
    CURL* cleanUp = nullptr; // the removal of a broken upload's part, while it runs
    curl_slist* quote = nullptr;
    bool added = false; // the transfer is on the multi handle (else it waits)
    bool cancelled = false;
    bool holding = false, drained = false; // see ReadCallback
    Clock::time_point cleanUpEnd;
    qint64 sent = 0, received = 0, total = 0;
    qint64 tookAtEnd = -1; // what the server took, counted before the connections went
    CURLcode result = CURLE_OK;
    long responseCode = 0;
    QString leftOnServer; // what a broken upload left on the server, "" when nothing

    // Written under the book's lock by the transfer thread, which alone reads
    // them without it.
    std::set<curl_socket_t> sockets;   // open connections of the transfer or its clean-up
    std::vector<curl_socket_t> opened; // in the order opened: the control connection first

    ~Job();
    void breakConnections(bool dropUnsent);
    bool needsCleanUp() const {
        return put && (cancelled || result != CURLE_OK) && sent > 0 && url.startsWith("ftp");
    }
    qint64 took() const;
    qint64 serverTook() const { return tookAtEnd >= 0 ? tookAtEnd : took(); }
    QString leftText(CURLcode asked, curl_off_t size) const;
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
    const std::lock_guard<std::mutex> hold(book->lock);
    for (const curl_socket_t s : sockets)
        book->owners.erase(s);
}

// A socket closed after this sends no more of what it holds.
void DropUnsent(curl_socket_t s) {
    const linger drop{1, 0};
    ::setsockopt(s, SOL_SOCKET, SO_LINGER, &drop, sizeof drop);
}

// A connection that was used is never used again: shut down at once, it
// cannot hold up an end with a farewell to a server that went silent, and a
// libcurl call waiting on it returns. After a failure or a Cancel what is
// still unsent is dropped rather than let it trickle out to the server.
void Job::breakConnections(bool dropUnsent) {
    const std::lock_guard<std::mutex> hold(book->lock);
    for (const curl_socket_t s : sockets) {
        if (dropUnsent) DropUnsent(s);
        ::shutdown(s, SHUT_RDWR);
    }
}

// What the server took of an upload: what went out less what its connection
// still holds unacknowledged (the system may hold megabytes for a slow
// server). What a download received.
qint64 Job::took() const {
    if (!put) return received;
    int queued = 0;
    const curl_socket_t data = connection(true);
    if (data == CURL_SOCKET_BAD || ::ioctl(data, SIOCOUTQ, &queued) != 0) queued = 0;
    return std::max<qint64>(0, sent - queued);
}

QString Job::leftText(CURLcode asked, curl_off_t size) const {
    if (asked == CURLE_OK || asked == CURLE_REMOTE_FILE_NOT_FOUND) return {}; // gone
    if (asked != CURLE_QUOTE_ERROR || size < 0) return MayBeLeft(remote, serverTook(), total);
    const QLocale english(QLocale::English);
    return runtime::English("%1 on the server holds %2 of %3 bytes: delete it there.")
        .arg(remote.section(QLatin1Char('/'), -1), english.toString(qint64(size)),
             english.toString(total));
}

curl_socket_t Job::OpenSocket(void* userp, curlsocktype, curl_sockaddr* address) {
    Job* job = static_cast<Job*>(userp);
    const std::lock_guard<std::mutex> hold(job->book->lock);
    const curl_socket_t s = ::socket(address->family, address->socktype, address->protocol);
    if (s == CURL_SOCKET_BAD) return s;
    job->sockets.insert(s);
    job->opened.push_back(s);
    job->book->owners[s] = job;
    return s;
}

int Job::CloseSocket(void* userp, curl_socket_t socket) {
    SocketBook* book = static_cast<SocketBook*>(userp);
    const std::lock_guard<std::mutex> hold(book->lock);
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
    d->received += bytes; // counted here: libcurl may not report the last bytes before it waits
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

// Once an FTP upload's last byte is out, libcurl waits for the server's last
// answer with the response time limit, while a slow server may still be
// taking in what the connection holds. So the end is held back: the data
// connection is closed for sending, which lets the server finish, and the
// transfer goes on (drained) once the server took every byte or answered.
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
    d->sent = upNow;
    d->received = std::max<qint64>(d->received, downNow);
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

void SetTransferOptions(CURL* easy, Job& job) {
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
    if (!job.put) return;
    curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Job::ReadCallback);
    curl_easy_setopt(easy, CURLOPT_READDATA, &job);
    // Without a size an FTP upload reads to the end of the file, so that
    // ReadCallback sees the end coming.
    if (!job.url.startsWith("ftp"))
        curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(job.source->size()));
}

using JobPtr = std::shared_ptr<Job>;

// The window's side of the control, told by the transfer thread.
struct Window {
    virtual void started(quint64 serial) = 0;
    virtual void progressed(quint64 serial, qint64 done, qint64 total) = 0;
    virtual void ended(quint64 serial) = 0;
    virtual void cleanUpEnded(quint64 serial, const QString& left) = 0;

protected:
    ~Window() = default;
};

// The transfer thread: the one multi handle and every request's handles,
// one request at a time, in the order the window's thread posted them. It
// waits in libcurl, however long a server keeps it (inside libcurl's own
// blocking steps too); the window's thread never does. What it tells goes
// to the window's thread as queued calls, in order.
class Engine {
public:
    Engine() : wakeFd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}
    ~Engine() { ::close(wakeFd_); }

    // From the window's thread.
    void post(std::function<void(Engine&)> command);
    void setWindow(QObject* receiver, Window* window);
    SocketBook& book() { return book_; }
    void run();

    // On the transfer thread (the posted commands).
    void start(const JobPtr& job);
    void cancel(quint64 serial);
    void drop(quint64 serial);
    void abandon();
    void quit() { quit_ = true; }

private:
    template <class F> void tell(F f);
    bool takeCommands();
    void look();
    void wait();
    void add(Job& job);
    void collect();
    void transferEnded(const JobPtr& job, CURLcode result);
    void startCleanUp(const JobPtr& job);
    void cleanUpEnded(const JobPtr& job, CURLcode asked);
    void finished(const Job& job);
    void release(Job& job, CURL*& easy, bool dropUnsent);
    void startWaiting();
    void reportProgress(Job& job, bool always);
    JobPtr* find(quint64 serial);

    // Shared with the window's thread, under lock_.
    std::mutex lock_;
    std::deque<std::function<void(Engine&)>> commands_;
    QObject* receiver_ = nullptr;
    Window* window_ = nullptr;
    const int wakeFd_;
    SocketBook book_;

    // The transfer thread's alone.
    CURLM* multi_ = nullptr;
    JobPtr running_;
    std::deque<JobPtr> waiting_;   // behind a clean-up, which may delete the file they send
    std::vector<JobPtr> cleaning_; // broken uploads whose part is being deleted
    bool quit_ = false;
    qint64 toldDone_ = -1, toldTotal_ = -1;
    Clock::time_point toldAt_;
};

void Engine::post(std::function<void(Engine&)> command) {
    {
        const std::lock_guard<std::mutex> hold(lock_);
        commands_.push_back(std::move(command));
    }
    const quint64 one = 1;
    (void)!::write(wakeFd_, &one, sizeof one);
}

void Engine::setWindow(QObject* receiver, Window* window) {
    const std::lock_guard<std::mutex> hold(lock_);
    receiver_ = receiver;
    window_ = window;
}

// A call on the window's thread, dropped once the window's side went.
template <class F> void Engine::tell(F f) {
    const std::lock_guard<std::mutex> hold(lock_);
    if (!receiver_) return;
    Window* window = window_;
    QMetaObject::invokeMethod(
        receiver_, [window, f] { f(*window); }, Qt::QueuedConnection);
}

void Engine::run() {
    const bool ready = CurlReady();
    if (ready) multi_ = curl_multi_init();
    while (takeCommands()) {
        if (multi_) {
            int running = 0;
            curl_multi_perform(multi_, &running);
            collect();
            look();
        }
        wait();
    }
    abandon();
    if (multi_) curl_multi_cleanup(multi_);
}

bool Engine::takeCommands() {
    std::deque<std::function<void(Engine&)>> now;
    {
        const std::lock_guard<std::mutex> hold(lock_);
        now.swap(commands_);
    }
    for (auto& command : now)
        command(*this);
    return !quit_;
}

// Waits for libcurl's sockets, the window's thread's next command, or the
// next look at a running request.
void Engine::wait() {
    const bool busy = running_ || !cleaning_.empty();
    const int ms = busy ? LookMs : 1000;
    if (multi_) {
        curl_waitfd wake{wakeFd_, CURL_WAIT_POLLIN, 0};
        curl_multi_poll(multi_, &wake, 1, ms, nullptr);
    } else {
        pollfd wake{wakeFd_, POLLIN, 0};
        ::poll(&wake, 1, ms);
    }
    quint64 count = 0;
    (void)!::read(wakeFd_, &count, sizeof count);
}

// The running request's counts go to the window; an upload whose end was
// held back goes on once the server took every byte or answered.
void Engine::look() {
    if (!running_ || !running_->added || !running_->easy) return;
    Job& job = *running_;
    if (job.holding && !job.drained && (job.took() >= job.sent || job.serverAnswered())) {
        job.drained = true;
        curl_easy_pause(job.easy, CURLPAUSE_CONT);
    }
    reportProgress(job, false);
}

void Engine::reportProgress(Job& job, bool always) {
    const qint64 done = job.took(), total = job.total;
    if (done == toldDone_ && total == toldTotal_) return;
    if (!always && Clock::now() - toldAt_ < std::chrono::milliseconds(LookMs)) return;
    toldDone_ = done;
    toldTotal_ = total;
    toldAt_ = Clock::now();
    const quint64 serial = job.serial;
    tell([serial, done, total](Window& w) { w.progressed(serial, done, total); });
}

void Engine::start(const JobPtr& job) {
    if (!multi_) {
        job->result = CURLE_FAILED_INIT;
        finished(*job);
        return;
    }
    waiting_.push_back(job);
    startWaiting();
}

void Engine::startWaiting() {
    while (!running_ && cleaning_.empty() && !waiting_.empty()) {
        running_ = std::move(waiting_.front());
        waiting_.pop_front();
        add(*running_);
    }
}

void Engine::add(Job& job) {
    job.easy = curl_easy_init();
    if (!job.easy) {
        job.result = CURLE_FAILED_INIT;
        finished(job);
        running_.reset();
        return;
    }
    SetTransferOptions(job.easy, job);
    job.added = true;
    curl_multi_add_handle(multi_, job.easy);
    toldDone_ = toldTotal_ = -1;
    const quint64 serial = job.serial;
    tell([serial](Window& w) { w.started(serial); });
}

// The handles that ended. Runs outside libcurl's calls, so a handle may go here.
void Engine::collect() {
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &queued)) {
        if (message->msg != CURLMSG_DONE) continue;
        CURL* easy = message->easy_handle;
        const CURLcode result = message->data.result;
        char* owner = nullptr;
        curl_easy_getinfo(easy, CURLINFO_PRIVATE, &owner);
        const Job* which = reinterpret_cast<Job*>(owner);
        if (running_.get() == which && easy == which->easy) {
            transferEnded(running_, result);
            continue;
        }
        for (const JobPtr& j : cleaning_)
            if (j.get() == which && easy == j->cleanUp) {
                cleanUpEnded(JobPtr(j), result);
                break;
            }
    }
}

// The handle leaves the multi handle and goes, its connections broken first.
void Engine::release(Job& job, CURL*& easy, bool dropUnsent) {
    if (!easy) return;
    job.breakConnections(dropUnsent);
    if (easy != job.easy || job.added) curl_multi_remove_handle(multi_, easy);
    curl_easy_cleanup(easy);
    easy = nullptr;
}

void Engine::transferEnded(const JobPtr& job, CURLcode result) {
    const JobPtr which = job; // running_ goes below
    which->result = result;
    curl_easy_getinfo(which->easy, CURLINFO_RESPONSE_CODE, &which->responseCode);
    reportProgress(*which, true);
    which->tookAtEnd = which->took();
    release(*which, which->easy, result != CURLE_OK);
    running_.reset();
    if (which->needsCleanUp()) {
        which->cleanUpEnd = Clock::now() + std::chrono::milliseconds(CleanUpMs);
        startCleanUp(which);
    } else {
        finished(*which);
    }
    startWaiting();
}

// The request goes back to the window's thread with what it brought.
void Engine::finished(const Job& job) {
    Job& which = const_cast<Job&>(job);
    if (which.result != CURLE_OK) {
        which.detail = QString::fromUtf8(which.errorBuffer).trimmed();
        if (which.detail.isEmpty())
            which.detail = QString::fromUtf8(curl_easy_strerror(which.result));
    }
    const quint64 serial = which.serial;
    tell([serial](Window& w) { w.ended(serial); });
}

// An upload cut off after its first bytes has left a part of the file on the
// server, which takes it for the whole: a fresh connection asks its size and
// deletes it, within the clean-up's time.
void Engine::startCleanUp(const JobPtr& job) {
    cleaning_.push_back(job);
    CURL* e = curl_easy_init();
    if (!e) {
        cleanUpEnded(job, CURLE_FAILED_INIT);
        return;
    }
    const QString name = job->remote.section(QLatin1Char('/'), -1);
    job->quote = curl_slist_append(nullptr, ("DELE " + name.toUtf8()).constData());
    SetCommonOptions(e, *job);
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(job->cleanUpEnd - Clock::now());
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, long(std::max<qint64>(1, left.count())));
    curl_easy_setopt(e, CURLOPT_URL, job->url.constData());
    curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(e, CURLOPT_POSTQUOTE, job->quote);
    // What the server tells of the file is read below, not written out.
    const auto ignore = +[](char*, size_t size, size_t count, void*) { return size * count; };
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, ignore);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, ignore);
    job->cleanUp = e;
    curl_multi_add_handle(multi_, e);
}

void Engine::cleanUpEnded(const JobPtr& job, CURLcode asked) {
    if (job->cleanUp) {
        curl_off_t size = -1;
        curl_easy_getinfo(job->cleanUp, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
        job->leftOnServer = job->leftText(asked, size);
        release(*job, job->cleanUp, false);
    } else {
        job->leftOnServer = MayBeLeft(job->remote, job->serverTook(), job->total);
    }
    if (job->quote) curl_slist_free_all(job->quote);
    job->quote = nullptr;
    std::erase(cleaning_, job);
    if (job->cancelled) {
        const quint64 serial = job->serial;
        const QString left = job->leftOnServer;
        tell([serial, left](Window& w) { w.cleanUpEnded(serial, left); });
    } else {
        finished(*job);
    }
    startWaiting();
}

JobPtr* Engine::find(quint64 serial) {
    if (running_ && running_->serial == serial) return &running_;
    for (JobPtr& j : waiting_)
        if (j->serial == serial) return &j;
    for (JobPtr& j : cleaning_)
        if (j->serial == serial) return &j;
    return nullptr;
}

// The request is forgotten: its connections are broken and what it received
// is thrown away (an old file of that name stays). A broken upload's
// clean-up starts, and the next request waits for it; a cancelled upload is
// always told when nothing more will be deleted.
void Engine::cancel(quint64 serial) {
    JobPtr* found = find(serial);
    if (!found) { // it ended meanwhile: nothing of it runs
        tell([serial](Window& w) { w.cleanUpEnded(serial, QString()); });
        return;
    }
    const JobPtr which = *found;
    which->cancelled = true;
    if (which->cleanUp) return; // its end is told as a Cancel's
    if (which->easy) which->tookAtEnd = which->took();
    release(*which, which->easy, true);
    if (running_ == which) running_.reset();
    std::erase(waiting_, which);
    if (which->needsCleanUp()) {
        which->cleanUpEnd = Clock::now() + std::chrono::milliseconds(CleanUpMs);
        startCleanUp(which);
    } else if (which->put) {
        tell([serial](Window& w) { w.cleanUpEnded(serial, QString()); });
    }
    startWaiting();
}

// The window gave up on a clean-up (it was told as what may be left).
void Engine::drop(quint64 serial) {
    for (const JobPtr& j : cleaning_)
        if (j->serial == serial) {
            const JobPtr which = j;
            release(*which, which->cleanUp, true);
            if (which->quote) curl_slist_free_all(which->quote);
            which->quote = nullptr;
            std::erase(cleaning_, which);
            break;
        }
    startWaiting();
}

// Every handle goes at once, nothing told.
void Engine::abandon() {
    std::vector<JobPtr> all(cleaning_.begin(), cleaning_.end());
    if (running_) all.push_back(running_);
    for (const JobPtr& j : all) {
        release(*j, j->easy, true);
        release(*j, j->cleanUp, true);
        if (j->quote) curl_slist_free_all(j->quote);
        j->quote = nullptr;
    }
    running_.reset();
    waiting_.clear();
    cleaning_.clear();
}

} // namespace

// ---- The window's side -------------------------------------------------------------

struct Inet::Impl : Window {
    explicit Impl(Inet& owner) : owner(owner) {}
    ~Impl();

    bool start(const QString& url, const Operation& op);
    bool openFiles(Job& job, const Operation& op);
    bool ensureEngine();
    void cancel();
    void abandon(bool tell);
    void giveUpCleanUp(quint64 serial);
    void emitState(int state);

    void started(quint64 serial) override;
    void progressed(quint64 serial, qint64 done, qint64 total) override;
    void ended(quint64 serial) override;
    void cleanUpEnded(quint64 serial, const QString& left) override;
    void finish(Job& which);

    // A cancelled upload whose clean-up runs, with what the window last saw of it.
    struct Cleaning {
        JobPtr job;
        qint64 done = 0, total = 0;
    };

    Inet& owner;
    QObject holder; // receives the transfer thread's reports and the clean-ups' deadlines
    std::shared_ptr<Engine> engine;
    JobPtr job; // the request: waiting, running or ending
    std::map<quint64, Cleaning> cleaning;
    quint64 serials = 0;

    bool connectingShown = false, receivingShown = false;
    QByteArray memory;
    qint64 done = 0, total = 0;
    int responseCode = 0;
    bool serverFailed = false;
    QString responseInfo, leftOnServer;
    int timeout = 60;
};

// Every transfer ends at once: nothing is waited for, not even a name lookup
// or a server's last answer; the transfer thread ends on its own.
Inet::Impl::~Impl() {
    abandon(false);
    if (!engine) return;
    engine->setWindow(nullptr, nullptr);
    engine->post([](Engine& e) { e.quit(); });
}

bool Inet::Impl::ensureEngine() {
    if (engine) return true;
    engine = std::make_shared<Engine>();
    engine->setWindow(&holder, this);
    std::thread([e = engine] { e->run(); }).detach();
    return true;
}

// The request waits on the transfer thread while a cancelled upload's
// clean-up runs: that clean-up deletes a file of the server, which may be
// the one this request sends.
bool Inet::Impl::start(const QString& server, const Operation& op) {
    responseCode = 0;
    serverFailed = false;
    responseInfo.clear();
    leftOnServer.clear();
    memory.clear();
    done = total = 0;
    if (!Curl().ok) {
        responseInfo = runtime::English("The transfer library (libcurl) cannot be loaded");
        return false;
    }
    ensureEngine();
    auto next = std::make_shared<Job>();
    next->serial = ++serials;
    next->book = &engine->book();
    next->put = op.put;
    next->server = server;
    next->remote = op.remote;
    next->local = op.local;
    next->timeout = timeout;
    next->url = RemoteUrl(server, op.remote).toUtf8();
    if (!openFiles(*next, op)) return false;
    job = next;
    connectingShown = receivingShown = false;
    engine->post([next](Engine& e) { e.start(next); });
    return true;
}

bool Inet::Impl::openFiles(Job& job, const Operation& op) {
    if (op.put) {
        job.source = std::make_unique<QFile>(op.local);
        if (job.source->open(QIODevice::ReadOnly)) return true;
        responseInfo =
            runtime::English("Cannot read %1: %2").arg(op.local, job.source->errorString());
    } else {
        if (op.local.isEmpty()) return true;
        job.target = std::make_unique<runtime::ReplacingFile>(op.local);
        if (job.target->open()) return true;
        responseInfo = runtime::English("Cannot write %1: %2").arg(op.local, job.target->reason());
    }
    return false;
}

// The request is forgotten at once; its connections are broken here, so
// that a libcurl call waiting on them returns. A cancelled upload is
// cleaning up until the transfer thread tells its end, or its time is up.
void Inet::Impl::cancel() {
    if (!job) return;
    const JobPtr which = std::move(job);
    which->breakConnections(true);
    const quint64 serial = which->serial;
    if (which->put) {
        cleaning[serial] = {which, done, total};
        QTimer::singleShot(CleanUpMs + 100, &holder, [this, serial] { giveUpCleanUp(serial); });
    }
    engine->post([serial](Engine& e) { e.cancel(serial); });
}

// A clean-up the server did not answer in time is told as what may be left.
void Inet::Impl::giveUpCleanUp(quint64 serial) {
    const auto found = cleaning.find(serial);
    if (found == cleaning.end()) return;
    const Cleaning gone = found->second;
    cleaning.erase(found);
    gone.job->breakConnections(true);
    engine->post([serial](Engine& e) { e.drop(serial); });
    if (owner.onCancelEnded)
        owner.onCancelEnded(MayBeLeft(gone.job->remote, gone.done, gone.total));
}

// Every request and clean-up goes at once, the transfer thread told to drop
// them; a clean-up that had not ended is told as what may be left (when
// `tell`).
void Inet::Impl::abandon(bool tell) {
    if (!engine) return;
    if (job) job->breakConnections(true);
    job.reset();
    const std::map<quint64, Cleaning> ending = std::move(cleaning);
    cleaning.clear();
    for (const auto& [serial, c] : ending)
        c.job->breakConnections(true);
    engine->post([](Engine& e) { e.abandon(); });
    for (const auto& [serial, c] : ending)
        if (tell && owner.onCancelEnded)
            owner.onCancelEnded(MayBeLeft(c.job->remote, c.done, c.total));
}

// ---- The transfer thread's reports, on the window's thread -------------------------
// Each runs outside libcurl and the transfer thread, so a handler may cancel
// or start a request.

void Inet::Impl::started(quint64 serial) {
    if (!job || job->serial != serial || connectingShown) return;
    connectingShown = true;
    emitState(Connecting);
}

void Inet::Impl::progressed(quint64 serial, qint64 doneNow, qint64 totalNow) {
    if (const auto c = cleaning.find(serial); c != cleaning.end()) {
        c->second.done = doneNow;
        c->second.total = totalNow;
    }
    if (!job || job->serial != serial) return;
    done = doneNow;
    total = totalNow;
    if (!receivingShown && done > 0) {
        receivingShown = true;
        emitState(ReceivingResponse);
        if (!job || job->serial != serial) return;
    }
    if (owner.onProgress) owner.onProgress();
}

void Inet::Impl::ended(quint64 serial) {
    if (!job || job->serial != serial) return;
    const JobPtr which = std::move(job);
    finish(*which);
}

void Inet::Impl::finish(Job& which) {
    responseCode = static_cast<int>(which.responseCode);
    leftOnServer = which.leftOnServer;
    bool ok = which.result == CURLE_OK;
    if (!ok && which.target && which.target->error() != 0) { // the disk refused the data
        responseInfo =
            runtime::English("Cannot write %1: %2").arg(which.local, which.target->reason());
    } else if (!ok) {
        responseInfo = Describe(which.result, which.put, which.timeout, &serverFailed);
        if (responseInfo.isEmpty())
            responseInfo =
                QStringLiteral("The transfer failed (") + which.detail + QLatin1Char(')');
        else if (!which.detail.isEmpty())
            responseInfo += QStringLiteral(" (") + which.detail + QLatin1Char(')');
        if (which.result == CURLE_FAILED_INIT)
            responseInfo = runtime::English("The transfer could not start");
    } else if (which.target && !which.target->commit()) {
        ok = false;
        responseInfo =
            runtime::English("Cannot write %1: %2").arg(which.local, which.target->reason());
    }
    which.target.reset(); // committed, or thrown away
    memory = std::move(which.memory);
    emitState(ok ? ResponseCompleted : StateError);
}

void Inet::Impl::cleanUpEnded(quint64 serial, const QString& left) {
    if (cleaning.erase(serial) == 0) return; // given up already
    if (owner.onCancelEnded) owner.onCancelEnded(left);
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
    return !d_->cleaning.empty();
}

int Inet::ResponseCode() const {
    return d_->responseCode;
}

QString Inet::ResponseInfo() const {
    return d_->responseInfo;
}

bool Inet::ServerFailed() const {
    return d_->serverFailed;
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
