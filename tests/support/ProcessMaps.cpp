#include "support/ProcessMaps.h"

#include <QFile>

QStringList mappedLibraries(const QStringList& parts) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return {QStringLiteral("(no /proc/self/maps)")};
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype slash = line.indexOf('/');
        if (slash < 0) continue;
        const QString path = QString::fromLocal8Bit(line.mid(slash));
        const QString name = path.section(QLatin1Char('/'), -1);
        for (const QString& part : parts)
            if (name.contains(part) && !found.contains(path)) found << path;
    }
    return found;
}
