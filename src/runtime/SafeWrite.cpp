#include "runtime/SafeWrite.h"

#include "runtime/Strings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
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
#include <sys/statvfs.h>
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
    return English("Cannot write %1: %2").arg(path, reason);
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

// A new directory entry reaches the disk with its folder; 0 or the error
// number of a sync that failed. A folder that cannot be opened for it, or a
// file system that syncs no folders, is no failure.
int SyncFolder(const QString& folder) {
    const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    const int result = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
    ::close(fd);
    return result;
}

// The stem of the short name of a temporary file, for a name too long to be
// part of one: "mirel-" and twelve hex digits of a hash of the name.
QString ShortStem(const QString& fileName) {
    const QByteArray hash =
        QCryptographicHash::hash(fileName.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("mirel-") + QString::fromLatin1(hash);
}

// A new file that no one else made: a file of that name (left by an ended
// process that had this process's id) is removed first.
int CreateNew(const QString& path, mode_t mode) {
    const QByteArray name = Native(path);
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    const int fd = ::open(name.constData(), flags, mode);
    if (fd >= 0 || errno != EEXIST || ::unlink(name.constData()) != 0) return fd;
    return ::open(name.constData(), flags, mode);
}

} // namespace

// EPERM: the process is another user's.
bool ProcessRuns(qint64 pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

QString TemporaryPathFor(const QString& target, bool shortName) {
    const QFileInfo info(target);
    const QString stem = shortName ? ShortStem(info.fileName()) : info.fileName();
    return info.path() + QStringLiteral("/.") + stem + QLatin1Char('.') +
           QString::number(QCoreApplication::applicationPid()) + kMark;
}

bool IsLeftTemporary(const QString& fileName, const QString& of) {
    static const QRegularExpression temporary(
        QStringLiteral("^\\.(.+)\\.([0-9]{1,10})\\.mirel-part$"));
    const QRegularExpressionMatch match = temporary.match(fileName);
    if (!match.hasMatch()) return false;
    if (!of.isEmpty() && match.captured(1) != of && match.captured(1) != ShortStem(of))
        return false;
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

// The readable name first; a name too long to be part of it takes the short
// one. A file the user may not write is not replaced, though its folder
// allows it.
bool ReplacingFile::open() {
    cancel();
    notKept_ = NotKept::Nothing;
    replaced_ = false;
    const QFileInfo target(target_);
    RemoveLeftTemporaries(target.path(), target.fileName());
    struct stat old {};
    const bool existing = ::stat(Native(target_).constData(), &old) == 0 && S_ISREG(old.st_mode);
    if (existing && ::access(Native(target_).constData(), W_OK) != 0) return fail(errno);
    // The new text is never open to more users than the old one was.
    const mode_t mode = existing ? old.st_mode & 0777 : 0666;
    for (const bool shortName : {false, true}) {
        temporary_ = TemporaryPathFor(target_, shortName);
        fd_ = CreateNew(temporary_, mode);
        if (fd_ >= 0 || errno != ENAMETOOLONG) break;
    }
    if (fd_ < 0) {
        temporary_.clear();
        return fail(errno);
    }
    if (!existing || takeOver(old)) return true;
    const int error = errno;
    cancel();
    return fail(error);
}

// The temporary file takes the old file's owner, group and permissions,
// which the rename hands on to the target. A change of owner (only root may
// give a file away) comes first, since it clears the set-user-id bits.
bool ReplacingFile::takeOver(const struct stat& old) {
    struct stat now {};
    if (::fstat(fd_, &now) != 0) return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd_, old.st_uid, old.st_gid) != 0) {
        notKept_ = NotKept::Owner;
        return false;
    }
    const mode_t mode = old.st_mode & 07777;
    if (::fchmod(fd_, mode) == 0) return true;
    const int error = errno;
    if (::fstat(fd_, &now) == 0 && (now.st_mode & 07777) == mode) return true;
    notKept_ = NotKept::Mode;
    errno = error;
    return false;
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
    replaced_ = true;
    if (const int error = SyncFolder(QFileInfo(target_).path())) return fail(error);
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

// Whether the file's disk has `bytes` more bytes free for this process.
bool RoomOnDisk(int fd, qint64 bytes) {
    struct statvfs disk {};
    if (::fstatvfs(fd, &disk) != 0) return true; // unknown: the write will tell
    const auto blocks = ::geteuid() == 0 ? disk.f_bfree : disk.f_bavail;
    return double(blocks) * double(disk.f_frsize) >= double(bytes);
}

// Room for `size` bytes before any byte changes; 0 or the refusal's error
// number. The file keeps its length, so that a kill before the first byte
// leaves it as it was; a refusal that took part of the room gives it back.
// A file system that reserves no room is asked whether it has the room.
int Reserve(int fd, qint64 oldSize, qint64 size) {
    if (!WithinSizeLimit(std::max(oldSize, size))) return EFBIG;
    if (size <= oldSize) return 0;
    int result = 0;
    do
        result = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(size)) == 0 ? 0 : errno;
    while (result == EINTR);
    if (result == EOPNOTSUPP) return RoomOnDisk(fd, size - oldSize) ? 0 : ENOSPC;
    if (result != 0) (void)::ftruncate(fd, off_t(oldSize));
    return result;
}

