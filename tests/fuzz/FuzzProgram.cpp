#include "FuzzProgram.h"

#include "platform/Form.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>

namespace fuzz {
namespace {

struct Process {
    int argc = 1;
    char name[16] = "mirel_fuzz";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
    QTemporaryDir folder;
    std::unique_ptr<Program> program;

    Process() {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        CopyTree(QStringLiteral(MIREL_DIST_DIR), folder.path());
        QDir().mkpath(folder.path() + QStringLiteral("/Data/Files"));
    }

    static void CopyTree(const QString& from, const QString& to) {
        const QDir source(from);
        QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString target = to + QLatin1Char('/') + source.relativeFilePath(path);
            if (QFileInfo(path).isDir())
                QDir().mkpath(target);
            else
                QFile::copy(path, target);
        }
    }
};

void RemoveFolder();

// Made once and never destroyed: windows cannot be taken down once the
// process has begun to exit. Only the temporary folder is removed then.
Process& TheProcess() {
    static Process* const process = [] {
        auto* made = new Process;
        std::atexit(&RemoveFolder);
        return made;
    }();
    return *process;
}

void RemoveFolder() {
    QDir(TheProcess().folder.path()).removeRecursively();
}

// Every modal window is closed unanswered, as the user's close button does.
void CloseModals(Program& p) {
    p.host.modal.setTestMode(true);
    p.host.modal.onUnanswered = [](platform::Form&) {};
}

} // namespace

QString ProgramFolder() {
    return TheProcess().folder.path();
}

Program& SharedProgram() {
    Process& process = TheProcess();
    if (!process.program) {
        process.program = std::make_unique<Program>(process.folder.path());
        CloseModals(*process.program);
    }
    return *process.program;
}

std::unique_ptr<Program> NewProgram() {
    auto p = std::make_unique<Program>(ProgramFolder());
    CloseModals(*p);
    return p;
}

QString WriteInput(const QString& name, const QByteArray& bytes) {
    const QString path = ProgramFolder() + QStringLiteral("/Data/Files/") + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
    return path;
}

} // namespace fuzz
