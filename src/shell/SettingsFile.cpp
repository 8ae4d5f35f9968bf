#include "shell/SettingsFile.h"

#include "runtime/Numbers.h"
#include "runtime/StoreMerge.h"
#include "runtime/TextFile.h"
#include "shell/FileNumbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The value of line n (1-based), when the file has that line.
std::optional<int> LineValue(const QStringList& lines, int n) {
    if (n > lines.size()) return std::nullopt;
    return FileInteger(lines[n - 1]);
}

// A box takes 0, 1 and 2; it keeps its state for a missing line or any
// other value.
void ApplyBox(platform::CheckBox& box, const QStringList& lines, int n) {
    const std::optional<int> v = LineValue(lines, n);
    if (v && *v >= 0 && *v <= 2) box.setValue(*v);
}

// The first line whose value no setting takes, as "line N: why"; "" for
// none. Line 12 is the frame rate (-1 none, 0 .. 4), line 20 the pack's name,
// the others check boxes (0, 1 or 2).
QString SettingsFault(const QStringList& lines) {
    for (int n = 1; n <= SettingsFile::LineCount; ++n) {
        if (n > lines.size())
            return QStringLiteral("it has %1 lines of %2")
                .arg(lines.size())
                .arg(SettingsFile::LineCount);
        if (n == 20) continue;
        const std::optional<int> v = LineValue(lines, n);
        const int low = n == 12 ? -1 : 0, high = n == 12 ? 4 : 2;
        if (!v || *v < low || *v > high)
            return QStringLiteral("line %1 holds \"%2\"").arg(n).arg(lines[n - 1].trimmed());
    }
    return {};
}

} // namespace

void SettingsFile::LoadSettingsFile() {
    ReadSettingsFile();
    StartOnlineRequests();
}

// A damaged file is told once, at the start; what it gives is taken all the same.
void SettingsFile::ReadSettingsFile() {
    const runtime::TextFileContent file =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::SettingsFile));
    ApplySettingsLines(file.lines);
    p_.shell.SettingsStored = SettingsLines();
    if (const QString fault = SettingsFault(file.lines); file.ok && !fault.isEmpty())
        p_.messages.ShowMessage(
            p_.texts.Say("The settings file is damaged: %1./nThe settings it does not give keep "
                         "their values.",
                         MessageWindow::Verbatim(p_.texts.Told(fault))),
            KindExclamation, QStringLiteral("ok"), QStringLiteral("Settings file"));
    ReadRecentFiles();
}

void SettingsFile::RestoreSettings() {
    ApplySettingsLines(runtime::ReadTextFile(p_.folder.path(runtime::Place::SettingsFile)).lines);
    p_.shell.SettingsStored = SettingsLines();
}

// Merged line by line with what another Mirel wrote since this one read or
// wrote the file (runtime/StoreMerge.h): a line only this Mirel changed takes
// its value, any other keeps the file's.
QStringList SettingsFile::MergedLines() const {
    const QStringList held = SettingsLines();
    const runtime::TextFileContent file =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::SettingsFile));
    if (!file.ok || file.lines.size() < LineCount) return held;
    const auto records = [](const QStringList& lines) {
        runtime::StoreRecords out;
        for (int i = 0; i < LineCount; ++i)
            out.push_back({QString::number(i), {lines.value(i)}});
        return out;
    };
    QStringList merged = held;
    for (const runtime::StoreRecord& r :
         runtime::MergeRecords(records(p_.shell.SettingsStored), records(held), records(file.lines),
                               {Qt::CaseSensitive, false})
             .records)
        merged[r.name.toInt()] = r.content.value(0);
    return merged;
}

// The language choice as stored is no change of the user's.
void SettingsFile::ApplySettingsLines(const QStringList& lines) {
    frmSettings& s = p_.settings();
    s.RestoringSettings = true;
    ApplySettings(lines);
    s.RestoringSettings = false;
    s.LanguagePackChanged = false;
}

void SettingsFile::ApplySettings(const QStringList& lines) {
    frmSettings& s = p_.settings();
    frmMain& main = p_.main();
    for (int i = 0; i <= 10; ++i)
        ApplyBox(s.Check7[i], lines, i + 1);
    if (const std::optional<int> rate = LineValue(lines, 12); rate && *rate >= -1 && *rate <= 4)
        ApplyFrameRate(*rate);
    ApplyBox(s.Check5[0], lines, 13);
    ApplyBox(s.Check5[1], lines, 14);
    ApplyBox(s.Check6[0], lines, 15);
    ApplyBox(s.Check6[1], lines, 16);
    ApplyBox(s.Check1[0], lines, 17);
    ApplyBox(main.calculator.Check1, lines, 17);
    ApplyBox(s.Check1[1], lines, 18);
    ApplyBox(main.calculator.Check2, lines, 18);
    ApplyBox(s.Check2, lines, 19);
    if (lines.size() >= 20) p_.shell.LanguageFile = lines[19];
    ApplyBox(s.Check3, lines, 21);
    ApplyBox(s.Check4, lines, 22);
}

