#include "shell/Program.h"

#include "fileio/frmFile.h"
#include "fileio/frmPreview.h"
#include "macro/frmSystem.h"
#include "macro/frmWizard.h"
#include "online/frmDbase.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"
#include "tools/frmHistory.h"

Program::Program(const QString& programFolder)
    : folder(programFolder), macro(*this), messages(*this), doc(*this), loader(*this), edit(*this),
      files(*this), diag(*this), history(*this), players(*this), calc(*this), fileCommands(*this),
      online(*this), macroLibrary(*this), sysVars(*this), tablets(*this) {
    texts.SetDefaultTexts();
    registerLanguageWindows();
}

// The windows a language pack names, opened (not shown) when it does.
void Program::registerLanguageWindows() {
    languageTargets.addWindow(QStringLiteral("frmMain"), [this] { return &main(); });
    languageTargets.addWindow(QStringLiteral("frmSettings"), [this] { return &settings(); });
    languageTargets.addWindow(QStringLiteral("frmFile"), [this] { return &fileChooser(); });
    languageTargets.addWindow(QStringLiteral("frmPreview"), [this] { return &preview(); });
    languageTargets.addWindow(QStringLiteral("frmControl"), [this] { return &control(); });
    languageTargets.addWindow(QStringLiteral("frmSystem"), [this] { return &system(); });
    languageTargets.addWindow(QStringLiteral("frmDbase"), [this] { return &dbase(); });
    languageTargets.addWindow(QStringLiteral("frmWizard"), [this] { return &wizard(); });
    languageTargets.addWindow(QStringLiteral("frmHistory"), [this] { return &historyWindow(); });
}

Program::~Program() {
    // Windows go before the state their handlers use.
    historyWindow_.reset();
    dbase_.reset();
    splash_.reset();
    preview_.reset();
    fileChooser_.reset();
    settings_.reset();
    wizard_.reset();
    system_.reset();
    control_.reset();
    main_.reset();
}

frmMain& Program::main() {
    if (!main_) main_ = std::make_unique<frmMain>(*this);
    return *main_;
}

frmControl& Program::control() {
    if (!control_) control_ = std::make_unique<frmControl>(*this);
    return *control_;
}

frmSystem& Program::system() {
    if (!system_) system_ = std::make_unique<frmSystem>(*this);
    return *system_;
}

frmWizard& Program::wizard() {
    if (!wizard_) wizard_ = std::make_unique<frmWizard>(*this);
    return *wizard_;
}

frmSettings& Program::settings() {
    if (!settings_) settings_ = std::make_unique<frmSettings>(*this);
    return *settings_;
}

frmFile& Program::fileChooser() {
    if (!fileChooser_) fileChooser_ = std::make_unique<frmFile>(*this);
    return *fileChooser_;
}

frmPreview& Program::preview() {
    if (!preview_) preview_ = std::make_unique<frmPreview>(*this);
    return *preview_;
}

frmSplash& Program::splash() {
    if (!splash_) splash_ = std::make_unique<frmSplash>(*this);
    return *splash_;
}

frmHistory& Program::historyWindow() {
    if (!historyWindow_) historyWindow_ = std::make_unique<frmHistory>(*this);
    return *historyWindow_;
}

frmDbase& Program::dbase() {
    if (!dbase_) dbase_ = std::make_unique<frmDbase>(*this);
    return *dbase_;
}
