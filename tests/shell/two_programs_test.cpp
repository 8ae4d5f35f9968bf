// Two Mirel processes on one program folder: B starts before A, exits after it, keeps A's work.

#include "fileio/frmFile.h"
#include "macro/MacroTabFixture.h"
#include "online/frmDbase.h"
#include "runtime/Numbers.h"
#include "shell/LanguageFixture.h"
#include "shell/frmSettings.h"
#include "support/Printing.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <set>

namespace {

// File > Open, with the file picked in the chooser's list of its folder.
void openThroughMenu(ProgramOn& p, const QString& path) {
    const QFileInfo info(path);
    p.answer<frmFile>([folder = info.absolutePath(), name = info.fileName()](frmFile& f) {
        f.List2.setPath(folder);
        f.File1.refresh();
        for (int i = 0; i < f.File1.listCount(); ++i)
            if (f.File1.list(i) == name) f.File1.setListIndex(i);
        f.cmdActionClick(frmFile::Ok);
    });
    p.main().mnuLoadFile.click();
}

// File > Save with Ok in the chooser, and `answer` to the question that follows.
void saveThroughMenu(ProgramOn& p, int answer, Message* asked = nullptr) {
    p.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Ok); });
    p.reply(answer, asked);
    p.main().mnuSavesubfile.click();
}

// A saves the shared file; B, once A has ended, saves it too. Each keeps a macro, search, cell.
void RunRole(const QString& role, const QString& folder) {
    const bool isA = role == "A";
    const QString name = "from" + role;
    ProgramOn p(folder);
    p.main().load();
    if (isA) openThroughMenu(p, folder + "/Data/Files/onlyA.srt");
    openThroughMenu(p, folder + "/Data/Files/shared.srt");
    if (isA) {
        saveThroughMenu(p, frmMessageBox::Yes); // the file exists: overwrite it
    } else {
        std::puts("B is ready");
        std::fflush(stdout);
        std::getchar(); // the end of the input: A has ended
    }
    MacroTab tab(p);
    click(tab.ed().Command34);
    tab.ed().rtfMacroName.setText(name);
    click(tab.ed().Command36);
    tab.add("View", "Editor");
    click(tab.ed().Command53);
    p.main().search.rtfSearch.setText(name); // found nowhere, so it joins the history
    p.main().search.cmdSearch.onClick();
    CalculatorTab& calc = p.main().calculator;
    calc.Calc.setCurrentCell(1, isA ? 1 : 2);
    calc.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindText);
    calc.rtfCalcAdvDataInput.setText(name);
    click(calc.cmdExecCalcData);
    if (!isA) {
        Message asked;
        saveThroughMenu(p, frmMessageBox::No, &asked);
        std::printf("asked: %s\n", asked.text.simplified().toUtf8().constData());
    }
    p.main().mnuExit.click();
}

// Starts this test program again as a child that plays one program: `what`
// (its environment variable) tells it its part, `filter` which test it is.
void StartChild(QProcess& child, const char* what, const QString& part, const QString& filter) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(what, part);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {filter});
}

bool endedWell(QProcess& child) {
    return child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit &&
           child.exitCode() == 0;
}

// Sends a child one turn and reads its answer, up to "done".
bool Turn(QProcess& child, QByteArray& out, const QString& turn) {
    const qsizetype from = out.size();
    child.write(turn.toUtf8() + "\n");
    while (out.indexOf("done\n", from) < 0 && child.waitForReadyRead(30000))
        out += child.readAll();
    return out.indexOf("done\n", from) >= 0;
}

