#include "platform/Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace platform {

QFunctionPointer ModuleEntry(const char* name, const char* entry) {
    QStringList dirs{QCoreApplication::applicationDirPath()};
#ifdef MIREL_MODULE_DIR
    dirs << QStringLiteral(MIREL_MODULE_DIR);
#endif
    for (const QString& dir : dirs) {
        QLibrary module(QDir(dir).filePath(QString::fromLatin1(name)));
        // Resolving loads the module.
        if (QFunctionPointer f = module.resolve(entry)) return f;
    }
    return nullptr;
}

} // namespace platform
