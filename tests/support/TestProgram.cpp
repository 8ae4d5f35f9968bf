#include "support/TestProgram.h"

#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

void answerModalsInTest(platform::ModalService& modal) {
    modal.setTestMode(true);
    modal.onUnanswered = [](platform::Form& form) {
        ADD_FAILURE() << "modal window " << form.name().toStdString()
                      << " was shown and the test queued no answer for it";
    };
}

void answerModalsWithCancel(platform::ModalService& modal, QStringList* shown) {
    modal.onUnanswered = [shown](platform::Form& form) {
        if (shown) *shown << form.name();
        if (auto* box = dynamic_cast<frmMessageBox*>(&form)) box->cmdActionClick(AnswerCancel);
    };
}

void expectAllAnswersTaken(const platform::ModalService& modal) {
    EXPECT_EQ(modal.pendingAnswers(), 0u)
        << "the test queued answers for windows that were never shown";
}

void queueReply(platform::ModalService& modal, int button, Message* seen) {
    queueAnswer<frmMessageBox>(modal, [button, seen](frmMessageBox& m) {
        if (seen) *seen = {m.Label4.caption(), m.Label1.caption()};
        m.cmdActionClick(button);
    });
}

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
    answerModalsInTest(program_->host.modal);
}

TestProgram::~TestProgram() {
    expectAllAnswersTaken(program_->host.modal);
}

QString TestProgram::writeFile(const QString& relative, const QByteArray& bytes) {
    return writeFileAt(dir_.path() + QLatin1Char('/') + relative, bytes);
}

QString TestProgram::dataFilesPath(const QString& name) const {
    return dir_.path() + "/Data/Files/" + name;
}

QString TestProgram::writeDataFile(const QString& name, const QByteArray& bytes) {
    return writeFile("Data/Files/" + name, bytes);
}

QString TestProgram::loadDataFile(const QString& name, const QByteArray& bytes) {
    const QString path = writeDataFile(name, bytes);
    mustLoad(*program_, path);
    return path;
}

void TestProgram::reply(int button, Message* seen) {
    queueReply(program_->host.modal, button, seen);
}

Loaded loadSubFile(Program& p, const QString& path, int format, bool add, bool interactive,
                   bool progress) {
    QString name = path;
    int row = add ? p.doc.grid().rows() - 1 : 1;
    p.loader.LoadSubFile(name, format, row, false, progress, interactive);
    return {format, row};
}

void mustLoad(Program& p, const QString& path) {
    loadSubFile(p, path);
    ASSERT_TRUE(p.loader.LoadOk) << path.toStdString();
}

bool saveDocument(Program& p, const QString& path, int format) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    p.fileChooser().lblFullName.setCaption(path);
    return p.files.CreateSubFile(false, false, format, 1, p.doc.lineCount(), false);
}