TEST(TwoPrograms, OneFolderKeepsWhatEachProgramSavedAndASaveAsksAboutTheOthersChange) {
    if (qEnvironmentVariableIsSet("MIREL_TWO_PROGRAMS")) {
        const QString run = qEnvironmentVariable("MIREL_TWO_PROGRAMS");
        return RunRole(run.left(1), run.mid(1));
    }
    ProgramFolder folder;
    const QString shared = folder.write("Data/Files/shared.srt", SubRip(2, "Shared"));
    const QString onlyA = folder.write("Data/Files/onlyA.srt", SubRip(1, "A"));
    QProcess a, b; // a child still running at the end of the test is killed
    const auto start = [&](QProcess& child, const QString& role) {
        StartChild(child, "MIREL_TWO_PROGRAMS", role + folder.path(),
                   "--gtest_filter=TwoPrograms.*");
    };
    start(b, "B");
    QByteArray outB;
    while (!outB.contains("B is ready") && b.waitForReadyRead(60000))
        outB += b.readAll();
    ASSERT_TRUE(outB.contains("B is ready")) << outB.data();
    start(a, "A");
    ASSERT_TRUE(endedWell(a)) << a.readAll().data();
    const QByteArray savedByA = readBytes(shared);
    b.closeWriteChannel();
    const bool bEnded = endedWell(b);
    outB += b.readAll();
    ASSERT_TRUE(bEnded) << outB.data();
    const QStringList store = folder.lines("System/Macro.sdf");
    EXPECT_TRUE(store.contains("fromA") && store.contains("fromB")) << "B keeps A's macro";
    EXPECT_TRUE(folder.lines("System/recent.sdf").contains(onlyA)) << "and A's recent file";
    EXPECT_EQ(folder.lines("System/sr.sdf"), QStringList({"fromA", "fromB"}));
    EXPECT_EQ(folder.lines("Data/Calculator/default.sac").mid(1, 2),
              QStringList({"@txt_fromA", "@txt_fromB"}));
    EXPECT_TRUE(outB.contains("asked: " + shared.toUtf8() +
                              " was changed on disk since Mirel read it. Overwrite it?"))
        << outB.data();
    EXPECT_EQ(readBytes(shared), savedByA) << "B's No keeps what A saved";
}

// A child's turns on the Macros tab, one input line each: "add N c", "edit N c", "rename N M",
// "del N", "mark N", "text N c" (typed with Auto save: written once the pause ends), "wait"
// (the pause ends), "quit". Each answer ends in "done"; what the window told comes before it.
// Every message is printed and answered Ok or Yes.
void PrintMessages(ProgramOn& p) {
    p->host.modal.onUnanswered = [](platform::Form& form) {
        if (auto* box = dynamic_cast<frmMessageBox*>(&form)) {
            std::printf("told: %s\n", box->Label1.caption().simplified().toUtf8().constData());
            const bool asks = box->cmdAction[frmMessageBox::Yes].visible();
            box->cmdActionClick(asks ? frmMessageBox::Yes : frmMessageBox::Ok);
        }
    };
}

void RunStoreTurns(const QString& folder) {
    ProgramOn p(folder);
    PrintMessages(p);
    p.main().load();
    MacroTab tab(p);
    tab.wizard().Check6.setValue(1);
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
        const QStringList w = QString::fromUtf8(buffer).trimmed().split(' ');
        if (w[0] == "quit") break;
        if (w[0] == "add") {
            click(tab.ed().Command34);
            tab.ed().rtfMacroName.setText(w[1]);
            click(tab.ed().Command36);
            tab.add("System", "Comment");
        } else if (w[0] != "wait") {
            tab.pickMacro(itemsOf(tab.pickers().Combo5).indexOf(w[1]));
        }
        if (w[0] == "del") {
            click(tab.ed().Command35);
        } else if (w[0] == "rename") {
            tab.ed().rtfMacroName.setText(w[2]);
            click(tab.ed().Command36);
        } else if (w[0] == "mark") {
            tab.ed().Check5.setValue(1 - tab.ed().Check5.value());
        } else if (w[0] == "text") {
            if (!itemsOf(tab.wizard().List12).contains(w[1])) { // renamed since listed: relist
                std::puts("relisted");
                for (int i = 0; i < 2; ++i)
                    tab.ed().Check5.setValue(1 - tab.ed().Check5.value());
            }
            tab.wizard().List12.setListIndex(itemsOf(tab.wizard().List12).indexOf(w[1]));
            tab.wizard().Text2.setText(w[2]);
        } else if (w[0] == "wait") {
            if (p->macroLibrary.pause.isRunning()) p->macroLibrary.pause.tick();
        } else {
            tab.pickLine(0);
            tab.ed().rtfItemDescr.setText(w[2]);
            click(tab.ed().Command53);
        }
        std::printf("list: %s\ndone\n", itemsOf(tab.pickers().Combo5).join(',').toUtf8().data());
        std::fflush(stdout);
    }
    p.main().mnuExit.click();
}

