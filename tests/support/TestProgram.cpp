#include "support/TestProgram.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

bool copyTree(const QString& from, const QString& to) {
    QDir src(from);
    if (!src.exists()) return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + src.relativeFilePath(path);
        if (QFileInfo(path).isDir()) {
            if (!QDir().mkpath(target)) return false;
        } else if (!QFile::copy(path, target)) {
            return false;
        }
    }
    return true;
}

TestProgram::TestProgram() {
    EXPECT_TRUE(dir_.isValid());
    EXPECT_TRUE(copyTree(QStringLiteral(MIREL_DIST_DIR), dir_.path()));
    program_ = std::make_unique<Program>(dir_.path());
    program_->host.modal.setTestMode(true);
    program_->host.modal.onUnanswered = [](platform::Form& form) {
        ADD_FAILURE() << "modal window " << form.name().toStdString()
                      << " was shown and the test queued no answer for it";
    };
}

TestProgram::~TestProgram() {
    EXPECT_EQ(program_->host.modal.pendingAnswers(), 0u)
        << "the test queued answers for windows that were never shown";
}

QString TestProgram::writeFile(const QString& relative, const QByteArray& bytes) {
    const QString path = dir_.path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
        return path;
    }
    f.write(bytes);
    return path;
}
