#pragma once
// The words a failed transfer is told in: the transfer control's reason
// without the library's technical detail (its codes, "errno: 115"), followed
// by the file's name on the server.

#include <QString>

class TextTables;

// `info` as the transfer control reports it after an error, in the pack's
// words where the pack gives them; `serverFile` the file's name on the server.
QString PlainTransferError(const TextTables& t, const QString& info, const QString& serverFile);