// A macro as the model keeps it: its one line, its mark and its wizard text.
using Model = std::map<QString, QString>;
QString Content(const QString& line, int mark, const QString& text) {
    return line + '|' + QString::number(mark) + '|' + text;
}

// The named macros of the files: Macro.sdf's cells, then its wizard part after "<Wizard>".
Model StoredMacros(const QStringList& store) {
    Model named;
    const int wizard = MacroLibrary::Macros * MacroLibrary::Lines + 1;
    for (int m = 0; m < MacroLibrary::Macros; ++m)
        if (const QString name = store.value(m * MacroLibrary::Lines); !name.isEmpty())
            named[name] += Content(store.value(m * MacroLibrary::Lines + 1),
                                   store.value(wizard + 2 * m).trimmed().toInt(),
                                   store.value(wizard + 2 * m + 1));
    return named;
}

// The rule plainly: what only one changed is that one's, what both changed apart is kept
// twice (the file's as "name (2)"). Returns the names the writer must be told about.
QStringList MergeModel(const Model& base, const Model& mine, Model& disk, bool copies = true) {
    std::set<QString> names;
    for (const Model* m : {&base, &mine, static_cast<const Model*>(&disk)})
        for (const auto& entry : *m)
            names.insert(entry.first);
    const auto at = [](const Model& m, const QString& n) {
        const auto it = m.find(n);
        return it == m.end() ? std::optional<QString>() : it->second;
    };
    Model out;
    QStringList told, copied;
    for (const QString& n : names) {
        const auto b = at(base, n), m = at(mine, n), t = at(disk, n);
        const auto keep = [&](const std::optional<QString>& c) {
            if (c) out[n] = *c;
        };
        if (b == m) {
            keep(t);
        } else if (b == t || m == t) {
            keep(m);
        } else {
            keep(m ? m : t);
            told << n;
            if (m && t && copies) copied << n;
        }
    }
    for (const QString& n : copied) {
        int k = 2;
        while (out.count(n + QString(" (%1)").arg(k)) || disk.count(n + QString(" (%1)").arg(k)))
            ++k;
        out[n + QString(" (%1)").arg(k)] = disk[n];
    }
    disk = out;
    return told;
}

// The child runs the one test that started it.
QString ThisTestOnly() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return QString("--gtest_filter=%1.%2").arg(info->test_suite_name(), info->name());
}

struct Turns {
    int programs, rounds;
    unsigned seed;
};

class StoreTurns : public ::testing::TestWithParam<Turns> {};

