// The download page's Load: the selected entry of the download list is
// fetched from the server into this run's scratch folder; its completion
// (OnlineCompletion.cpp) stores it in \Data\Files and loads it.

#include "document/MessageWindow.h"
#include "online/OnlineLists.h"
#include "online/OnlineTab.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString WaitingText = QStringLiteral("Getting data. Please wait...");
} // namespace

void OnlineLists::DownloadSelected() {
    QStringList fields;
    if (!SelectedEntry(fields)) return;
    Online& online = p_.online;
    Online::Request request;
    request.kind = Online::Download;
    request.serverName = fields[1] + QStringLiteral(".ssf");
    request.format = FormatOfEntry(fields[2]);
    request.localName = fields[0] + Files::SetSubFileExt(request.format);
    const QString copy = online.DownloadCopy();
    QDir().mkpath(QFileInfo(copy).absolutePath());
    request.operation = QStringLiteral("GET ") + request.serverName + QLatin1Char(' ') + copy;

    platform::StatusBar& status = p_.main().StatusBar1;
    online.SavedStatusText = status.panelText(2);
    status.setPanelText(2, WaitingText);
    online.DownloadName = request.localName;
    FollowLanguage(fields[3]);
    // With "Auto select" ticked, the file's language picks the script its
    // 8-bit text is read in.
    p_.settings().AutoSelectScript(fields[3]);
    if (!online.Execute(request) && status.panelText(2) == WaitingText)
        status.setPanelText(2, online.SavedStatusText);
}

// The selected row's five fields, trimmed. A row that is no entry, or an
// entry whose names are not plain file names, is refused with a message.
bool OnlineLists::SelectedEntry(QStringList& fields) {
    const int row = FTPList.row();
    const QString title = p_.texts.TextTable(9, 13);
    if (row < 1 || row >= FTPList.rows() || FTPList.textMatrix(row, 0).isEmpty()) {
        p_.messages.ShowMessage(QStringLiteral("Choose a file in the download list first."),
                                KindExclamation, QStringLiteral("ok"), title);
        return false;
    }
    fields.clear();
    for (int c = 1; c <= 5; ++c)
        fields << runtime::Trim(FTPList.textMatrix(row, c));
    const bool plain = IsPlainFileName(fields[0]) && IsPlainFileName(fields[1]) &&
                       !fields[1].contains(QLatin1Char(' '));
    if (plain) return true;
    p_.messages.ShowMessage(
        p_.texts.Say("The download list names this file '%1' ('%2' on the server): that is not "
                     "a plain file name, so Mirel does not download it.",
                     MessageWindow::Verbatim(fields[0]), MessageWindow::Verbatim(fields[1])),
        KindExclamation, QStringLiteral("ok"), title);
    return false;
}

// The format filter's item whose name is the entry's format; 0 (detect the
// format) when none is.
int OnlineLists::FormatOfEntry(const QString& format) const {
    const platform::ComboBox& formats = tab_.Combo7;
    for (int i = 1; i < formats.listCount(); ++i)
        if (QString::compare(formats.list(i), format, Qt::CaseInsensitive) == 0) return i;
    return 0;
}

// The upload language follows the downloaded file's language.
void OnlineLists::FollowLanguage(const QString& language) {
    if (language.isEmpty()) return;
    platform::ComboBox& languages = tab_.Combo8[1];
    const QString wanted = language.toLower();
    for (int j = 0; j < languages.listCount(); ++j)
        if (languages.list(j).toLower().contains(wanted)) {
            languages.setListIndex(j);
            return;
        }
}
