// The main window with a subtitle file open, saved as layout_*.png at its
// smallest size, 1280 x 800 and 1920 x 1080; there and in the other windows
// every control lies inside its window and can be reached on every tab page,
// every caption fits, each picker's list opens above the other controls and
// takes a click, and Escape closes each window that has a Cancel or Close.

#include "LanguageFixture.h"
#include "ShellFixture.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "fileio/frmPreview.h"
#include "macro/frmSystem.h"
#include "macro/frmWizard.h"
#include "online/frmDbase.h"
#include "platform/ComboBox.h"
#include "platform/ListBox.h"
#include "shell/ScreenPos.h"
#include "shell/frmAbout.h"
#include "shell/frmControl.h"
#include "shell/frmHelp.h"
#include "shell/frmOnlineMess.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"
#include "shell/frmTip.h"
#include "support/FileBytes.h"
#include "support/MediaFiles.h"
#include "support/TestProgram.h"
#include "support/WindowLook.h"
#include "tools/frmHistory.h"
#include "tools/window_steps.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QRect>
#include <QTest>
#include <QWidget>
#include <set>

namespace {

// The controls a click made visible.
std::set<QWidget*> ShownControls(QWidget* window) {
    std::set<QWidget*> shown;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (platform::Control::ofWidget(w) && w->isVisible()) shown.insert(w);
    return shown;
}

// Clicks the last item of an opened picker list through the mouse: nothing
// is drawn above the list, and the click chooses the item.
void ClickLastItem(QWidget* window, QWidget* list, const std::string& where) {
    if (auto* combo = qobject_cast<QComboBox*>(list)) {
        const int last = combo->count() - 1;
        const QPoint middle = combo->mapTo(window, combo->rect().center());
        ASSERT_EQ(window_look::CoveredAt(window, combo, middle).toStdString(), "")
            << where << ": the list lies under the control named";
        if (last < 0) return; // nothing to choose yet; the list can be reached
        // The arrow drops the list, also of a list with a field to type in.
        QTest::mouseClick(combo, Qt::LeftButton, {},
                          QPoint(combo->width() - 6, combo->height() / 2));
        QApplication::processEvents();
        QAbstractItemView* view = combo->view();
        ASSERT_TRUE(view->isVisible()) << where << ": the list did not drop";
        // A dropped list takes no release until a double click's time has passed.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QModelIndex item = view->model()->index(last, combo->modelColumn());
        view->scrollTo(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
        QApplication::processEvents();
        EXPECT_EQ(combo->currentIndex(), last) << where;
        return;
    }
    auto* view = qobject_cast<QListWidget*>(list);
    ASSERT_NE(view, nullptr) << where << ": a picker opened no list";
    const int last = view->count() - 1;
    view->scrollToBottom();
    QApplication::processEvents();
    // The last item, or the middle of an empty list.
    const QPoint inView = last < 0 ? view->viewport()->rect().center()
                                   : view->visualItemRect(view->item(last)).center();
    const QPoint inWindow = view->viewport()->mapTo(window, inView);
    ASSERT_EQ(window_look::CoveredAt(window, view, inWindow).toStdString(), "")
        << where << ": the list lies under the control named";
    if (last < 0) return;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, inView);
    QApplication::processEvents();
    // A choice may close the picker or fill the list anew; the click chose.
    EXPECT_TRUE(!view->isVisible() || view->currentRow() == last || view->count() != last + 1)
        << where;
}

// Opens every picker of the window (a label showing ">>", or "<<" while open) in turn and clicks
// the last item of the list it opened; returns the pickers tried.
QStringList TryEveryPicker(QWidget* window, const char* windowName) {
    QStringList tried;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        platform::Control* picker = platform::Control::ofWidget(label);
        if (!picker ||
            (label->text() != QLatin1String(">>") && label->text() != QLatin1String("<<")))
            continue;
        window_look::BringToView(label);
        if (!label->isVisible() || !label->isEnabled()) {
            tried << picker->name() + QStringLiteral(" (not shown)");
            continue;
        }
        const std::string where = std::string(windowName) + " " + picker->name().toStdString();
        // A picker left open (by the window's own steps) is closed first.
        if (label->text() == QLatin1String("<<")) QTest::mouseClick(label, Qt::LeftButton);
        QApplication::processEvents();
        const std::set<QWidget*> before = ShownControls(window);
        QTest::mouseClick(label, Qt::LeftButton);
        QApplication::processEvents();
        QWidget* list = nullptr;
        for (QWidget* w : ShownControls(window))
            if (!before.count(w) && (qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w)))
                list = w;
        if (!list) {
            tried << picker->name() + QStringLiteral(" (opened nothing)");
            continue;
        }
        tried << picker->name();
        ClickLastItem(window, list, where);
        if (label->text() == QLatin1String("<<")) QTest::mouseClick(label, Qt::LeftButton);
        QApplication::processEvents();
    }
    return tried;
}

