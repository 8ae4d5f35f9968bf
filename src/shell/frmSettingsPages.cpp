// The settings window's pages, its start-up exclusions, Ok and Cancel, and
// where it opens.

#include "shell/Picker.h"
#include "shell/Program.h"
#include "shell/SettingsFile.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <array>

namespace {

struct PageNode {
    const char* key;
    const char* parent;
    const char* english;
};
// The page tree in order; the caption index is the position.
constexpr PageNode PageNodes[] = {{"startup", "", "Startup"},       {"system", "", "System"},
                                  {"defaults", "", "Defaults"},     {"lng", "", "Language"},
                                  {"general", "system", "General"}, {"script", "system", "Script"},
                                  {"audio", "system", "Audio"}};

// Ticking a start-up option clears the ones it excludes: checking for
// updates, updating the download list and checking for news exclude each
// other; checking for news, showing tips and showing the wizard too.
struct Exclusion {
    int clicked;
    int alsoTicked;             // -1: only the clicked box must be ticked
    std::array<int, 4> cleared; // -1 ends the list
};
constexpr Exclusion Exclusions[] = {{0, -1, {2, 3, -1, -1}},  {2, -1, {0, 3, -1, -1}},
                                    {3, -1, {0, 2, 4, 5}},    {4, 3, {3, -1, -1, -1}},
                                    {4, -1, {5, -1, -1, -1}}, {5, 3, {3, -1, -1, -1}},
                                    {5, -1, {4, -1, -1, -1}}};

} // namespace

void frmSettings::LoadNodes() {
    TV2.clear();
    for (std::size_t i = 0; i < std::size(PageNodes); ++i) {
        const QString given = p_.shell.SettingsTreeCaptions[i];
        TV2.add(QString::fromLatin1(PageNodes[i].parent), QString::fromLatin1(PageNodes[i].key),
                given.isEmpty() ? QString::fromLatin1(PageNodes[i].english) : given);
    }
}

void frmSettings::ShowTab(const QString& key) {
    struct Page {
        const char* key;
        int code;
        platform::Frame* page;
    };
    const Page pages[] = {{"startup", 26, &Startup}, {"defaults", 23, &Defaults},
                          {"general", 28, &General}, {"system", 28, &General},
                          {"script", 27, &Script},   {"audio", 24, &Audio},
                          {"lng", 25, &Language}};
    for (const Page& page : pages) {
        if (key != QLatin1String(page.key)) continue;
        p_.macro.SetMacroAction(QString(), page.code);
        showPage(*page.page);
        if (page.page == &Language) ScanLanguageFiles();
        return;
    }
}

void frmSettings::showPage(platform::Frame& page) {
    for (platform::Frame* each : {&Startup, &General, &Script, &Audio, &Defaults, &Language})
        each->setVisible(each == &page);
}

void frmSettings::StartupExclusions(int index) {
    if (RestoringSettings) return;
    for (const Exclusion& e : Exclusions) {
        if (e.clicked != index || !ticked(Check7, index)) continue;
        if (e.alsoTicked >= 0 && !ticked(Check7, e.alsoTicked)) continue;
        for (int other : e.cleared)
            if (other >= 0 && ticked(Check7, other))
                Check7[other].setValue(platform::CheckBox::Unchecked);
    }
}

void frmSettings::FrameRatePicked() {
    Label38.setCaption(Combo2.text());
    ClosePicker(Label37, Combo2);
}

void frmSettings::ShowWindow(bool modal) {
    placeOverMainWindow();
    rememberSettings();
    if (modal)
        showModal();
    else
        show();
}

// Centred over the main window, and on the screen.
void frmSettings::placeOverMainWindow() {
    if (!p_.hasMain()) return;
    const frmMain& m = p_.main();
    const int left = m.left() + (m.width() - width()) / 2;
    const int top = m.top() + (m.height() - height()) / 2;
    move(left > 0 ? left : 0, top > 0 ? top : 0, width(), height());
}

void frmSettings::rememberSettings() {
    shownWith_ = SettingsFile(p_).SettingsLines();
}

// As the window opened; opened some other way, as set.sdf holds them.
void frmSettings::restoreSettings() {
    SettingsFile file(p_);
    if (shownWith_.isEmpty())
        file.RestoreSettings();
    else
        file.ApplySettingsLines(shownWith_);
}

void frmSettings::Command1Click(int index) {
    if (index == Ok) {
        if (!SaveSettings()) return; // stays open: the user was told why
    } else if (index == Cancel) {
        restoreSettings();
    } else {
        return;
    }
    shownWith_.clear();
    hide();
}

bool frmSettings::SaveSettings() {
    if (LanguagePackChanged)
        p_.messages.ShowMessage(QStringLiteral("You have to restart Mirel before the change can be "
                                               "applied. Press 'Ok' to continue."),
                                KindExclamation, QStringLiteral("ok"),
                                QStringLiteral("Language pack change"));
    SettingsFile file(p_);
    if (defaultFrameRate() >= 0) file.ApplyFrameRateOption(defaultFrameRate());
    // A pack picked in the list; nothing picked keeps the pack in use.
    if (!useLanguagePack())
        p_.shell.LanguageFile.clear();
    else if (List2.listIndex() >= 0)
        p_.shell.LanguageFile = List2.text();
    if (!file.WriteSettingsFile(true)) return false;
    LanguagePackChanged = false;
    return true;
}

bool frmSettings::StoreStartupTick(int index, int value) {
    if (!Check7.contains(index) || index > 5) return false;
    Check7[index].setValue(value);
    return SettingsFile(p_).WriteSettingsFile(true);
}
