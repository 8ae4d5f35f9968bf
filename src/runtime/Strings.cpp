#include "runtime/Strings.h"

namespace runtime {

QString LTrim(const QString& s) {
    qsizetype first = 0;
    while (first < s.size() && s.at(first) == u' ')
        ++first;
    return s.mid(first);
}

QString RTrim(const QString& s) {
    qsizetype last = s.size();
    while (last > 0 && s.at(last - 1) == u' ')
        --last;
    return s.left(last);
}

QString Trim(const QString& s) {
    return LTrim(RTrim(s));
}

QStringView TrimView(QStringView s) {
    while (s.startsWith(u' '))
        s = s.sliced(1);
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

} // namespace runtime
