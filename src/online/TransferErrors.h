#pragma once
// The words a failed transfer is told in: the transfer control's reason
// without the library's technical detail (its codes, "errno: 115"), followed
// by the file's name on the server.

#include <QString>

// `info` as the transfer control reports it after an error; `serverFile` the
// file's name on the server.
QString PlainTransferError(const QString& info, const QString& serverFile);
