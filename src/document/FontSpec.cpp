#include "document/FontSpec.h"

FontSpec FontSpec::parse(const QString& text) {
    FontSpec f;
    f.script.clear();
    f.size.clear();
    QString* fields[] = {&f.family, &f.script, &f.style};
    qsizetype from = 0;
    for (QString* field : fields) {
        const qsizetype semi = text.indexOf(u';', from);
        if (semi < 0) break;
        *field = text.mid(from, semi - from);
        from = semi + 1;
    }
    f.size = text.mid(from);
    return f;
}

FontSpec FontSpec::western(const QString& family, const QString& style, const QString& size) {
    FontSpec f;
    f.family = family;
    f.style = style;
    f.size = size;
    return f;
}

QString FontSpec::text() const {
    return family + u';' + script + u';' + style + u';' + size;
}
