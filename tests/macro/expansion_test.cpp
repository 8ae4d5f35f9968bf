// Variable references in command data, If.Do conditions and the numbers
// between square brackets.

#include "macro/Variables.h"
#include "support/TestProgram.h"

namespace {

TEST(MacroExpansion, ReplacesWholeTokensAndKeepsTheSeparators) {
    TestProgram t;
    t->sysVars.sysVar[27] = "5";
    t->sysVars.sysVar[0] = "zero";
    t->macro.setMcrVar(0, "a:= 7");
    t->macro.setMcrVar(1, "count:=3");
    t->macro.setMcrVar(4, "A:=later"); // behind a free slot, and it wins over "a"
    struct Case {
        const char* data;
        const char* expanded;
    } cases[] = {
        {"sysvar[27]>0", "5>0"},
        {"SysVar[27]=5", "5=5"},
        {"count,a", "3,later"},
        {"a cat", "a cat"}, // only whole tokens
        {"x+count-1", "x+3-1"},
        {"sysvar[999]", "sysvar[999]"}, // no such variable: left as written
        {"sysvar[27", "sysvar[27"},     // no "]": left as written
        {"sysvar[]", "zero"},           // no number reads entry 0
        {"<>", "<>"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandVars(t.program(), c.data), c.expanded) << c.data;
}

TEST(MacroExpansion, SplitsAtTheFirstNineSeparatorsOnly) {
    const auto tokens = SplitMacroTokens("a,b,c,d,e,f,g,h,i,j,k,l,m", ",");
    ASSERT_EQ(tokens.size(), 10u);
    EXPECT_EQ(tokens[0].text, "a");
    EXPECT_TRUE(tokens[0].separator.isNull());
    EXPECT_EQ(tokens[9].text, "j,k,l,m");
    EXPECT_EQ(tokens[9].separator, u',');
    const auto empty = SplitMacroTokens("1,,2", ",");
    ASSERT_EQ(empty.size(), 3u);
    EXPECT_EQ(empty[1].text, "");
}

TEST(MacroConditions, CompareTextExactlyAndNumbersByValue) {
    struct Case {
        const char* condition;
        bool value;
    } cases[] = {
        {"5=5", true},    {"5 = 5", false},  {"abc=ABC", false}, {"abc=abc", true},
        {"10>9", true},   {"9>10", false},   {"1 0>9", true},    {"x<y", false},
        {"-1<0", true},   {"2.5<2.6", true}, {"nothing", false}, {"", false},
        {"3<4=4", false}, // the last operator decides, always between tokens 0 and 1
        {"3<=3", false},  {"4>=3", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EvalCondition(c.condition), c.value) << c.condition;
}

TEST(MacroBrackets, ReadTheNearestWholeNumberAndRefuseWhatDoesNotFit) {
    QString text = "mcrVar[12]";
    EXPECT_EQ(TakeBracketIndex(text), 12);
    EXPECT_EQ(text, "12");
    EXPECT_EQ(BracketIndex("sysvar[2.5]"), 2) << "halves go to the even neighbour";
    EXPECT_EQ(BracketIndex("sysvar[3.5]"), 4);
    EXPECT_EQ(BracketIndex("7]"), 7) << "no [ reads from the start";
    EXPECT_THROW(BracketIndex("sysvar[7"), MacroError);
    EXPECT_THROW(BracketIndex("sysvar[40000]"), MacroError);
    EXPECT_EQ(MacroInteger("-32768"), -32768);
    EXPECT_THROW(MacroInteger("32768"), MacroError);
    EXPECT_EQ(MacroInteger("abc"), 0);
}

} // namespace
