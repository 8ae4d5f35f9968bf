// Time codes: positions, carries, negative hours and the range fallback.

#include "document/TimeCode.h"
#include "runtime/Numbers.h"

#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

TEST(TimeCalc, AddsWithOneCarryPerField) {
    EXPECT_EQ(TimeCalc("00:00:59,500", "00:00:00,700", "+"), "00:01:00,200");
    EXPECT_EQ(TimeCalc("00:59:59,999", "00:00:00,001", "+"), "01:00:00,000");
    EXPECT_EQ(TimeCalc("01:02:03,004", "10:20:30,400", "+"), "11:22:33,404");
    EXPECT_EQ(TimeCalc("-1:59:59,000", "00:00:01,000", "+"), "00:00:00,000");
}

TEST(TimeCalc, SubtractsIntoNegativeHours) {
    EXPECT_EQ(TimeCalc("00:00:00,000", "00:00:01,000", "-"), "-1:59:59,000");
    EXPECT_EQ(TimeCalc("05:00:00,000", "10:00:00,000", "-"), "-5:00:00,000");
    EXPECT_EQ(TimeCalc("01:00:00,000", "00:00:00,001", "-"), "00:59:59,999");
    EXPECT_EQ(TimeCalc("00:00:01,000", "00:00:01,000", "-"), "00:00:00,000");
}

TEST(TimeCalc, HoursOutsideTheRangeGiveTheFirstTimeBack) {
    EXPECT_EQ(TimeCalc("00:00:00,000", "10:00:00,000", "-"), "00:00:00,000");
    EXPECT_EQ(TimeCalc("99:59:59,999", "00:00:00,001", "+"), "99:59:59,999");
    EXPECT_EQ(TimeCalc("00:00:00,000", "09:00:00,000", "-"), "-9:00:00,000") << "-9 itself is kept";
    EXPECT_EQ(TimeCalc("98:59:59,999", "00:00:00,001", "+"), "99:00:00,000");
    EXPECT_EQ(TimeCalc(" 1:2", "00:00:00,000", "*"), " 1:2") << "an unknown operator";
}

TEST(TimeCalc, ReadsByPositionNotBySeparator) {
    EXPECT_EQ(TimeCalc("00:00:01.500", "00:00:00,000", "+"), "00:00:01,500");
    EXPECT_EQ(TimeCalc("", "", "+"), "00:00:00,000");
    // One digit is both the hours and the milliseconds.
    EXPECT_EQ(TimeCalc("5", "00:00:00,000", "+"), "05:00:00,005");
    EXPECT_EQ(TimeCalc("ab:cd:ef,ghi", "00:00:02,000", "+"), "00:00:02,000");
}

TEST(TimeToMs, SumsTheFields) {
    EXPECT_EQ(TimeToMs("01:02:03,004"), 3723004.0);
    EXPECT_EQ(TimeToMs("-1:59:59,000"), -1000.0);
    EXPECT_EQ(TimeToMs(""), 0.0);
    EXPECT_EQ(TimeToMs("00:00:00.250"), 250.0);
    EXPECT_EQ(TimeToMs("120:00:00,000"), 43200000.0) << "no range test: hours 12 read by position";
}

// The quick form must agree with the text route for every number a frame
// count, the player or the clipboard hands it: rounding at the 15th digit,
// the edges of the quick range, hours past 99 and the exponent forms.
TEST(SecondsTime, AgreesWithTheSecondsText) {
    std::vector<double> numbers = {0,
                                   1e-16,
                                   1e-4,
                                   9.99e-4,
                                   1e-3,
                                   0.04,
                                   0.0999,
                                   1.9999999999999998,
                                   59.9995,
                                   3599.999,
                                   3600,
                                   359999.999,
                                   360000,
                                   1e13 + 0.5,
                                   99999999999999.9,
                                   1e14,
                                   1e15,
                                   -1,
                                   123456.789012345678};
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const double frames = static_cast<double>(random() % 2000000);
        for (const double rate : {23.976, 25.0, 29.97, 30.0, 24.0})
            numbers.push_back(frames / rate);
        numbers.push_back(std::ldexp(static_cast<double>(random() % 1000000), -(i % 40)));
    }
    for (const double x : numbers)
        ASSERT_EQ(SecondsTime(x), SecToTime(runtime::NumberText(x))) << x;
}

TEST(SecToTime, WritesSecondsAsATimeCode) {
    EXPECT_EQ(SecToTime("90"), "00:01:30,000");
    EXPECT_EQ(SecToTime(".5"), "00:00:00,500");
    EXPECT_EQ(SecToTime("3661.25"), "01:01:01,250");
    EXPECT_EQ(SecToTime("12.3456"), "00:00:12,345") << "digits past the third are dropped";
    EXPECT_EQ(SecToTime("360000"), "100:00:00,000");
    EXPECT_EQ(SecToTime(""), "00:00:00,000");
    EXPECT_EQ(SecToTime("59.999"), "00:00:59,999");
    EXPECT_EQ(SecToTime("-6.56"), "00:00:00,000") << "a negative number counts as 0";
    EXPECT_EQ(SecToTime(QString(400, '9')), "00:00:00,000") << "beyond any number: 0";
    EXPECT_EQ(SecToTime(QString(400, '9') + ".5"), "00:00:00,500");
    EXPECT_EQ(SecToTime("nan"), "00:00:00,000");
    // Beyond whole-number precision the minutes and seconds stay in range.
    for (int digits : {16, 20, 250, 308}) {
        const QString t = SecToTime(QString(digits, '9'));
        EXPECT_TRUE(QRegularExpression("^[0-9.E+]+:[0-5][0-9]:[0-5][0-9],000$").match(t).hasMatch())
            << digits << ": " << t.toStdString();
    }
}

} // namespace
