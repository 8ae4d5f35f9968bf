#include "runtime/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {

namespace {

const QString kMark = QStringLiteral(".mirel-part");

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

bool Fail(QString* error, const QString& message) {
    if (error) *error = message;
    return false;
}

QString CannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot write %1: %2").arg(path, reason);
}

// The file a write replaces: a symbolic link's target, so that the link
// stays a link.
QString Resolved(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

// Writes all bytes at `at`, or at the file's position when `at` is negative.
// A device that takes only part of them is asked for the rest, so that the
// refusal that follows carries the system's reason in errno.
bool WriteLoop(int fd, const char* data, qint64 size, qint64 at = -1) {
    while (size > 0) {
        const ssize_t n =
            at < 0 ? ::write(fd, data, size_t(size)) : ::pwrite(fd, data, size_t(size), at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data += n;
        size -= n;
        if (at >= 0) at += n;
    }
    return true;
}

bool ReadAll(int fd, QByteArray& bytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return false;
    bytes.resize(qsizetype(st.st_size));
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break; // it got shorter while being read
        done += n;
    }
    bytes.truncate(done);
    return true;
}

// A new directory entry reaches the disk with its folder.
void SyncFolder(const QString& folder) {
    const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

// EPERM: the process is another user's.
bool ProcessRuns(qint64 pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

QString TemporaryPathFor(const QString& target) {
    const QFileInfo info(target);
    return info.path() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') +
           QString::number(QCoreApplication::applicationPid()) + kMark;
}

bool IsLeftTemporary(const QString& fileName, const QString& of) {
    static const QRegularExpression temporary(
        QStringLiteral("^\\.(.+)\\.([0-9]{1,10})\\.mirel-part$"));
    const QRegularExpressionMatch match = temporary.match(fileName);
    if (!match.hasMatch() || (!of.isEmpty() && match.captured(1) != of)) return false;
    return !ProcessRuns(match.captured(2).toLongLong());
}

void RemoveLeftTemporaries(const QString& folder, const QString& of) {
    QDir dir(folder);
    const QStringList names =
        dir.entryList({QLatin1Char('*') + kMark}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (IsLeftTemporary(name, of)) dir.remove(name);
}

ReplacingFile::ReplacingFile(const QString& target) : target_(Resolved(target)) {}

ReplacingFile::~ReplacingFile() {
    cancel();
}

bool ReplacingFile::fail(int error) {
    error_ = error;
    reason_ = SystemReason(error);
    return false;
}

// The temporary file takes the old file's permissions, which the rename
// hands on to the target.
bool ReplacingFile::open() {
    cancel();
    const QFileInfo target(target_);
    RemoveLeftTemporaries(target.path(), target.fileName());
    const QString temporary = TemporaryPathFor(target_);
    struct stat old {};
    const bool existing = ::stat(Native(target_).constData(), &old) == 0 && S_ISREG(old.st_mode);
    // A file the user may not write is not replaced, though its folder allows it.
    if (existing && ::access(Native(target_).constData(), W_OK) != 0) return fail(errno);
    fd_ = ::open(Native(temporary).constData(),
                 O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0) return fail(errno);
    temporary_ = temporary;
    if (existing) ::fchmod(fd_, old.st_mode & 07777);
    return true;
}

bool ReplacingFile::write(const char* data, qint64 size) {
    if (fd_ < 0) return fail(EBADF);
    return WriteLoop(fd_, data, size) || fail(errno);
}

bool ReplacingFile::commit() {
    if (fd_ < 0) return fail(EBADF);
    if (::fsync(fd_) != 0) return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errno);
    if (::rename(Native(temporary_).constData(), Native(target_).constData()) != 0)
        return fail(errno);
    temporary_.clear();
    SyncFolder(QFileInfo(target_).path());
    return true;
}

void ReplacingFile::cancel() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty()) ::unlink(Native(temporary_).constData());
    temporary_.clear();
}

namespace {

// Whether a file-size limit lets this process write up to `size` bytes; past
// it not even the old bytes could be put back.
bool WithinSizeLimit(qint64 size) {
    rlimit limit{};
    return ::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
           static_cast<rlim_t>(size) <= limit.rlim_cur;
}

// Room for `size` bytes before any byte changes; 0 or the refusal's error
// number. A refusal that took part of the room gives it back.
int Reserve(int fd, qint64 oldSize, qint64 size) {
    if (!WithinSizeLimit(std::max(oldSize, size))) return EFBIG;
    if (size <= oldSize) return 0;
    int result = 0;
    do
        result = ::posix_fallocate(fd, 0, off_t(size));
    while (result == EINTR);
    struct stat st {};
    if (result != 0 && ::fstat(fd, &st) == 0 && st.st_size != oldSize)
        (void)::ftruncate(fd, off_t(oldSize));
    return result;
}

// The file's whole content, synced; 0 or the failure's error number.
int Overwrite(int fd, const QByteArray& bytes) {
    if (!WriteLoop(fd, bytes.constData(), bytes.size(), 0)) return errno;
    if (::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0) return errno;
    return 0;
}

QString InPlaceFailure(const QString& path, int why, int error, const QString& outcome) {
    const QString cause =
        why == ENAMETOOLONG ? QStringLiteral("Its name is too long for a temporary file beside it")
                            : QStringLiteral("Its folder cannot be written");
    return CannotWrite(path, SystemReason(error)) + QStringLiteral(". ") + cause +
           QStringLiteral(", so the save went into the file itself; ") + outcome;
}

// A regular file that no temporary file can be made beside.
bool MayWriteInPlace(const QString& path, int why) {
    struct stat st {};
    return (why == EACCES || why == EPERM || why == ENAMETOOLONG) &&
           ::stat(Native(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// The old bytes are read first, so that a failure can put them back.
bool WriteInPlace(const QString& path, const QString& shown, const QByteArray& bytes, int why,
                  QString* error) {
    const int fd = ::open(Native(path).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Fail(error, CannotWrite(shown, SystemReason(errno)));
    const auto failed = [&](int code, const QString& outcome) {
        ::close(fd);
        return Fail(error, InPlaceFailure(shown, why, code, outcome));
    };
    const QString untouched = QStringLiteral("nothing in it was changed.");
    QByteArray old;
    if (!ReadAll(fd, old)) return failed(errno, untouched);
    if (const int refused = Reserve(fd, old.size(), bytes.size()))
        return failed(refused, untouched);
    const int written = Overwrite(fd, bytes);
    if (written == 0) {
        ::close(fd);
        return true;
    }
    const int back = Overwrite(fd, old);
    if (back == 0) return failed(written, QStringLiteral("its old text was put back."));
    return failed(written, QStringLiteral("its old text could not be put back (%1), so the file "
                                          "may be damaged.")
                               .arg(SystemReason(back)));
}

} // namespace

bool ReplaceFileWhole(const QString& path, const QByteArray& bytes, QString* error) {
    ReplacingFile file(path);
    if (file.open()) {
        if (file.write(bytes.constData(), bytes.size()) && file.commit()) return true;
        return Fail(error, CannotWrite(path, file.reason()));
    }
    const QString target = Resolved(path);
    if (!MayWriteInPlace(target, file.error()))
        return Fail(error, CannotWrite(path, file.reason()));
    return WriteInPlace(target, path, bytes, file.error(), error);
}

} // namespace runtime
