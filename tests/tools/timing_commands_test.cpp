// The timing tools' and the history's commands in the command registry, each
// under its macro name with its action code (what the commands do is tested
// with each tool).

#include "support/TestProgram.h"

namespace {

TEST(TimingCommands, EveryCommandIsRegisteredUnderItsMacroNameAndCode) {
    TestProgram t;
    t.main();
    const std::pair<const char*, int> expected[] = {
        {"Editor.Shift.Set.Direction.Beginning", 515},
        {"Editor.Shift.Set.Direction.End", 516},
        {"Editor.Shift.Go", 518},
        {"Editor.Stretch.Go", 522},
        {"Editor.Time.Go", 530},
        {"Editor.FR.Set.From.23.970", 538},
        {"Editor.FR.Set.From.24.000", 539},
        {"Editor.FR.Set.From.25.000", 540},
        {"Editor.FR.Set.From.29.970", 541},
        {"Editor.FR.Set.From.30.000", 542},
        {"Editor.FR.Set.To.23.970", 543},
        {"Editor.FR.Set.To.24.000", 544},
        {"Editor.FR.Set.To.25.000", 545},
        {"Editor.FR.Set.To.29.970", 546},
        {"Editor.FR.Set.To.30.000", 547},
        {"Editor.FR.Go", 548},
        {"Editor.Shift.Duration", 517},
        {"Editor.Stretch.First", 523},
        {"Editor.Stretch.Last", 524},
        {"Editor.Stretch.Start", 525},
        {"Editor.Stretch.End", 526},
        {"Editor.Time.Start", 531},
        {"Editor.Time.End", 532},
        {"Editor.Time.Duration", 533},
        {"Editor.Time.Left", 534},
        {"Editor.Time.Right", 535},
        {"Editor.Time.Shrink", 536},
        {"Editor.Time.Stretch", 537},
        {"Editor.Shift.Start", 519},
        {"Editor.Shift.End", 520},
        {"Editor.Shift.Range.Toggle", 521},
        {"Editor.Stretch.Range.Toggle", 527},
        {"Editor.Shift.Range.Node", 568},
        {"Editor.Stretch.Range.Node", 569},
        {"Menu.History.Show", 0},
    };
    for (const auto& [name, code] : expected) {
        const CommandRegistry::Command* c = t->commands.find(QString::fromLatin1(name));
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->actionCode, code) << name;
    }
}

} // namespace
