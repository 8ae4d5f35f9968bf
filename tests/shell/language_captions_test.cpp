// Every window in the shipped German pack's words: no control the pack names
// is missing, every caption the pack gives is what its control shows, and
// every caption the pack changed fits its control (its text width by the
// control's font against the control's width; a tab row needs no scroll
// arrows; a label shows no literal "&").

#include "LanguageFixture.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "fileio/frmPreview.h"
#include "macro/frmSystem.h"
#include "macro/frmWizard.h"
#include "online/frmDbase.h"
#include "platform/ButtonControl.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/TabStrip.h"
#include "shell/frmAbout.h"
#include "shell/frmControl.h"
#include "shell/frmHelp.h"
#include "shell/frmOnlineMess.h"
#include "shell/frmSettings.h"
#include "shell/frmTip.h"
#include "support/WindowLook.h"
#include "tools/frmHistory.h"

#include <QWidget>
#include <map>

namespace {

// The windows a user can open, as one program has them.
struct Windows {
    std::unique_ptr<frmHelp> help;
    std::unique_ptr<frmTip> tip;
    std::unique_ptr<frmAbout> about;
    std::unique_ptr<frmOnlineMess> news;
    std::vector<platform::Form*> all;

    explicit Windows(ProgramOn& run) {
        Program& p = *run;
        help = std::make_unique<frmHelp>(p);
        tip = std::make_unique<frmTip>(p);
        about = std::make_unique<frmAbout>(p);
        news = std::make_unique<frmOnlineMess>(p);
        all = {&p.main(),   &p.settings(),      &p.fileChooser(), &p.preview(), &p.control(),
               &p.system(), &p.historyWindow(), &p.wizard(),      &p.dbase(),   help.get(),
               tip.get(),   about.get(),        news.get()};
        run.reply(frmMessageBox::Yes);
        p.messages.ShowMessage("?", KindQuestion, "yesnocancel", "?");
        all.push_back(p.messages.lastWindow());
        for (platform::Form* f : all)
            f->load();
    }
};

QStringList CaptionsOf(platform::Control& c) {
    if (auto* tabs = dynamic_cast<platform::TabStrip*>(&c)) {
        QStringList out;
        for (int i = 0; i < tabs->tabs(); ++i)
            out << tabs->tabCaption(i);
        return out;
    }
    if (auto* l = dynamic_cast<platform::Label*>(&c)) return {l->caption()};
    if (auto* b = dynamic_cast<platform::ButtonControl*>(&c)) return {b->caption()};
    if (auto* f = dynamic_cast<platform::Frame*>(&c)) return {f->caption()};
    return {QString()};
}

// Each control whose caption the pack changed, and each tab row.
void ExpectFits(platform::Form& form, platform::Form& builtIn, const std::string& where) {
    for (QWidget* w : form.window()->findChildren<QWidget*>()) {
        platform::Control* c = platform::Control::ofWidget(w);
        if (!c) continue;
        platform::Control* same = builtIn.findControl(c->name());
        const bool tabs = dynamic_cast<platform::TabStrip*>(c) != nullptr;
        if (!tabs && same && CaptionsOf(*same) == CaptionsOf(*c)) continue;
        if (c->widget()->isHidden()) continue; // hidden on its own, not just off-page
        const QString clipped = window_look::CaptionCut(c->widget());
        EXPECT_TRUE(clipped.isEmpty())
            << where << "." << c->name().toStdString() << " \""
            << CaptionsOf(*c).join('|').toStdString() << "\": " << clipped.toStdString();
    }
}

TEST(GermanCaptions, EveryWindowShowsThePacksWordsAndEveryCaptionFits) {
    ProgramWithPack english("", {}, {}, false);
    ProgramWithPack german("Deutsch.lng");
    ASSERT_EQ(german->shell.LanguageFile, "Deutsch.lng");
    Windows en(*english.p), de(*german.p);
    EXPECT_TRUE(german->languageTargets.missing().isEmpty())
        << german->languageTargets.missing().join(", ").toStdString();

    // Every caption the pack gives is what its control shows.
    std::map<QString, platform::Form*> byName;
    for (platform::Form* f : de.all)
        byName[f->name()] = f;
    int captions = 0;
    for (const ControlLabel& label : german->languageTargets.labels()) {
        if (label.put != ControlPut::Caption && label.put != ControlPut::TabCaption) continue;
        ASSERT_TRUE(byName.count(label.window)) << label.window.toStdString();
        platform::Control* c = byName[label.window]->findControl(label.control);
        ASSERT_NE(c, nullptr) << label.window.toStdString() << "." << label.control.toStdString();
        const QStringList shown = CaptionsOf(*c);
        const int k = label.put == ControlPut::TabCaption ? label.index : 0;
        EXPECT_EQ(shown.value(k), label.text)
            << label.window.toStdString() << "." << label.control.toStdString();
        ++captions;
    }
    EXPECT_GT(captions, 250);

    // Whatever the pack changed fits its control.
    for (std::size_t i = 0; i < de.all.size(); ++i)
        ExpectFits(*de.all[i], *en.all[i], de.all[i]->name().toStdString());
    // The main window once per main tab: the clipboard's copy buttons follow it.
    frmMain& m = german->main();
    frmMain& e = english->main();
    for (int tab = 0; tab < m.tabMain.tabs(); ++tab) {
        m.tabMain.setTab(tab);
        e.tabMain.setTab(tab);
        ExpectFits(m, e, "frmMain tab " + std::to_string(tab));
    }
}

} // namespace