// -1: no default frame rate was chosen; no option is on then.
void SettingsFile::ApplyFrameRate(int index) {
    frmMain& main = p_.main();
    p_.settings().Combo2.setListIndex(index);
    ApplyFrameRateOption(index);
    main.frameRate.Combo14[0].setListIndex(index);
    main.frameRate.Combo14[1].setListIndex(0);
}

// The option's click works the rate out in the calculator; the action
// reported stays the settings' own.
void SettingsFile::ApplyFrameRateOption(int index) {
    const ReportedAction kept = p_.macro.MacroAction;
    auto& options = p_.main().calculator.optFrameRate;
    for (auto it = options.begin(); it != options.end(); ++it)
        if (it.index() != index) it->setValue(false);
    if (options.contains(index)) options[index].setValue(true);
    p_.macro.MacroAction = kept;
}

// With "Check exists" ticked a file that is gone is left out; an entry the
// list holds already is not added again.
void SettingsFile::ReadRecentFiles() {
    platform::ComboBox& recent = p_.main().Combo13;
    const bool checkExists = p_.settings().checkExists();
    const QStringList lines =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::RecentFile)).lines;
    p_.shell.RecentFilesStored = lines;
    for (const QString& line : lines) {
        if (line.isEmpty() || (checkExists && !QFileInfo::exists(line))) continue;
        bool known = false;
        for (int i = 0; i < recent.listCount() && !known; ++i)
            known = recent.list(i) == line;
        if (!known) recent.addItem(line);
    }
}

// Each request only while a server address is set (else the splash says
// that none is); its progress text then shows on the splash. The requests
// run one after the other, in this order.
void SettingsFile::StartOnlineRequests() {
    const frmSettings& s = p_.settings();
    Online& online = p_.online;
    const bool server = !online.FtpAddress.isEmpty();
    const bool wanted = s.startupCheckUpdates() || s.startupUpdateFtpList() || s.startupCheckNews();
    if (wanted && !server) {
        const QString text = p_.texts.Own(OwnText::NoServerNothingFetched);
        frmSplash::ShowProgress(p_, text);
        online.ShowTransferStatus(text);
    }
    if (s.startupCheckUpdates() && server) {
        frmSplash::ShowProgress(p_, QStringLiteral("Getting update information"));
        online.RequestVersion();
    }
    if (s.startupLoadLastFiles()) frmSplash::ShowProgress(p_, QStringLiteral("Loading files"));
    if (s.startupUpdateFtpList() && server) {
        frmSplash::ShowProgress(p_, QStringLiteral("Updating download list"));
        online.DownloadListUpdate(true);
    }
    if (s.startupCheckNews() && server) {
        frmSplash::ShowProgress(p_, QStringLiteral("Getting last info from Brinlow"));
        online.RequestNews();
    }
}

QStringList SettingsFile::SettingsLines() const {
    const frmSettings& s = p_.settings();
    QStringList lines;
    for (int i = 0; i <= 10; ++i)
        lines << runtime::Str(s.Check7[i].value());
    lines << runtime::Str(s.Combo2.listIndex());
    for (const auto* boxes : {&s.Check5, &s.Check6, &s.Check1})
        for (int i = 0; i <= 1; ++i)
            lines << runtime::Str((*boxes)[i].value());
    lines << runtime::Str(s.Check2.value()) << p_.shell.LanguageFile;
    lines << runtime::PrintNumber(s.Check3.value()) << runtime::PrintNumber(s.Check4.value());
    return lines;
}

bool SettingsFile::WriteSettingsFile(bool tellUser) {
    const QString path = p_.folder.path(runtime::Place::SettingsFile);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (runtime::WriteTextFile(path, MergedLines(), &error)) {
        p_.shell.SettingsStored = SettingsLines();
        return true;
    }
    if (tellUser)
        p_.messages.ShowMessage(p_.texts.Say("The settings could not be saved./n%1",
                                             MessageWindow::Verbatim(p_.texts.Told(error))),
                                KindStop, QStringLiteral("ok"),
                                QStringLiteral("Settings not saved"));
    return false;
}
