// Language packs: the stored form and its unscrambling, the pack shipped in
// dist/ (it is the scrambled form of its plain source, and it relabels the
// windows when the settings use it), the built-in English without a pack.
// Every window in the shipped German pack's words: no control the pack names
// is missing, every caption the pack gives is what its control shows, and
// every caption the pack changed fits its control (its text width by the
// control's font against the control's width; a tab row needs no scroll
// arrows; a label shows no literal "&").

#include "LanguageFixture.h"
#include "ShownTextScan.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "fileio/frmPreview.h"
#include "macro/frmSystem.h"
#include "macro/frmWizard.h"
#include "online/frmDbase.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBox.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/TabStrip.h"
#include "shell/frmAbout.h"
#include "shell/frmControl.h"
#include "shell/frmHelp.h"
#include "shell/frmOnlineMess.h"
#include "shell/frmSettings.h"
#include "shell/frmTip.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/GridSetup.h"
#include "support/WindowLook.h"
#include "tools/frmHistory.h"

#include <QAction>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QWidget>
#include <map>

namespace {

TEST(Unscramble, TurnsEachGroupOfDigitsIntoOneCharacter) {
    struct Case {
        const char* what;
        QString stored;
        QString plain;
    };
    const QString a = ScrambleLine("a"), b = ScrambleLine("b");
    const Case cases[] = {
        {"plain text", ScrambleLine("Version:=4.00"), "Version:=4.00"},
        {"an empty line", "", ""},
        {"a code page character", ScrambleLine(QString::fromLatin1("\xe4\xfc")), "äü"},
        {"a group giving no character repeats the one before", a + "99999999" + b, "aab"},
        {"so does a short last group", a + "40715", "aa"},
        {"and a group whose number ends early", a + "4071592x" + b, "aab"},
        {"a first group giving none adds nothing", "00000000" + a, "a"},
        {"a group too large for 32 bits gives none", a + "9999999999999999", "aaa"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Unscramble(c.stored), c.plain) << c.what;
}

TEST(Unscramble, ReadsUtf8BytesAsUtf8) {
    QString stored;
    for (const char c : QStringLiteral("Привет").toUtf8())
        stored += QString::number(static_cast<unsigned char>(c) ^ 40715928);
    EXPECT_EQ(Unscramble(stored), QStringLiteral("Привет"));
}

TEST(ScramblePack, TheToolAndTheProgramAgreeBothWays) {
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.txt");
    const QStringList lines = {
        "Version:=4.00", "Name:=Français", "// ein Kommentar", "0,&Fichier^Ouvre le menu", "",
        "1,Größe^"};
    writeFileAt(plain, crlf(lines));
    const QStringList stored = runtime::SplitLines(QString::fromUtf8(RunScrambler({plain})));
    ASSERT_EQ(stored.size(), lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(stored[i], ScrambleLine(lines[i])) << "code page bytes, line " << i;
        EXPECT_EQ(Unscramble(stored[i]), lines[i]) << i;
    }
    const QString pack = dir.filePath("pack.lng");
    writeFileAt(pack, RunScrambler({plain, "--encoding", "utf-8"}));
    EXPECT_EQ(runtime::SplitLines(QString::fromUtf8(RunScrambler({"--unscramble", pack}))), lines)
        << "and back";
    for (const QString& line : runtime::ReadTextFile(pack).lines)
        EXPECT_FALSE(Unscramble(line).contains(QChar::ReplacementCharacter));
}

TEST(ShippedPack, IsTheScrambledFormOfItsPlainSource) {
    const QString source = QStringLiteral(MIREL_SOURCE_DIR) + "/scripts/language/Deutsch.txt";
    const QString shipped = QStringLiteral(MIREL_DIST_DIR) + "/System/Language/Deutsch.lng";
    EXPECT_EQ(RunScrambler({source}), readBytes(shipped))
        << "run scripts/scramble-pack.py on the source after changing it";
}

// The windows a user sees first, in the shipped German pack's words: its
// menus, tool tips, lists and texts; of its captions, which every window shows
// (GermanCaptions), only a few to see the words read right.
TEST(ShippedPack, RelabelsTheWindowsWhenTheSettingsUseIt) {
    ProgramWithPack run("Deutsch.lng");
    Program& p = *run;
    frmMain& m = p.main();
    EXPECT_EQ(p.shell.LanguageFile, "Deutsch.lng") << "it loaded without a fault";
    EXPECT_EQ(p.shell.LanguageName, "Deutsch");
    EXPECT_EQ(p.shell.LanguageAuthor, "Mirel-Team");
    EXPECT_EQ(p.shell.LanguageFolder, "Deutsch");

    EXPECT_EQ(m.mnuFile.caption(), "&Datei");
    EXPECT_EQ(m.mnuSettings.caption(), "&Einstellungen ..");
    EXPECT_EQ(m.tabMain.tabCaption(0), "&Rechner");
    EXPECT_EQ(m.tabMain.toolTipText(), "Arbeitsbereich");
    EXPECT_EQ(p.texts.TextTable(3, 4), "Abspieler") << "the player tab's name";
    EXPECT_EQ(m.editor.grdSubEdit.textMatrix(0, 3), "Text #1");
    EXPECT_EQ(m.editor.grdSubEdit.textMatrix(0, 1), "Start");
    EXPECT_EQ(m.editor.basic.Command14.caption(), "Ändern.In");
    EXPECT_EQ(m.editor.basic.Command14.toolTipText(), "Zelle ändern");
    EXPECT_EQ(m.calculator.optFrameRate[2].toolTipText(), "25,000 Bilder pro Sekunde");
    EXPECT_EQ(m.online.Combo7.list(0), "Alle Formate") << "lists built after the pack";
    EXPECT_EQ(m.editor.font.Combo9[1].list(3), "Fett Kursiv");
    EXPECT_EQ(m.StatusBar1.panelText(1), "Bereit");
    EXPECT_EQ(m.TV1.nodeText("recent"), "Zuletzt");

    frmSettings& s = p.settings();
    EXPECT_EQ(s.Check7[3].toolTipText(), "Sucht nach den neuesten Nachrichten über Mirel");
    EXPECT_EQ(s.TV2.nodeText("audio"), "Klang");
    EXPECT_EQ(p.preview().Command1.caption(), "Schließen");
    EXPECT_EQ(p.control().chkClose.toolTipText(), "Fenster nach dem Lesen schließen");
    EXPECT_EQ(p.texts.TextTable(9, 13), "Fehler");
    EXPECT_EQ(p.texts.TextTable(7, 0), "Definierte Variablen:");
    EXPECT_TRUE(p.sysVars.sysVarHelp[0].startsWith("String:=FTP-Adresse von Mirel"));
}

// A pack finds a control by its window and name, so no two controls of a
// window may share a name.
TEST(ShippedPack, FindsEachControlOfAWindowByItsOwnName) {
    TestProgram t;
    for (platform::Form* form :
         std::initializer_list<platform::Form*>{&t.main(), &t->settings(), &t->fileChooser(),
                                                &t->preview(), &t->control(), &t->system()}) {
        QMap<QString, int> seen;
        for (QWidget* w : form->window()->findChildren<QWidget*>())
            if (platform::Control* c = platform::Control::ofWidget(w)) ++seen[c->name()];
        for (auto it = seen.begin(); it != seen.end(); ++it)
            EXPECT_EQ(it.value(), 1) << form->name().toStdString() << "." << it.key().toStdString();
    }
    EXPECT_EQ(t.main().findControl("tabMain"), &t.main().tabMain);
    EXPECT_EQ(t.main().findControl("Command49(1)"), &t.main().player.Command49[1]);
    EXPECT_EQ(t.main().findMenu("mnuSettings"), &t.main().mnuSettings);
    EXPECT_EQ(t.main().findControl("nothing"), nullptr);
}

TEST(BuiltInEnglish, WithoutAPackTheWordsStayAndTheDescriptionsAreFilled) {
    // No pack named, or one named while "Use language pack" is clear.
    for (const bool ticked : {false, true}) {
        ProgramWithPack run(ticked ? "" : "Deutsch.lng", {}, {}, ticked);
        Program& p = *run;
        EXPECT_EQ(p.main().mnuFile.caption(), "&File");
        EXPECT_EQ(p.shell.LanguageFolder, "English");
        EXPECT_EQ(p.settings().TV2.nodeText("lng"), "Language");
        const auto& help = p.sysVars.sysVarHelp;
        EXPECT_EQ(help[0], "String:=FTP address used by Mirel#Stored in file ..\\System\\i.set");
        EXPECT_EQ(help[49], "Integer:=Calculator invoke control#-1:=Not active, 0:=Stretch "
                            "first, 1:=Stretch last,2:=Shift dur., 3:=Time start, 4:=Time end, "
                            "10:=Editor, 11:=Part.");
        for (int i = 83; i <= 99; ++i)
            EXPECT_EQ(help[i], "String:=File Type#See also sysVar[50]. Read Only") << i;
        EXPECT_EQ(help[7], "");
        EXPECT_EQ(help[200], "");
    }
}

// Captioning a tab selects it first, so each tab control a pack names shows
// the last tab the pack named; the main window then picks its starting tabs.
TEST(PackTabs, EachTabControlShowsTheLastTabThePackNamed) {
    const struct {
        const char* what;
        QString file;
        QByteArray pack;
        int selection, systemVars, systemMacro;
    } cases[] = {
        {"the shipped pack", "Deutsch.lng", {}, 1, 1, 1},
        {"a pack naming the tabs backwards", "Test.lng",
         PackBytes({"[Selection]", "1,Hilfe^", "0,Baum^", "[System]", "3,Makro^", "2,System^",
                    "5,Liste^", "4,Variablen^"}),
         0, 0, 0},
    };
    for (const auto& c : cases) {
        ProgramWithPack run(c.file, c.pack);
        Program& p = *run;
        EXPECT_EQ(p.main().SSTab1.tab(), c.selection) << c.what;
        EXPECT_EQ(p.system().SSTab1.tab(), c.systemVars) << c.what;
        EXPECT_EQ(p.system().SSTab2.tab(), c.systemMacro) << c.what;
        EXPECT_EQ(p.main().tabMain.tab(), frmMain::TabEditor) << c.what << ": the starting tab";
        EXPECT_EQ(p.main().editor.SSTab3.tab(), 0) << c.what;
    }
}

// The main window's own texts and the Diagnose report in German; a German line node finds its line.
TEST(ShippedPack, TheMainWindowsOwnTextsAreGerman) {
    ProgramWithPack run("Deutsch.lng");
    Program& p = *run;
    frmMain& m = p.main();
    setLines(p, {{timeAt(10), timeAt(15), " line 1"},
                 {timeAt(20), timeAt(25), " line 2"},
                 {timeAt(30), timeAt(28), " line 3"}}); // ends before it starts
    p.doc.FileNodes.setFirstRow(0, 1);
    p.doc.FileNodes.setLastRow(0, 3);
    writeParts(p.doc.FileNodes, {{1, 3, "Part_1"}});
    m.tabMain.setTab(frmMain::TabDiagnose);
    m.show();
    QTest::mouseClick(m.diagnose.Command27.widget(), Qt::LeftButton, {}, QPoint(8, 8));
    platform::TreeView& report = m.diagnose.tvDiag;
    const QString part = "Der Teil, dessen Zeilen der Bereich hält (0: das ganze Dokument)";
    const std::pair<QString, QString> rows[] = {
        {m.macroEditor.Label69.caption(), "Daten"},
        {m.macroEditor.Label70.caption(), "Notiz"},
        {m.executeList.cmdTest.toolTipText(), "Gewähltes Makro testen"},
        {m.online.lblTransfer.caption(), "Kein Server eingestellt: es wird nichts geholt."},
        {m.online.cmdTransferCancel.caption(), "Abbrechen"},
        {m.editor.basic.rtfLineStart.toolTipText(), "Startzeit der aktuellen Zeile"},
        {m.editor.basic.rtfLineEnd.toolTipText(), "Endzeit der aktuellen Zeile"},
        {m.partition.Label31.toolTipText(), "Ausgabeformat"},
        {m.filter.lblMaxCount.caption(), "Zeichen je Zeile"},
        {m.shift.Label76.toolTipText(), part},
        {m.stretch.Label77.toolTipText(), part},
        {report.toolTipText(),
         "Der Bericht des letzten Laufs; ein Klick auf eine Zeile führt zu ihr"},
        {m.macroWizard.List12.toolTipText(), "Als Assistent markierte Makros"},
        {p.fileChooser().Label31.toolTipText(), "Laufwerke"},
        {p.fileChooser().Label2.toolTipText(), "Ordner"},
        {p.fileChooser().Label6.toolTipText(), "Dateitypen"},
        {p.historyWindow().lblHistComment.toolTipText(), "Was die Änderung bewirkt hat"},
    };
    for (const auto& [shown, german] : rows)
        EXPECT_EQ(shown.toStdString(), german.toStdString());
    for (const char* node :
         {"file=Datei", "scan=Prüfung", "lines=Zeilen", "mlines=Mehrzeilige", "dur=Dauer",
          "cframe=Bilder", "errsum=Zusammenfassung", "sum_node=Knoten",
          "sum_node 1=Knoten[1] = 1 bis 3", "err_ 3=Zeile 0003", "errdet=Gefunden",
          "errfix=Behoben", "errrem=Verbleibend", "errsol=Lösungen", "sol_line=Zeile"})
        EXPECT_EQ(report.nodeText(QString::fromUtf8(node).section('=', 0, 0)).toStdString(),
                  QString::fromUtf8(node).section('=', 1).toStdString());
    p.doc.grid().setCurrentCell(1, 2);
    report.clickNode("err_ 3");
    EXPECT_EQ(p.doc.grid().row(), 3) << "the German line node takes the grid to its line";
    m.hide();
}

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
        // A caption the English cuts as well (a type's long list of patterns)
        // is cut by its control, not by the pack.
        if (!tabs && same && !window_look::CaptionCut(same->widget()).isEmpty()) continue;
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

// Whether a text the German program shows as the English one does holds a
// word that no pack item gives: names are no words to give, nor what a
// caption repeats of a list's entry (a format, a font, a script, a tablet).
bool NoPackHolds(const QString& de, const QString& en, const TextTables& texts,
                 const QSet<QString>& listed) {
    if (de != en || texts.packWords().contains(de) || listed.contains(de)) return false;
    QString words = de;
    for (const char* name : {"Mirel", "Brinlow", "FTP", "Trigger.Index"})
        words.remove(QLatin1String(name));
    for (const QString& given : texts.packWords()) // "Build 400": a pack's word and a number
        if (given.size() > 1 && shown_text::HoldsWord(given))
            words.replace(QRegularExpression("\\b" + QRegularExpression::escape(given) + "\\b"),
                          " ");
    return shown_text::HoldsWord(words);
}

// The entries of the lists of a window.
QSet<QString> ListedIn(platform::Form& form) {
    QSet<QString> out;
    for (QWidget* w : form.window()->findChildren<QWidget*>()) {
        platform::Control* c = platform::Control::ofWidget(w);
        if (auto* combo = dynamic_cast<platform::ComboBox*>(c))
            for (int i = 0; i < combo->listCount(); ++i)
                out << combo->list(i);
        if (auto* list = dynamic_cast<platform::ListBox*>(c))
            for (int i = 0; i < list->listCount(); ++i)
                out << list->list(i);
    }
    return out;
}

// Every text of the windows a user can open and of the tables their texts
// come from: a German program shows no English text that no pack holds.
TEST(GermanCaptions, NoWindowShowsAnEnglishTextThatNoPackHolds) {
    ProgramWithPack english("", {}, {}, false);
    ProgramWithPack german("Deutsch.lng");
    Windows en(*english.p), de(*german.p);
    const TextTables& texts = german->texts;
    QStringList found;
    QSet<QString> listed;
    auto check = [&](const QString& where, const QString& d, const QString& e) {
        if (NoPackHolds(d, e, texts, listed)) found << where + " \"" + d + "\"";
    };
    for (std::size_t i = 0; i < de.all.size(); ++i) {
        platform::Form& form = *de.all[i];
        listed = ListedIn(form);
        check(form.name(), form.caption(), en.all[i]->caption());
        for (QWidget* w : form.window()->findChildren<QWidget*>()) {
            platform::Control* c = platform::Control::ofWidget(w);
            platform::Control* same = c ? en.all[i]->findControl(c->name()) : nullptr;
            if (!same) continue;
            const QString where = form.name() + "." + c->name();
            // The macro commands' descriptions have no section in a pack yet;
            // the credits are lines of a program-folder file.
            if (where == "frmMain.lblMacroComment" || where == "frmAbout.Label6") continue;
            const QStringList d = CaptionsOf(*c), e = CaptionsOf(*same);
            for (int k = 0; k < d.size(); ++k)
                check(where, d[k], e.value(k));
            check(where + " tip", c->toolTipText(), same->toolTipText());
        }
        for (QAction* a : form.window()->findChildren<QAction*>())
            if (platform::Menu* m = platform::Menu::ofAction(a))
                if (platform::Menu* e = en.all[i]->findMenu(m->name()))
                    check(form.name() + "." + m->name(), m->caption(), e->caption());
    }
    const TextTables& builtIn = english->texts;
    for (int col = 0; col < TextTables::Columns; ++col)
        for (int row = 0; row < TextTables::Rows; ++row) {
            const QString at = QStringLiteral("(%1,%2)").arg(col).arg(row);
            check("TextTable" + at, texts.TextTable(col, row), builtIn.TextTable(col, row));
            check("TextDescTable" + at, texts.TextDescTable(col, row),
                  builtIn.TextDescTable(col, row));
        }
    for (int k = 0; k < static_cast<int>(OwnText::Count); ++k)
        check(QStringLiteral("Own(%1)").arg(k), texts.Own(OwnText(k)), builtIn.Own(OwnText(k)));
    const ShellState &d = german->shell, &e = english->shell;
    for (std::size_t k = 0; k < d.TreeCaptions.size(); ++k)
        check(QStringLiteral("TreeCaptions(%1)").arg(k), d.TreeCaptions[k], e.TreeCaptions[k]);
    for (std::size_t k = 0; k < d.SettingsTreeCaptions.size(); ++k)
        check(QStringLiteral("SettingsTreeCaptions(%1)").arg(k), d.SettingsTreeCaptions[k],
              e.SettingsTreeCaptions[k]);
    for (std::size_t k = 0; k < german->sysVars.sysVarHelp.size(); ++k)
        check(QStringLiteral("sysVarHelp(%1)").arg(k), german->sysVars.sysVarHelp[k],
              english->sysVars.sysVarHelp[k]);
    EXPECT_TRUE(found.isEmpty()) << found.size() << " texts:\n" << found.join("\n").toStdString();
}

// A question in the pack's words, its title too; the button its text names is
// named by the word that button shows.
TEST(GermanMessages, AQuestionNamesItsButtonByTheWordTheButtonShows) {
    ProgramWithPack run("Deutsch.lng");
    Program& p = *run;
    p.doc.FileChanged = true;
    QString title, text, no;
    run.p->answer<frmMessageBox>([&](frmMessageBox& m) {
        title = m.Label4.caption();
        text = m.Label1.caption();
        no = m.cmdAction[frmMessageBox::No].caption();
        m.cmdActionClick(frmMessageBox::Cancel);
    });
    p.main().mnuNewFile.click();
    EXPECT_EQ(title, "Warnung: Datei nicht gespeichert");
    EXPECT_EQ(no, "Nein");
    EXPECT_TRUE(text.contains("Wenn du 'Nein' wählst, gehen alle Änderungen verloren."))
        << text.toStdString();
    EXPECT_TRUE(p.doc.FileChanged) << "Cancel keeps the document";
}

// What the system refuses is told in the pack's words too, the reason and the
// file's name filled in: over a file-size limit the first edit's snapshot and
// then the save (after the question to overwrite) fail, and each message is
// German around the file's name.
TEST(GermanMessages, AWriteTheSystemRefusesIsToldInThePacksWords) {
    ProgramWithPack run("Deutsch.lng");
    Program& p = *run;
    QStringList told;
    p.host.modal.onUnanswered = [&told](platform::Form& form) {
        auto& box = dynamic_cast<frmMessageBox&>(form);
        told << box.Label4.caption() + ": " + box.Label1.caption();
        box.cmdActionClick(box.cmdAction[frmMessageBox::Yes].visible() ? frmMessageBox::Yes
                                                                       : frmMessageBox::Ok);
    };
    const QString file = run.folder.write("Data/Files/a b. c.srt", SubRip(40));
    mustLoad(p, file);
    {
        FileSizeLimit limit(512); // the scratch folder's lock fits, a snapshot does not
        ASSERT_TRUE(limit.active());
        p.doc.grid().setCurrentCell(1, 1);
        p.main().editor.basic.Command11.onClick();
        run.p->answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Ok); });
        p.main().mnuSavesubfile.click();
    }
    ASSERT_EQ(told.size(), 3) << told.join("\n").toStdString();
    EXPECT_TRUE(told[0].startsWith("Datei zu groß: ") &&
                told[0].contains("0000.shd kann nicht geschrieben werden: Datei zu groß") &&
                told[0].contains("Mirel wurde mit einer Grenze") && told[0].contains("(512 Bytes;"))
        << told[0].toStdString();
    EXPECT_TRUE(told[2].contains(file + " kann nicht geschrieben werden: Datei zu groß)."))
        << told[2].toStdString();
    for (const QString& text : told)
        EXPECT_FALSE(text.contains("Cannot") || text.contains("File too large"))
            << text.toStdString();
}

} // namespace
