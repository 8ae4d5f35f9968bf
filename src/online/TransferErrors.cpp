#include "online/TransferErrors.h"

#include "shell/TextTables.h"

namespace {
const QString Generic = QStringLiteral("The transfer failed");
} // namespace

QString PlainTransferError(const TextTables& t, const QString& info, const QString& serverFile) {
    QString text = info.trimmed();
    // "The server cannot be reached (Failed to connect to ... ; errno: 115)":
    // the detail in brackets is the library's, not the user's; only where
    // Mirel has no words of its own it says what the library said.
    QString detail;
    if (text.endsWith(QLatin1Char(')'))) {
        const qsizetype open = text.indexOf(QStringLiteral(" ("));
        if (open > 0) {
            detail = text.mid(open);
            text.truncate(open);
        }
    }
    if (text.isEmpty()) text = Generic;
    const bool generic = text.startsWith(Generic);
    text = t.Told(text);
    if (!serverFile.isEmpty()) text += QStringLiteral(": ") + serverFile;
    return generic ? text + detail : text;
}