// Every program on one folder changes macros in seeded turns, often the same one; after all
// ended, the files and a restarted window hold what the model says, and each choice was told.
TEST_P(StoreTurns, EveryChangeIsKeptAndEachConflictTold) {
    if (qEnvironmentVariableIsSet("MIREL_STORE_TURNS"))
        return RunStoreTurns(qEnvironmentVariable("MIREL_STORE_TURNS"));
    const Turns& turns = GetParam();
    ProgramFolder folder;
    Model disk;
    QStringList store(MacroLibrary::Macros * MacroLibrary::Lines);
    for (int m = 0; m < 3; ++m) { // every program starts with these
        store[m * MacroLibrary::Lines] = QString("Shared%1").arg(m);
        store[m * MacroLibrary::Lines + 1] = "System.Comment:=s0";
        disk[store[m * MacroLibrary::Lines]] = Content("System.Comment:=s0", 0, "");
    }
    folder.write("System/Macro.sdf", store.join("\r\n").toUtf8() + "\r\n");
    // A plug-in: the file holds it only once a program changed it.
    folder.write("Data/Macro/plug.mcr", "4.00:=Plug\r\nSystem.Comment:=p0\r\n");
    const QString plug = Content("System.Comment:=p0", 0, "");
    disk["Plug"] = plug;
    struct Child {
        QProcess child;
        QByteArray out;
        Model base, held;
        std::set<QString> listed; // List12 as the model knows it: marked when last rebuilt
        bool typed = false;
        qsizetype from = 0;     // where the answer to the last change starts
        std::set<QString> owed; // conflicts this program is yet to be told of
        Model deleted;          // what it deleted and wrote, as it was
    };
    std::vector<std::unique_ptr<Child>> programs;
    const QString filter = ThisTestOnly();
    for (int i = 0; i < turns.programs; ++i) {
        auto& pr = *programs.emplace_back(std::make_unique<Child>());
        StartChild(pr.child, "MIREL_STORE_TURNS", folder.path(), filter);
        pr.base = pr.held = disk;
    }
    for (auto& pr : programs) // every program has read the store before the first change
        ASSERT_TRUE(Turn(pr->child, pr->out, "wait")) << pr->out.data();
    std::mt19937 random(turns.seed);
    int made = 0, conflicts = 0;
    std::map<QString, Child*> wroteLast; // who wrote each macro's state on disk
    // Each conflict is told in both windows: the writer's at once, the other's (whose version
    // became the copy, or whose deletion gave way) at its next write or exit; nothing else is.
    const auto heard = [](Child& pr, const std::set<QString>& told, const QString& change) {
        static const QRegularExpression about(
            "'([^']*)' was (changed|deleted or renamed) in the other Mirel");
        for (auto it = about.globalMatch(QString::fromUtf8(pr.out.mid(pr.from))); it.hasNext();) {
            const QString name = it.next().captured(1);
            EXPECT_TRUE(told.count(name) || pr.owed.count(name))
                << name.toStdString() << " told at " << change.toStdString()
                << pr.out.mid(pr.from).data();
            pr.owed.erase(name);
        }
    };
    bool plugFile = true; // a deleted or renamed plug-in's file is set aside
    const auto write = [&](Child& pr, const QString& change) {
        if (plugFile) disk.try_emplace("Plug", plug); // the plug-in's file stands for it
        const Model base = pr.base, before = disk;
        const QStringList told = MergeModel(pr.base, pr.held, disk);
        for (const QString& name : told) {
            EXPECT_GE(pr.out.indexOf("'" + name.toUtf8() + "' was", pr.from), 0)
                << change.toStdString() << pr.out.mid(pr.from).data();
            if (pr.held.count(name) && before.count(name) && wroteLast[name] != &pr)
                wroteLast[name]->owed.insert(name); // its version is the copy
            ++conflicts;
        }
        for (const auto& [name, content] : base)
            if (!pr.held.count(name) && !disk.count(name)) pr.deleted[name] = content;
        for (auto& other : programs) // a deletion that gave way to a later change
            std::erase_if(other->deleted, [&](const auto& gone) {
                if (other->held.count(gone.first)) return true;
                if (!disk.count(gone.first) || disk[gone.first] == gone.second) return false;
                other->owed.insert(gone.first);
                return true;
            });
        for (const Model* m : {&base, static_cast<const Model*>(&pr.held)})
            for (const auto& [name, content] : *m)
                if (base.count(name) != pr.held.count(name) || content != pr.held.at(name))
                    wroteLast[name] = &pr;
        heard(pr, {told.begin(), told.end()}, change);
        pr.base = pr.held;
        pr.typed = false;
    };
    for (int round = 0; round < turns.rounds; ++round)
        for (auto& owner : programs) {
            Child& pr = *owner;
            std::vector<QString> names;
            for (const auto& [name, content] : pr.held)
                names.push_back(name);
            const QString name = names.empty() ? "" : names[random() % names.size()];
            const QString c = QString("r%1").arg(round);
            const unsigned pick = random() % 12;
            QString change;
            auto& held = pr.held;
            if (names.empty() || (pick < 2 && names.size() < 9)) {
                change = QString("add N%1 %2").arg(++made).arg(c);
                held[change.section(' ', 1, 1)] = Content("System.Comment:=" + c, 0, "");
            } else if (pick == 2) {
                change = "del " + name;
                held.erase(name);
                pr.listed.erase(name);
            } else if (pick == 3) {
                change = QString("rename %1 M%2").arg(name).arg(++made);
                held[change.section(' ', 2)] = held[name];
                held.erase(name);
            } else if (pick == 4) {
                change = "mark " + name;
                QStringList f = held[name].split('|');
                held[name] = Content(f[0], 1 - f[1].toInt(), f[2]);
                pr.listed.clear();
                for (const auto& [n, content] : held)
                    if (content.split('|')[1] == "1") pr.listed.insert(n);
            } else if (pick < 7 && held[name].split('|')[1] == "1") {
                change = "text " + name + ' ' + c;
                QStringList f = held[name].split('|');
                held[name] = Content(f[0], 1, c);
            } else if (pick == 7) {
                change = "wait";
            } else {
                change = "edit " + name + ' ' + c;
                QStringList f = held[name].split('|');
                held[name] = Content("System.Comment:=" + c, f[1].toInt(), f[2]);
            }
            const qsizetype from = pr.from = pr.out.size();
            ASSERT_TRUE(Turn(pr.child, pr.out, change)) << change.toStdString() << pr.out.data();
            if (pr.out.indexOf("relisted", from) >= 0) write(pr, change); // marks off and on
            if (change.startsWith("text"))
                pr.typed = true;
            else if (change != "wait" || pr.typed)
                write(pr, change);
            else
                heard(pr, {}, change);
            if (change == "del Plug" || change.startsWith("rename Plug ")) plugFile = false;
        }
    for (auto& pr : programs) {
        pr->child.write("quit\n");
        ASSERT_TRUE(endedWell(pr->child)) << pr->out.data();
        pr->from = pr->out.size();
        pr->out += pr->child.readAll();
        if (pr->typed)
            write(*pr, "quit");
        else
            heard(*pr, {}, "quit");
    }
    for (auto& pr : programs)
        EXPECT_TRUE(pr->owed.empty()) << "never told of " << pr->owed.begin()->toStdString();
    Model stored = disk;
    if (const auto it = stored.find("Plug"); it != stored.end() && it->second == plug)
        stored.erase(it); // never changed: never written
    EXPECT_EQ(StoredMacros(folder.lines("System/Macro.sdf")), stored);
    if (plugFile) disk.try_emplace("Plug", plug); // listed again from its file
    EXPECT_GT(conflicts, 0) << "the seed let no two programs change one macro";
    QProcess restart;
    StartChild(restart, "MIREL_STORE_TURNS", folder.path(), filter);
    restart.write("wait\nquit\n");
    ASSERT_TRUE(endedWell(restart));
    const QByteArray out = restart.readAll();
    QStringList listed =
        QString::fromUtf8(out.mid(out.indexOf("list: ") + 6)).section('\n', 0, 0).split(',');
    listed.sort();
    QStringList expected;
    for (const auto& [name, content] : disk)
        expected << name;
    EXPECT_EQ(listed, expected) << "the window lists what the file holds";
}

