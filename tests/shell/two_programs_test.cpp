// Two Mirel processes on one program folder: B starts before A, exits after it, keeps A's work.

#include "fileio/frmFile.h"
#include "macro/MacroTabFixture.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>
#include <map>
#include <random>

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

bool endedWell(QProcess& child) {
    return child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit &&
           child.exitCode() == 0;
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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MIREL_TWO_PROGRAMS", role + folder.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=TwoPrograms.*"});
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

// A child's turns: each input line ("add N c", "edit N c", "del N", "quit") on the Macros tab.
void RunMacroTurns(const QString& folder) {
    ProgramOn p(folder);
    p.main().load();
    MacroTab tab(p);
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
        const QStringList words = QString::fromUtf8(buffer).trimmed().split(' ');
        if (words[0] == "quit") break;
        if (words[0] == "add") {
            click(tab.ed().Command34);
            tab.ed().rtfMacroName.setText(words[1]);
            click(tab.ed().Command36);
            tab.add("System", "Comment");
        } else {
            tab.pickMacro(itemsOf(tab.pickers().Combo5).indexOf(words[1]));
        }
        if (words[0] == "del") {
            p.reply(frmMessageBox::Ok); // Are you sure?
            click(tab.ed().Command35);
        } else {
            tab.pickLine(0);
            tab.ed().rtfItemDescr.setText(words[2]);
            click(tab.ed().Command53);
        }
        std::puts("done");
        std::fflush(stdout);
    }
    p.main().mnuExit.click();
}

// The named macros of the store file, each with its first line (a name stored twice, both).
std::map<QString, QString> StoredMacros(const QStringList& store) {
    std::map<QString, QString> named;
    for (int m = 0; m < MacroLibrary::Macros; ++m)
        if (const QString name = store.value(m * MacroLibrary::Lines); !name.isEmpty())
            named[name] += store.value(m * MacroLibrary::Lines + 1);
    return named;
}

TEST(TwoPrograms, MacrosChangedInTurnsAreEachKeptOnceAtTheirLastContent) {
    if (qEnvironmentVariableIsSet("MIREL_MACRO_TURNS"))
        return RunMacroTurns(qEnvironmentVariable("MIREL_MACRO_TURNS"));
    ProgramFolder folder;
    std::map<QString, QString> expected; // each macro's one line
    QStringList store(MacroLibrary::Macros * MacroLibrary::Lines);
    for (int m = 0; m < 3; ++m) { // both start with these
        const QString name = QString("Shared%1").arg(m);
        store[m * MacroLibrary::Lines] = name;
        store[m * MacroLibrary::Lines + 1] = expected[name] = "System.Comment:=start";
    }
    folder.write("System/Macro.sdf", store.join("\r\n").toUtf8() + "\r\n");
    QProcess children[2];
    QByteArray out[2];
    for (QProcess& child : children) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MIREL_MACRO_TURNS", folder.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=TwoPrograms.MacrosChanged*"});
    }
    std::mt19937 random(47);
    std::vector<QString> own[2]; // the macros each one made and still has
    for (int round = 0, made = 0; round < 100; ++round)
        for (int who = 0; who < 2; ++who) {
            std::vector<QString>& mine = own[who];
            const unsigned pick = random() % 10;
            QString change;
            if (pick < 3 && mine.size() < 6) {
                mine.push_back(QString("%1%2").arg(who ? 'B' : 'A').arg(++made));
                change = "add " + mine.back();
            } else if (pick == 3 && !mine.empty()) {
                const auto gone = mine.begin() + random() % mine.size();
                change = "del " + *gone;
                expected.erase(*gone);
                mine.erase(gone);
            } else {
                const unsigned choice = random() % (mine.size() + 3);
                change =
                    "edit " + (choice < 3 ? QString("Shared%1").arg(choice) : mine[choice - 3]);
            }
            if (!change.startsWith("del")) {
                const QString content = QString("r%1w%2").arg(round).arg(who);
                expected[change.section(' ', 1, 1)] = "System.Comment:=" + content;
                change += ' ' + content;
            }
            children[who].write(change.toUtf8() + "\n"); // and wait for it to be done
            const qsizetype from = out[who].size();
            while (out[who].indexOf("done\n", from) < 0 && children[who].waitForReadyRead(30000))
                out[who] += children[who].readAll();
            ASSERT_GE(out[who].indexOf("done\n", from), 0) << change.toStdString() << "\n"
                                                           << out[who].data();
        }
    for (int who = 0; who < 2; ++who) {
        children[who].write("quit\n");
        ASSERT_TRUE(endedWell(children[who])) << out[who].data();
    }
    EXPECT_EQ(StoredMacros(folder.lines("System/Macro.sdf")), expected);
}

} // namespace
