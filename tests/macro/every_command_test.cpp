// Every registered command run once through the interpreter on a loaded
// document, as a macro line with data would run it: none may bring the
// program down. Windows the commands open are closed as the user closes them.

#include "MacroRun.h"
#include "macro/Interpreter.h"

#include <set>

namespace {

// Commands that end the program or reach out to a server.
const std::set<QString>& NotRunHere() {
    static const std::set<QString> names = {"Menu.File.Exit", "Online.Download.Update",
                                            "Online.Upload.Send"};
    return names;
}

TEST(MacroInterpreter, EveryRegisteredCommandRunsOnAFixtureDocument) {
    TestProgram t;
    loadFixture(t);
    std::vector<QString> windows;
    t->host.modal.onUnanswered = [&windows](platform::Form& form) {
        windows.push_back(form.name()); // closed as the user closes it
    };
    const QStringList names = t->commands.names();
    ASSERT_GT(names.size(), 300);
    int run = 0;
    for (const QString& name : names) {
        if (NotRunHere().count(name)) continue;
        if (t->doc.lineCount() < 3) {
            t->doc.FileChanged = false; // the load asks nothing
            mustLoad(t.program(), t.dataFilesPath("fixture.srt"));
        }
        for (const char* data : {"1", ""}) {
            QString d = QString::fromLatin1(data);
            Interpreter(t.program()).ExecMacro(name, d);
        }
        ++run;
    }
    EXPECT_EQ(run, names.size() - static_cast<int>(NotRunHere().size()));
    t->macro.mcrVar.fill(QString());
    defineMacro(t, 0, "After", {"System.mcrVar.Set:=still running"});
    pressGo(t, 0);
    EXPECT_EQ(variableValues(t), QStringList({"still running"}));
    EXPECT_FALSE(windows.empty()) << "the sweep opened windows and closed them";
}

} // namespace
