#pragma once
// A line's font as the line font list keeps it: family, script, style and
// size joined by ";" ("Arial;Western;Regular;16"). The style is a word or
// words of the interface's language ("Bold Italic"); the size is kept as the
// text it was read as.

#include <QString>

class TextTables;

struct FontSpec {
    QString family;
    QString script = QStringLiteral("Western");
    QString style;
    QString size = QStringLiteral("16");

    // The fields of a list entry: the text up to each of its first three ";"
    // (empty when that ";" is missing) and, as the size, the text after the
    // last ";" found.
    static FontSpec parse(const QString& text);
    // A Western font of the default size.
    static FontSpec western(const QString& family, const QString& style,
                            const QString& size = QStringLiteral("16"));
    // The list entry.
    QString text() const;

    bool operator==(const FontSpec&) const = default;
};

// The style words of the interface's language, as the font tab's style list
// shows them and as FontSpec entries hold them.
struct StyleWords {
    QString regular, bold, italic;

    // The words of the interface's text tables.
    static StyleWords of(const TextTables& texts);
    // The style of a line that is bold, italic, both ("Bold Italic") or neither.
    QString word(bool isBold, bool isItalic) const;
};
