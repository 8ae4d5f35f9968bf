// The command registry: one handler per command name, reached the same way
// from a menu item and from code that runs a command by its name.

#include "support/TestProgram.h"

#include <stdexcept>

namespace {

TEST(Commands, ANameIsRegisteredOnceAndUnknownNamesRunNothing) {
    CommandRegistry r;
    QStringList seen;
    r.add(QStringLiteral("Editor.Shift.Duration"), 517,
          [&seen](const QString& data) { seen << data; });
    EXPECT_THROW(r.add(QStringLiteral("Editor.Shift.Duration"), 517, [] {}), std::logic_error);
    EXPECT_TRUE(r.run(QStringLiteral("Editor.Shift.Duration"), QStringLiteral("00:00:01,000")));
    EXPECT_FALSE(r.run(QStringLiteral("Editor.Shift.Nowhere")));
    EXPECT_EQ(seen, QStringList({"00:00:01,000"}));
    ASSERT_NE(r.find(QStringLiteral("Editor.Shift.Duration")), nullptr);
    EXPECT_EQ(r.find(QStringLiteral("Editor.Shift.Duration"))->actionCode, 517);
}

TEST(Commands, TheFileMenuRunsItsCommandsFromTheRegistry) {
    TestProgram t;
    frmMain& m = t.main();
    for (const char* name : {"Menu.File.New", "Menu.File.Load", "Menu.File.Add",
                             "Menu.Save.SubFile", "Menu.Print", "Menu.File.Exit"})
        EXPECT_NE(t->commands.find(QString::fromLatin1(name)), nullptr) << name;
    // The menu item and the registry reach the same handler: New on an
    // unchanged empty document asks nothing and enables Save.
    m.mnuNewFile.click();
    EXPECT_TRUE(m.mnuSavesubfile.enabled());
    m.mnuSavesubfile.setEnabled(false);
    EXPECT_TRUE(t->commands.run(QStringLiteral("Menu.File.New")));
    EXPECT_TRUE(m.mnuSavesubfile.enabled());
}

} // namespace