INSTANTIATE_TEST_SUITE_P(Rows, StoreTurns,
                         ::testing::Values(Turns{2, 40, 47}, Turns{2, 40, 11}, Turns{3, 25, 5}),
                         [](const auto& info) {
                             return std::to_string(info.param.programs) + "Programs" +
                                    std::to_string(info.param.seed);
                         });

// A child's turns in the collection window on c.dbs, an item named by the name it shows:
// "rename K N", "remove K", "delete K", "restore", "title T", "ready" (nothing), "quit".
void RunCollectionTurns(const QString& folder) {
    ProgramOn p(folder);
    PrintMessages(p);
    p.main().load();
    p.answer<frmDbase>([](frmDbase& w) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, stdin)) {
            const QStringList v = QString::fromUtf8(buffer).trimmed().split(' ');
            if (v[0] == "quit") break;
            if (v[0] != "ready") w.List2.setListIndex(itemsOf(w.List2).indexOf(v.value(1)));
            if (v[0] == "ready") {
            } else if (v[0] == "rename") {
                w.txtItem.setText(v[2]);
                w.ItemChangeClick();
            } else if (v[0] == "title") {
                w.txtFile.setText(v[1]);
                w.TitleChangeClick();
            } else if (v[0] == "restore") {
                w.DBRestore();
            } else {
                w.Label13Click(v[0] == "delete" ? frmDbase::DeleteItem : frmDbase::RemoveItem);
            }
            std::printf("list: %s\ndone\n", itemsOf(w.List2).join(',').toUtf8().data());
            std::fflush(stdout);
        }
        w.CloseClick();
    });
    p->commands.run("Menu.Collection.Manage");
    p.main().mnuExit.click();
}

