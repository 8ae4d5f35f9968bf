#include "document/FontSpec.h"

#include "shell/TextTables.h"

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

StyleWords StyleWords::of(const TextTables& texts) {
    return {texts.TextTable(4, 25), texts.TextTable(4, 26), texts.TextTable(4, 27)};
}

QString StyleWords::word(bool isBold, bool isItalic) const {
    if (isBold && isItalic) return bold + QLatin1Char(' ') + italic;
    if (isBold) return bold;
    if (isItalic) return italic;
    return regular;
}
