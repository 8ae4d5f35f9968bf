#pragma once
// Shows QString and QRect values in GoogleTest's failure messages.

#include <QRect>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.x() << " " << r.y() << " " << r.width() << " " << r.height();
}
