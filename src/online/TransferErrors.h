#pragma once
// The words a failed transfer is told in: the transfer control's reason
// without the library's technical detail (its codes, "errno: 115"), and the
// file's name where the server has no such file.

#include <QString>

// `info` and `responseCode` as the transfer control reports them after an
// error; `serverFile` the file's name on the server.
QString PlainTransferError(const QString& info, int responseCode, const QString& serverFile);
