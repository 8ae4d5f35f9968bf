#include "online/TransferErrors.h"

namespace {
const QString MissingFile = QStringLiteral("The file is not on the server");
} // namespace

QString PlainTransferError(const QString& info, int responseCode, const QString& serverFile) {
    QString text = info.trimmed();
    // "The server cannot be reached (Failed to connect to ... ; errno: 115)":
    // the detail in brackets is the library's, not the user's.
    if (text.endsWith(QLatin1Char(')'))) {
        const qsizetype open = text.indexOf(QStringLiteral(" ("));
        if (open > 0) text.truncate(open);
    }
    // A refused upload also ends on 550; only a missing file is told so.
    (void)responseCode;
    if (text.startsWith(MissingFile) && !serverFile.isEmpty())
        return MissingFile + QStringLiteral(": ") + serverFile;
    if (text.isEmpty()) return QStringLiteral("The transfer failed");
    return text;
}
