#pragma once
// What a control shows of a text far longer than any control can show: its
// start and an ellipsis. Laying a text out costs by its whole length, also
// where all but its start lies out of sight, so a cell, a caption or a field
// the user is not working in shows no more than this; the text itself stays
// whole wherever it is kept.

#include <QString>

namespace platform {

// More characters than the widest control shows on the widest screen.
constexpr qsizetype LongTextShown = 2000;

inline bool IsLongText(const QString& text) {
    return text.size() > LongTextShown;
}

inline QString ShownStart(const QString& text) {
    if (!IsLongText(text)) return text;
    qsizetype cut = LongTextShown;
    if (text[cut - 1].isHighSurrogate()) --cut; // never half a character
    return text.left(cut) + QChar(0x2026);
}

} // namespace platform