// The collection file's title and items as the model keeps them: item k of the start is "Ik"
// (its one line says so), holding its name and its in-index mark.
Model CollectionModel(const QStringList& file) {
    Model items{{"title", file.value(2)}};
    const int count = file.value(5).toInt();
    for (int k = 1; k <= count; ++k) {
        const QString entry = file.value(6 + k);
        const int first = entry.section(',', 0, 0).toInt();
        const QString line = file.value(8 + count + first); // after "<Subs>"
        items[line.section('|', 3, 3)] = entry.section(':', 1).chopped(1) + '|' + entry.right(1);
    }
    return items;
}

class CollectionTurns : public ::testing::TestWithParam<Turns> {};

TEST_P(CollectionTurns, EveryChangeIsKeptAndEachConflictTold) {
    if (qEnvironmentVariableIsSet("MIREL_COLLECTION_TURNS"))
        return RunCollectionTurns(qEnvironmentVariable("MIREL_COLLECTION_TURNS"));
    const Turns& turns = GetParam();
    ProgramFolder folder;
    QStringList file{"4.00", "<File>", "Films", "</File>", "<Data>", "5", "1,5:Films1"};
    for (int k = 1; k <= 5; ++k)
        file << QString("%1,%1:Part_%1").arg(k) + '1';
    file << "</Data>"
         << "<Subs>";
    for (int k = 1; k <= 5; ++k)
        file << QString("%1|00:00:01,000|00:00:02,000|I%2||").arg(k, 4, 10, QChar('0')).arg(k);
    file << "</Subs>";
    folder.write("Data/Files/c.dbs", file.join("\r\n").toUtf8() + "\r\n");
    Model disk = CollectionModel(file);
    struct Child {
        QProcess child;
        QByteArray out;
        Model base, held;
    };
    std::vector<std::unique_ptr<Child>> programs;
    for (int i = 0; i < turns.programs; ++i) {
        auto& pr = *programs.emplace_back(std::make_unique<Child>());
        StartChild(pr.child, "MIREL_COLLECTION_TURNS", folder.path(), ThisTestOnly());
        pr.base = pr.held = disk;
    }
    for (auto& pr : programs) // every window has read the collection before the first change
        ASSERT_TRUE(Turn(pr->child, pr->out, "ready")) << pr->out.data();
    std::mt19937 random(turns.seed);
    int made = 0, conflicts = 0;
    for (int round = 0; round < turns.rounds; ++round)
        for (auto& owner : programs) {
            Child& pr = *owner;
            Model& held = pr.held;
            std::vector<QString> shown; // the items List2 shows
            for (const auto& [key, item] : held)
                if (key != "title" && item.endsWith("|1")) shown.push_back(key);
            const unsigned pick = random() % 8;
            QString change;
            if (shown.empty() || pick == 0) {
                change = "restore";
                for (auto& [key, item] : held)
                    if (key != "title") item = item.section('|', 0, 0) + "|1";
            } else if (pick == 1) {
                change = QString("title T%1").arg(++made);
                held["title"] = change.mid(6);
            } else {
                const QString key = shown[random() % shown.size()];
                const QString name = held[key].section('|', 0, 0);
                if (pick == 2) {
                    change = "delete " + name;
                    held.erase(key);
                } else if (pick == 3) {
                    change = "remove " + name;
                    held[key] = name + "|0";
                } else {
                    change = QString("rename %1 n%2").arg(name).arg(++made);
                    held[key] = change.section(' ', 2) + "|1";
                }
            }
            const qsizetype from = pr.out.size();
            ASSERT_TRUE(Turn(pr.child, pr.out, change)) << change.toStdString() << pr.out.data();
            const auto dump = [](const Model& m) {
                QStringList o;
                for (auto& [k, v] : m)
                    o << k + "=" + v;
                return o.join(' ').toStdString();
            };
            const std::string before =
                "base " + dump(pr.base) + "\nheld " + dump(held) + "\ndisk " + dump(disk);
            if (!MergeModel(pr.base, held, disk, false).isEmpty()) {
                EXPECT_GE(pr.out.indexOf(" in the other Mirel", from), 0)
                    << change.toStdString() << "\n"
                    << before << "\n"
                    << pr.out.mid(from).data();
                ++conflicts;
            }
            pr.base = held = disk; // the window shows the file as written
        }
    for (auto& pr : programs) {
        pr->child.write("quit\n");
        ASSERT_TRUE(endedWell(pr->child)) << pr->out.data();
    }
    EXPECT_EQ(CollectionModel(folder.lines("Data/Files/c.dbs")), disk);
    EXPECT_GT(conflicts, 0) << "the seed let no two programs change one item";
}

INSTANTIATE_TEST_SUITE_P(Rows, CollectionTurns, ::testing::Values(Turns{2, 30, 3}, Turns{3, 20, 8}),
                         [](const auto& info) {
                             return std::to_string(info.param.programs) + "Programs" +
                                    std::to_string(info.param.seed);
                         });

// Each program's Ok writes the settings it changed and keeps those the other changed.
TEST(TwoPrograms, ASettingChangedInOneIsNotResetByTheOthersOk) {
    ProgramFolder folder;
    ProgramOn a(folder.path()), b(folder.path());
    a.main().load();
    b.main().load();
    const auto tick = [](ProgramOn& p, int box) {
        p.answer<frmSettings>([box](frmSettings& w) {
            w.Check7[box].setValue(1 - w.Check7[box].value());
            Press(w.Command1[frmSettings::Ok]);
        });
        p.main().mnuSettings.click();
    };
    tick(a, 4);
    QStringList expected = folder.lines("System/Settings/set.sdf");
    ASSERT_EQ(expected.size(), 22);
    expected[6] = runtime::Str(1 - expected[6].trimmed().toInt());
    tick(b, 6);
    EXPECT_EQ(folder.lines("System/Settings/set.sdf"), expected);
}

} // namespace