TEST(WindowReach, EveryPickerListOpensAboveTheOtherControlsAndTakesAClickOnItsLastItem) {
    TestProgram t;
    answerModalsWithCancel(t->host.modal);
    frmMain& m = t.main();
    m.load();
    t.loadDataFile("film.srt", SubRip(12));
    const QString sound = t.dataFilesPath("tone.wav");
    ASSERT_TRUE(writeWav(sound, 3.0));
    loadSubFile(t.program(), sound); // the player's line list opens with media
    m.show();
    m.move(0, 0, frmMain::MinWidth, frmMain::MinHeight);
    m.Resize();
    const QStringList onMain = TryEveryPicker(m.window(), "frmMain");
    // The font name picker is off for SubRip, which carries no font names.
    for (const char* name :
         {"Label54", "Label56", "Label50", "Label16", "Label65", "Label37", "Label44", "Label29",
          "Label45", "Label31", "Label47", "Label53", "Label58", "Label60"})
        EXPECT_TRUE(onMain.contains(QString::fromLatin1(name)))
            << name << " in " << onMain.join(", ").toStdString();
    frmSettings& settings = t->settings();
    settings.show();
    QStringList onSettings;
    for (const char* key : {"startup", "general", "script", "audio", "defaults", "lng"}) {
        settings.ShowTab(QString::fromLatin1(key));
        onSettings += TryEveryPicker(settings.window(), key);
    }
    EXPECT_TRUE(onSettings.contains("Label37") && onSettings.contains("Label65"))
        << onSettings.join(", ").toStdString();
    settings.hide();
    m.hide(); // the pickers of the collection window and the chooser: below
}

