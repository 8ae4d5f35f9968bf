// Two Mirels on one program folder, each a process of its own: what one of
// them keeps (a macro, its recent files, a search, a tablet cell, a subtitle
// file it saved) is not thrown away by the other one that started before it
// and exits after it.

#include "fileio/frmFile.h"
#include "macro/MacroTabFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

const char* const RoleVariable = "MIREL_TWO_PROGRAMS_ROLE";
const char* const FolderVariable = "MIREL_TWO_PROGRAMS_FOLDER";

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

// File > Save, with Ok in the chooser on the name it proposes and then the
// question that follows answered.
void saveThroughMenu(ProgramOn& p, int answer, Message* asked = nullptr) {
    p.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Ok); });
    p.reply(answer, asked);
    p.main().mnuSavesubfile.click();
}

// A new macro on the Macros tab, named and given one line.
void makeMacro(ProgramOn& p, const QString& name) {
    MacroTab tab(p);
    click(tab.ed().Command34);
    tab.ed().rtfMacroName.setText(name);
    click(tab.ed().Command36);
    tab.add("View", "Editor");
    click(tab.ed().Command53);
}

// A search that finds nothing (so it joins the history), and a text typed
// into a cell of the calculator's tablet; `cell` is the cell's column.
void searchAndEnterCell(ProgramOn& p, const QString& text, int cell) {
    SearchTab& search = p.main().search;
    search.rtfSearch.setText(text);
    search.cmdSearch.onClick();
    CalculatorTab& calc = p.main().calculator;
    calc.Calc.setCurrentCell(1, cell);
    calc.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindText);
    calc.rtfCalcAdvDataInput.setText(text);
    click(calc.cmdExecCalcData);
}

// A: opens its own file and the shared one, saves the shared one over
// itself, makes the macro "fromA", searches and fills tablet cell A1, exits.
void RunA(const QString& folder) {
    ProgramOn p(folder);
    p.main().load();
    openThroughMenu(p, folder + "/Data/Files/onlyA.srt");
    openThroughMenu(p, folder + "/Data/Files/shared.srt");
    saveThroughMenu(p, frmMessageBox::Yes); // the file exists: overwrite it
    makeMacro(p, "fromA");
    searchAndEnterCell(p, "fromA", 1);
    p.main().mnuExit.click();
}

// B: opens the shared file, says it is ready and waits until A has ended;
// then makes the macro "fromB", searches and fills cell B1, saves the shared
// file (printing the first question it is asked, answered No) and exits.
void RunB(const QString& folder) {
    ProgramOn p(folder);
    p.main().load();
    openThroughMenu(p, folder + "/Data/Files/shared.srt");
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    makeMacro(p, "fromB");
    searchAndEnterCell(p, "fromB", 2);
    Message asked;
    saveThroughMenu(p, frmMessageBox::No, &asked);
    std::printf("asked: %s\n", asked.text.simplified().toUtf8().constData());
    p.main().mnuExit.click();
}

// A child process that is ended when the test is, whatever it asserted.
struct Child : QProcess {
    ~Child() override {
        if (state() == QProcess::NotRunning) return;
        kill();
        waitForFinished(5000);
    }
};

void startRole(QProcess& child, const char* role, const QString& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(RoleVariable), QString::fromLatin1(role));
    env.insert(QString::fromLatin1(FolderVariable), folder);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=TwoPrograms.*")});
}

QString ended(QProcess& child, QByteArray& out) {
    if (!child.waitForFinished(60000)) return QStringLiteral("did not end");
    out += child.readAllStandardOutput();
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0) return {};
    return QString::fromUtf8(out + child.readAllStandardError());
}

TEST(TwoPrograms, OneFolderKeepsWhatEachProgramSavedAndASaveAsksAboutTheOthersChange) {
    if (qEnvironmentVariableIsSet(RoleVariable)) {
        const QString folder = qEnvironmentVariable(FolderVariable);
        if (qEnvironmentVariable(RoleVariable) == "A")
            RunA(folder);
        else
            RunB(folder);
        return;
    }
    ProgramFolder folder;
    const QString shared = folder.write("Data/Files/shared.srt", SubRip(2, "Shared"));
    const QString onlyA = folder.write("Data/Files/onlyA.srt", SubRip(1, "A"));

    Child b;
    startRole(b, "B", folder.path());
    QByteArray outB;
    QElapsedTimer waited;
    waited.start();
    while (b.state() != QProcess::NotRunning && !outB.contains("ready") &&
           waited.elapsed() < 60000) {
        b.waitForReadyRead(50);
        outB += b.readAllStandardOutput();
    }
    ASSERT_TRUE(outB.contains("ready")) << ended(b, outB).toStdString();

    Child a;
    startRole(a, "A", folder.path());
    QByteArray outA;
    const QString failedA = ended(a, outA);
    ASSERT_TRUE(failedA.isEmpty()) << failedA.toStdString();
    const QByteArray savedByA = readBytes(shared);

    b.write("go\n");
    b.closeWriteChannel();
    const QString failedB = ended(b, outB);
    ASSERT_TRUE(failedB.isEmpty()) << failedB.toStdString();

    const QStringList store = folder.lines("System/Macro.sdf");
    EXPECT_TRUE(store.contains("fromA")) << "A's macro is kept when B exits after A";
    EXPECT_TRUE(store.contains("fromB"));
    EXPECT_TRUE(folder.lines("System/recent.sdf").contains(onlyA)) << "A's recent file is kept";
    EXPECT_EQ(folder.lines("System/sr.sdf"), QStringList({"fromA", "fromB"}));
    const QStringList tablet = folder.lines("Data/Calculator/default.sac");
    EXPECT_EQ(tablet.mid(1, 2), QStringList({"@txt_fromA", "@txt_fromB"})) << "cells A1 and B1";
    EXPECT_TRUE(outB.contains("asked: " + shared.toUtf8() +
                              " was changed on disk since Mirel read it. Overwrite it?"))
        << outB.toStdString();
    EXPECT_EQ(readBytes(shared), savedByA) << "B's No keeps what A saved";
}

} // namespace
