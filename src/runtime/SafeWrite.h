#pragma once
// Writing a file whole or not at all. The bytes go to a temporary file beside
// the target, named ".<name>.<process id>.mirel-part" (no user file is named
// so; a name too long for that gives ".mirel-<12 hex digits>.<process
// id>.mirel-part"), which takes the target's name, owner, group and
// permissions only once every byte reached the disk. A file the user may
// write in a folder the user may not, or whose owner, group or permissions a
// new file cannot take (another user's file, which only root may give away),
// is written in place: the room for the new bytes is taken before its first
// byte changes, its length staying as it was, and a failure after that puts
// the old bytes back. A kill during such an in-place write can still leave a
// mixed file.

#include <QByteArray>
#include <QString>

struct stat;

namespace runtime {

// Whether a process of this id runs, whoever's it is.
bool ProcessRuns(qint64 pid);

// The temporary file beside `target` that this process writes it through:
// the readable name, or the short one.
QString TemporaryPathFor(const QString& target, bool shortName = false);

// Whether a file name is one of Mirel's temporary files (of the file named
// `of`, when given) whose process no longer runs: a kill left it behind.
bool IsLeftTemporary(const QString& fileName, const QString& of = {});
// Removes such files from a folder; failures are ignored.
void RemoveLeftTemporaries(const QString& folder, const QString& of = {});

// A file written to its temporary file and renamed over the target by
// commit(); until then the target stays as it was. The temporary file goes
// when the object does, unless committed.
class ReplacingFile {
public:
    explicit ReplacingFile(const QString& target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool open();
    bool write(const char* data, qint64 size);
    // Syncs the bytes to the disk and renames the temporary file, then syncs
    // the folder. A failure of that last step leaves the new text in place
    // (replaced()), though perhaps not yet on the disk.
    bool commit();
    void cancel();
    // The system's reason for the last failure, and its error number.
    const QString& reason() const { return reason_; }
    int error() const { return error_; }
    // What of the old file the temporary file could not take, when open() failed for it.
    enum class NotKept { Nothing, Owner, Mode };
    NotKept notKept() const { return notKept_; }
    bool replaced() const { return replaced_; }

private:
    bool fail(int error);
    bool takeOver(const struct stat& old);

    QString target_, temporary_;
    int fd_ = -1;
    int error_ = 0;
    QString reason_;
    NotKept notKept_ = NotKept::Nothing;
    bool replaced_ = false;
};

// Writes the bytes over `path` as above. On failure returns false and sets
// *error to "Cannot write <path>: <reason>", followed for an in-place write
// by what became of the file.
bool ReplaceFileWhole(const QString& path, const QByteArray& bytes, QString* error);

} // namespace runtime
