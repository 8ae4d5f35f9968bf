#pragma once
// The shared libraries this process has mapped, for the tests that check a
// library is loaded only when first needed.

#include <QFile>
#include <QStringList>

// The paths of the mapped files whose names contain any of `parts`.
inline QStringList mappedLibraries(const QStringList& parts) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return {QStringLiteral("(no /proc/self/maps)")};
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        for (const QString& part : parts)
            if (line.contains('/') && path.section(QLatin1Char('/'), -1).contains(part) &&
                !found.contains(path))
                found << path;
    }
    return found;
}
