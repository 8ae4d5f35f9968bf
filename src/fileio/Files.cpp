#include "fileio/Files.h"
#include "shell/Program.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

Files::Files(Program& p) : p_(p) {}

Files::DiskState Files::DiskStateOf(const QString& path) {
    DiskState state;
    state.path = QFileInfo(path).canonicalFilePath();
    struct stat st {};
    if (state.path.isEmpty() || ::stat(QFile::encodeName(state.path).constData(), &st) != 0)
        return {};
    state.size = static_cast<long long>(st.st_size);
    state.seconds = static_cast<long long>(st.st_mtim.tv_sec);
    state.nanoseconds = static_cast<long long>(st.st_mtim.tv_nsec);
    state.inode = static_cast<unsigned long long>(st.st_ino);
    return state;
}

void Files::RememberDiskState(const QString& path) {
    remembered_ = DiskStateOf(path);
}

bool Files::IsRememberedFile(const QString& path) const {
    return !remembered_.path.isEmpty() && QFileInfo(path).canonicalFilePath() == remembered_.path;
}

bool Files::ChangedOnDisk(const QString& path) const {
    if (!IsRememberedFile(path)) return false;
    return !(DiskStateOf(path) == remembered_);
}

// Another Mirel (or any program) saved over the document's file since this
// Mirel read or saved it: writing now would undo that without a word.
bool Files::MayOverwriteChange(const QString& path) {
    return !ChangedOnDisk(path) || askChangedOnDisk(path);
}

bool Files::MayOverwriteSince(const QString& path, const DiskState& seen) {
    return DiskStateOf(path) == seen || askChangedOnDisk(path);
}

bool Files::askChangedOnDisk(const QString& path) {
    return p_.messages.ShowMessage(p_.texts.Say("%1 was changed on disk since Mirel read it. "
                                                "Overwrite it?",
                                                MessageWindow::Verbatim(path)),
                                   KindExclamation, QStringLiteral("yesno"),
                                   QStringLiteral("File changed on disk"), false,
                                   {path, Question::ChangedOnDisk}) == AnswerYes;
}