// A place from the last run comes back wholly on the screen: moved inside
// past an edge, at the screen's size where larger (never below the smallest
// window). The test screen (800 x 600) is smaller than the smallest window,
// so the rule is met through its own step, with a real screen's sizes; on
// the test screen itself the place is kept (Layout.StartsWhereItWas...).
TEST(WindowReach, TheMainWindowFromTheLastRunLiesWhollyOnTheScreen) {
    const int w = 1280 * platform::TwipsPerPixel, h = 800 * platform::TwipsPerPixel;
    const int mw = frmMain::MinWidth, mh = frmMain::MinHeight;
    struct Case {
        const char* name;
        QRect from, to;
    };
    const Case cases[] = {
        {"6 px past the bottom", {300, h - mh + 90, mw, mh}, {300, h - mh, mw, mh}},
        {"past the right", {w - mw + 600, 0, mw, mh}, {w - mw, 0, mw, mh}},
        {"taller than the screen", {0, 0, mw, h + 900}, {0, 0, mw, h}},
        {"on the screen", {450, 300, 16000, 10000}, {450, 300, 16000, 10000}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeptOnScreen(c.from, w, h), c.to) << c.name;
}

// On every page of the window's tab strips, as the picture would show it.
// `knownCut` names captions known to be cut that this check leaves to their
// window's owner.
void CheckWhatAUserMeets(QWidget* window, const QString& where, const QStringList& knownCut = {}) {
    window_look::ForEachPage(window, [&](const QString& page) {
        EXPECT_EQ(window_look::Faults(window, knownCut).join('\n').toStdString(), "")
            << where.toStdString() << ", " << page.toStdString();
    });
}

// The main window with a film open at the size given, in the program's language, saved for a look.
void Shoot(Program& p, const QString& folder, int pxWidth, int pxHeight, const QString& file,
           const QStringList& knownCut) {
    frmMain& m = p.main();
    mustLoad(p, writeFileAt(folder + "/Data/Files/film.srt",
                            SubRip(40, "A line of the film that is long enough to fill a column")));
    m.tabMain.setTab(frmMain::TabEditor);
    m.show();
    m.move(0, 0, pxWidth * platform::TwipsPerPixel, pxHeight * platform::TwipsPerPixel);
    m.editor.grdSubEdit.setCurrentCell(4, 1);
    QApplication::processEvents();
    QApplication::processEvents();
    for (const platform::Control* c : std::initializer_list<const platform::Control*>{
             &m.SSTab1, &m.tabMain, &m.tabClipboard, &m.Label33, &m.Label34}) {
        EXPECT_LE(c->left() + c->width(), m.width()) << c->name().toStdString() << " " << pxWidth;
        EXPECT_LE(platform::toPixels(c->top() + c->height()),
                  m.window()->height() - m.StatusBar1.widget()->height())
            << c->name().toStdString() << " " << pxHeight;
    }
    const QPixmap shot = m.window()->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.width(), pxWidth);
    EXPECT_TRUE(shot.save(file));
    CheckWhatAUserMeets(m.window(), file, knownCut);
    m.hide();
}

void ShootThreeSizes(Program& p, const QString& folder, const QString& language,
                     const QStringList& knownCut = {}) {
    for (auto [w, h, size] :
         {std::tuple{953, 613, "min"}, {1280, 800, "1280x800"}, {1920, 1080, "1920x1080"}})
        Shoot(p, folder, w, h, "layout" + language + "_" + size + ".png", knownCut);
}

TEST(LayoutShots, SmallestAndTwoLargerSizes) {
    TestProgram t;
    t.main().load();
    ShootThreeSizes(t.program(), t.folder(), "");
}

TEST(LayoutShots, SmallestAndTwoLargerSizesInGerman) {
    ProgramWithPack german("Deutsch.lng");
    ASSERT_EQ(german->main().mnuFile.caption(), "&Datei");
    // Left to the pack: its words for a font the format does not carry are too wide.
    ShootThreeSizes(*german, german.folder.path(), "_de", {"Label48(0)"});
}

// Saving, the chooser's status line says why Ok waits (a name to type, an
// extension several types share, the extension the type gives): each shows
// whole, over the main window at each of its sizes, saved for a look.
TEST(LayoutShots, TheChoosersHintLinesShowWhole) {
    TestProgram t;
    t.main().load();
    for (auto [w, h, size] :
         {std::tuple{953, 613, "min"}, {1280, 800, "1280x800"}, {1920, 1080, "1920x1080"}}) {
        frmMain& m = t.main();
        mustLoad(t.program(), writeFileAt(t.folder() + "/Data/Files/film.srt", SubRip(3)));
        m.show();
        m.move(0, 0, w * platform::TwipsPerPixel, h * platform::TwipsPerPixel);
        QStringList hints;
        t.answer<frmFile>([&](frmFile& f) {
            QApplication::processEvents();
            for (const char* name : {"", "two.sub", "plain"}) {
                window_steps::type(f.txtFilename, QString::fromLatin1(name));
                if (*name)
                    window_steps::click(f.cmdAction[frmFile::Ok]);
                else
                    QTest::keyClick(f.txtFilename.widget(), Qt::Key_Backspace);
                hints << f.lblErr.caption();
                if (f.List3.visible()) window_steps::click(f.Label6); // the pane over the list
                const QString shot =
                    QStringLiteral("chooser_hint_%1_%2.png").arg(size).arg(hints.size());
                window_look::SaveShot(f.window(), shot);
                CheckWhatAUserMeets(f.window(), shot, {"Label5"});
            }
            f.cmdActionClick(frmFile::Cancel);
        });
        m.mnuSavesubfile.click();
        EXPECT_EQ(hints.size(), 3) << size;
        EXPECT_FALSE(hints.contains(QStringLiteral("Ready"))) << hints.join('\n').toStdString();
        m.hide();
    }
}

