// The timing tools' millisecond routines give exactly the texts of the
// time-code module's text routines for the same times: TimeCalc's sums and
// differences with its hour limits and negative form, and SecToTime's cut of
// a number of seconds in its plain decimal form.

#include "document/TimeCode.h"
#include "tools/TimingMilliseconds.h"
#include "tools/TimingTools.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using namespace timing;

QString plainCode(std::mt19937& rng, bool negative) {
    std::uniform_int_distribution<int> hours(negative ? 1 : 0, negative ? 9 : 99), sixty(0, 59),
        thousand(0, 999);
    const int h = hours(rng);
    return negative
               ? QString::asprintf("-%d:%02d:%02d,%03d", h, sixty(rng), sixty(rng), thousand(rng))
               : QString::asprintf("%02d:%02d:%02d,%03d", h, sixty(rng), sixty(rng), thousand(rng));
}

TEST(TimingMilliseconds, SumsAndDifferencesMatchTimeCalc) {
    std::mt19937 rng(18);
    std::bernoulli_distribution negative(0.2);
    for (int i = 0; i < 20000; ++i) {
        const QString a = plainCode(rng, negative(rng)), b = plainCode(rng, negative(rng));
        qint64 ma = 0, mb = 0;
        ASSERT_TRUE(PlainMs(a, ma)) << a.toStdString();
        ASSERT_TRUE(PlainMs(b, mb)) << b.toStdString();
        EXPECT_DOUBLE_EQ(double(ma), TimeToMs(a)) << a.toStdString();
        for (int sign : {1, -1}) {
            const QString op = sign > 0 ? "+" : "-";
            ASSERT_EQ(MsTimeCode(CalcMs(ma, mb, sign)), TimeCalc(a, b, op))
                << a.toStdString() << " " << op.toStdString() << " " << b.toStdString();
        }
    }
}

TEST(TimingMilliseconds, TheHourLimitsGiveTheFirstTimeBack) {
    const struct {
        const char *a, *op, *b;
    } cases[] = {{"99:59:59,999", "+", "00:00:00,001"}, {"99:00:00,000", "+", "00:59:59,999"},
                 {"-9:00:00,000", "-", "00:00:00,001"}, {"00:00:00,000", "-", "09:00:00,000"},
                 {"00:00:00,000", "-", "09:00:00,001"}, {"00:00:01,000", "-", "00:00:02,000"}};
    for (const auto& c : cases) {
        qint64 a = 0, b = 0;
        ASSERT_TRUE(PlainMs(c.a, a) && PlainMs(c.b, b));
        EXPECT_EQ(MsTimeCode(CalcMs(a, b, QString(c.op) == "+" ? 1 : -1)), TimeCalc(c.a, c.b, c.op))
            << c.a << c.op << c.b;
    }
}

TEST(TimingMilliseconds, SecondsAreCutLikeSecToTimeOfTheirPlainForm) {
    const double chosen[] = {0,        1e-16,          0.0005,  0.001,        0.9995,
                             1.2346,   57.52799999999, 59.9999, 3599.9999999, 359999.9995,
                             400000.1, 1234567.891,    -0.0};
    for (double x : chosen)
        EXPECT_EQ(MsTimeCode(CutMs(x)), SecToTime(PlainSeconds(x))) << x;
    std::mt19937 rng(4102);
    std::uniform_real_distribution<double> seconds(0, 400000);
    std::uniform_int_distribution<int> ms(0, 400000000);
    for (int i = 0; i < 20000; ++i) {
        const double x = seconds(rng), y = ms(rng) * (23.97 / 25) / 1000;
        ASSERT_EQ(MsTimeCode(CutMs(x)), SecToTime(PlainSeconds(x))) << x;
        ASSERT_EQ(MsTimeCode(CutMs(y)), SecToTime(PlainSeconds(y))) << y;
        ASSERT_EQ(SecondsToTimeCode(-x), TimeCalc("00:00:00,000", SecToTime(PlainSeconds(x)), "-"))
            << x;
    }
}

TEST(TimingMilliseconds, OnlyThePlainFormIsRead) {
    for (const char* text :
         {"00:60:00,000", "00:00:60,000", "0:00:00,000", "-0:00:00,000", "00:00:00.000",
          "000:00:00,000", "00:00:00,00", "0a:00:00,000", "", "-10:00:00,000", "00:00:00,0000"}) {
        qint64 ms = 0;
        EXPECT_FALSE(PlainMs(text, ms)) << text;
    }
    qint64 ms = 0;
    ASSERT_TRUE(PlainMs("-3:20:00,500", ms));
    EXPECT_EQ(ms, -3 * 3600000 + 20 * 60000 + 500);
}

TEST(TimingMilliseconds, PlainSecondsNeverTakeAnExponentOrACommaAndKeep15Digits) {
    EXPECT_EQ(PlainSeconds(57.52799999999999), "57.528");
    EXPECT_EQ(PlainSeconds(1e-16), "0");
    EXPECT_EQ(PlainSeconds(0.5), ".5");
    EXPECT_EQ(PlainSeconds(-3), "0");
    EXPECT_EQ(PlainSeconds(2e15), "2000000000000000");
}

} // namespace
