// The tablet evaluator on its own: formulas over a few typed cells.
#include "calculator/TabletEvaluator.h"

#include <QElapsedTimer>
#include <QMap>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The cells the formulas below refer to.
const QMap<QString, QString> Cells = {
    {"A1", "tc_00:01:00,000"}, {"A2", "tc_00:00:30,500"}, {"A3", "tc_00:00:01,000"},
    {"B1", "val_3"},           {"B2", "val_4"},           {"B5", "val_0"},
    {"B6", "val_1"},           {"B7", "val_2"},           {"B8", "val_1.0000001"},
    {"B9", "val_1E+20"},       {"C1", "txt_Hello"},       {"C2", "txt_World"},
    {"D1", "plain"},           {"Z50", "val_7"},          {"B10", "val_10"},
    {"B11", "val_-1"},         {"B12", "val_0.5"},        {"B13", "val_-2"},
};

QString CellAt(int row, int col) {
    return Cells.value(QString(QChar(64 + col)) + QString::number(row));
}

tablet::Evaluation Eval(const QString& formula, const QString& rate = "25.000") {
    return tablet::Evaluate(formula, CellAt, rate);
}

struct Case {
    const char* formula;
    const char* kind;
    const char* result;
};

} // namespace

TEST(Evaluator, WorksOutFormulasLeftToRight) {
    const Case cases[] = {
        {"=A1+A2", "tc_", "00:01:30,500"}, // time codes add as time codes
        {"=A2-A1", "tc_", "-1:59:30,500"}, // ... and go below zero in the hours
        {"=B1+B2*B1", "val_", "21"},       // no precedence: (3 + 4) * 3
        {"=B1^3", "val_", "27"},           // a number as the exponent
        {"=B1^1", "val_", "3"},            // an exponent below 2 changes nothing
        {"=B1^0", "val_", "3"},
        {"=B1^B2", "val_", "81"},               // a reference as the exponent
        {"=B2/B1", "val_", "1.33333333333333"}, // 15 significant digits
        {"=B1-B2", "val_", "-1"},
        {"=C1+C2", "txt_", "HelloWorld"}, // texts join
        {"=C1-C2", "txt_", "Hello"},      // "-" does nothing on texts
        {"=B1+5", "val_", "3"},           // a literal counts as nothing
        {"=B9*B2", "val_", "4E+20"},      // large values keep their exponent
        {"=B9+B1", "val_", "1E+20"},
        {"=Z50+B1", "val_", "10"},                // the last cell of the tablet
        {"=D1", "", ""},                          // a value without a kind adds nothing
        {"=A1+C1", "txt_", "00:01:00,000Hello"},  // the last reference's kind counts
        {"=5+7", "", ""},                         // no reference, no kind
        {"=B51+B1", "val_", "3"},                 // the row below the tablet is empty
        {"=cnvtcfr_A3", "tc_", "25 frames"},      // one second at 25 frames a second
        {"=cnvtcfr_A1+A2", "tc_", "1500 frames"}, // only the first reference counts
        {"=B10+B1", "val_", "13"},                // a two-digit row
        {"=A10+B1", "val_", "3"},                 // an empty cell has no kind: B1 decides
    };
    for (const Case& c : cases) {
        const tablet::Evaluation e = Eval(c.formula);
        EXPECT_TRUE(e.ok) << c.formula;
        EXPECT_EQ(e.kind, c.kind) << c.formula;
        EXPECT_EQ(e.result, c.result) << c.formula;
    }
}

TEST(Evaluator, ConvertsAtTheRateGiven) {
    const std::pair<const char*, const char*> rates[] = {{"23.970", "23.97 frames"},
                                                         {"24.000", "24 frames"},
                                                         {"29.970", "29.97 frames"},
                                                         {"30.000", "30 frames"}};
    for (auto [rate, frames] : rates)
        EXPECT_EQ(Eval("=cnvtcfr_A3", rate).result, frames) << rate;
}

TEST(Evaluator, FailsWhereNoNumberComesOut) {
    const char* failing[] = {
        "=B1/B5",  // division by zero
        "=B1/B3",  // an empty cell divides by zero too
        "=B52+B1", // a row outside the tablet
        "=B99+B1",
        "=5-B1",  // "-" on values needs a number on both sides
        "=B9^B9", // too large for a double
        "=B9*B9*B9*B9*B9*B9*B9*B9*B9*B9*B9*B9*B9*B9*B9*B9",
    };
    for (const char* f : failing) {
        const tablet::Evaluation e = Eval(f);
        EXPECT_FALSE(e.ok) << f;
        EXPECT_TRUE(e.result.isEmpty() && e.kind.isEmpty()) << f;
    }
}

TEST(Evaluator, LongFormulasAreWorkedOutWhole) {
    QString formula = "=B1";
    for (int i = 0; i < 40; ++i)
        formula += "+B6";
    ASSERT_GT(formula.size(), 100);
    EXPECT_EQ(Eval(formula).result, "43");
}

TEST(Evaluator, NumbersReadTheirExponent) {
    EXPECT_EQ(tablet::Number("1E+20"), 1e20);
    EXPECT_EQ(tablet::Number(" 2.5e-3x"), 0.0025);
    EXPECT_EQ(tablet::Number("12:30"), 12);
    EXPECT_EQ(tablet::Number("E5"), 0);
    EXPECT_EQ(tablet::Number("abc"), 0);
    EXPECT_EQ(tablet::Number("-.5"), -0.5);
    EXPECT_TRUE(std::isinf(tablet::Number("1E+999")));
}

// A power is worked out at once, however large its exponent: a tablet full of
// them loads without keeping the calculator busy.
TEST(Evaluator, PowersOfAnySizeTakeNoTime) {
    const Case cases[] = {
        {"=B11^999999", "val_", "-1"}, // minus one: the exponent's parity counts
        {"=B11^1000000", "val_", "1"},
        {"=B11^B9", "val_", "1"},
        {"=B6^B9", "val_", "1"}, // one stays one
        {"=B5^B9", "val_", "0"},
        {"=B13^3", "val_", "-8"},
        {"=B13^62", "val_", "4.61168601842739E+18"},
        {"=B12^4.9", "val_", ".0625"}, // the exponent's integer part
        {"=B12^1100", "val_", "0"},    // too small for a double: zero
        {"=B8^10", "val_", "1.00000100000045"},
        {"=B7^1023", "val_", "8.98846567431158E+307"},
    };
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < 1300; ++round)
        for (const Case& c : cases) {
            const tablet::Evaluation e = Eval(c.formula);
            ASSERT_TRUE(e.ok) << c.formula;
            ASSERT_EQ(e.result, c.result) << c.formula;
        }
    // A multiplication per unit of the exponent takes minutes here; the
    // bound leaves room for a sanitized build on a busy machine.
    EXPECT_LT(clock.elapsed(), 6000) << "1,300 rounds of every case";
    // Two overflows on the way; 1.0000001 creeps up, but past what a double holds.
    for (const char* f : {"=B7^1024", "=B13^B9", "=B7^B9", "=B8^B9"})
        EXPECT_FALSE(Eval(f).ok) << f << ": too large for a double";
}