// The file's whole content, synced; 0 or the failure's error number. It is
// cut to its new length only once every byte is written.
int Overwrite(int fd, const QByteArray& bytes) {
    if (!WriteLoop(fd, bytes.constData(), bytes.size(), 0)) return errno;
    if (::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0) return errno;
    return 0;
}

// The old bytes again. What the failed write added past them goes first, so
// that nothing stands beyond the old length even when they cannot be written.
int PutBack(int fd, const QByteArray& old) {
    struct stat st {};
    int cut = 0;
    if (::fstat(fd, &st) == 0 && st.st_size > old.size() && ::ftruncate(fd, off_t(old.size())) != 0)
        cut = errno;
    const int back = Overwrite(fd, old);
    return back != 0 ? back : cut;
}

QString InPlaceFailure(const QString& path, const QString& cause, int error,
                       const QString& outcome) {
    return English("%1. %2, so the save went into the file itself; %3")
        .arg(CannotWrite(path, SystemReason(error)), cause, outcome);
}

// Why a file is written in place: no temporary file can be made beside it,
// or none can take its owner or permissions. "" when it is not.
QString InPlaceCause(const ReplacingFile& file) {
    if (file.notKept() == ReplacingFile::NotKept::Owner)
        return English("Its owner or group cannot be given to a new file");
    if (file.notKept() == ReplacingFile::NotKept::Mode)
        return English("Its permissions cannot be given to a new file");
    switch (file.error()) {
    case ENAMETOOLONG:
        return English("Its name is too long for a temporary file beside it");
    case EACCES:
    case EPERM:
        return English("Its folder cannot be written");
    default:
        return QString();
    }
}

bool IsRegularFile(const QString& path) {
    struct stat st {};
    return ::stat(Native(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// The old bytes are read first, so that a failure can put them back.
bool WriteInPlace(const QString& path, const QString& shown, const QByteArray& bytes,
                  const QString& cause, QString* error) {
    const int fd = ::open(Native(path).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Fail(error, CannotWrite(shown, SystemReason(errno)));
    const auto failed = [&](int code, const QString& outcome) {
        ::close(fd);
        return Fail(error, InPlaceFailure(shown, cause, code, outcome));
    };
    const QString untouched = English("nothing in it was changed.");
    QByteArray old;
    if (!ReadAll(fd, old)) return failed(errno, untouched);
    if (const int refused = Reserve(fd, old.size(), bytes.size()))
        return failed(refused, untouched);
    const int written = Overwrite(fd, bytes);
    if (written == 0) {
        ::close(fd);
        return true;
    }
    const int back = PutBack(fd, old);
    if (back == 0) return failed(written, English("its old text was put back."));
    return failed(written,
                  English("its old text could not be put back (%1), so the file may be damaged.")
                      .arg(SystemReason(back)));
}

// A file with more than one name keeps them all only when it is written in
// place: a new file renamed over one name would leave the others the old text.
bool HasOtherNames(const QString& path) {
    struct stat st {};
    return ::stat(Native(path).constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink > 1;
}

} // namespace

bool ReplaceFileWhole(const QString& path, const QByteArray& bytes, QString* error) {
    if (HasOtherNames(path))
        return WriteInPlace(Resolved(path), path, bytes,
                            English("It has other names (hard links), which a new file would "
                                    "not share"),
                            error);
    ReplacingFile file(path);
    if (file.open()) {
        if (file.write(bytes.constData(), bytes.size()) && file.commit()) return true;
        if (!file.replaced()) return Fail(error, CannotWrite(path, file.reason()));
        return Fail(error, English("%1. The file holds the new text, but its folder did not "
                                   "reach the disk: if the system stops before it does, the file "
                                   "may be lost or old again.")
                               .arg(CannotWrite(path, file.reason())));
    }
    const QString target = Resolved(path);
    const QString cause = InPlaceCause(file);
    if (cause.isEmpty() || !IsRegularFile(target))
        return Fail(error, CannotWrite(path, file.reason()));
    return WriteInPlace(target, path, bytes, cause, error);
}

} // namespace runtime