// Every other window, over the main one away from the middle: all reachable, none overlapping.
void CheckTheOtherWindows(Program* t) {
    answerModalsWithCancel(t->host.modal);
    frmMain& m = t->main();
    m.show();
    m.move(600, 450, frmMain::MinWidth, frmMain::MinHeight);
    const QPoint middle(m.left() + m.width() / 2, m.top() + m.height() / 2);
    frmTip tip(*t);
    frmAbout about(*t);
    frmHelp help(*t);
    frmOnlineMess news(*t);
    const std::set<platform::Form*> escapes = {&t->fileChooser(), &t->control(), &t->preview(),
                                               &t->system(), &t->wizard()};
    for (platform::Form* w : std::initializer_list<platform::Form*>{
             &t->settings(), &t->dbase(), &t->fileChooser(), &t->control(), &t->preview(),
             &t->system(), &t->wizard(), &t->historyWindow(), &tip, &about, &help, &news}) {
        const std::string name = w->name().toStdString();
        w->show();
        QApplication::processEvents();
        // Left to its window: the chooser's type caption shows the whole
        // filter text.
        const QStringList known = w == &t->fileChooser() ? QStringList{"Label5"} : QStringList{};
        CheckWhatAUserMeets(w->window(), w->name(), known);
        if (w == &t->settings())
            for (const char* key :
                 {"startup", "system", "general", "script", "audio", "defaults", "lng"}) {
                t->settings().TV2.clickNode(QString::fromLatin1(key));
                CheckWhatAUserMeets(w->window(), w->name() + " " + key);
            }
        if (w == &t->dbase() || w == &t->fileChooser()) {
            EXPECT_GE(TryEveryPicker(w->window(), name.c_str()).size(), 1) << name;
        }
        if (w == &t->system() || w == &t->wizard()) {
            EXPECT_TRUE(QRect(w->left(), w->top(), w->width(), w->height()).contains(middle))
                << name << " at " << w->left() << ", " << w->top();
        }
        if (!escapes.count(w)) {
            w->hide();
            continue;
        }
        QTest::keyClick(w->window(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(w->visible()) << name << " after Escape";
    }
    bool asked = false; // a question with the input rows and all four buttons
    queueAnswer<frmMessageBox>(t->host.modal, [&](frmMessageBox& box) {
        asked = true;
        CheckWhatAUserMeets(box.window(), box.name());
        box.cmdActionClick(frmMessageBox::Cancel);
    });
    t->messages.ShowMessage("Which name?", 1, "yesnookcancel", "Question", true);
    EXPECT_TRUE(asked);
    t->splash().show();
    CheckWhatAUserMeets(t->splash().window(), t->splash().name());
    t->splash().hide();
    m.hide();
}

TEST(LayoutShots, EveryControlOfTheOtherWindowsCanBeReachedAndEscapeClosesThem) {
    TestProgram t;
    t.main().load();
    CheckTheOtherWindows(&t.program());
}

TEST(LayoutShots, EveryControlOfTheOtherWindowsCanBeReachedInGerman) {
    ProgramWithPack german("Deutsch.lng");
    ASSERT_EQ(german->main().mnuFile.caption(), "&Datei");
    CheckTheOtherWindows(&*german);
}

} // namespace
