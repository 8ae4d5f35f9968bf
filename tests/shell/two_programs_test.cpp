// Two Mirel processes on one program folder: B starts before A, exits after it, keeps A's work.

#include "fileio/frmFile.h"
#include "macro/MacroTabFixture.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>

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

} // namespace
