#include "runtime/Numbers.h"
#include "support/Printing.h"

#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using runtime::NumberText;
using runtime::PrintNumber;
using runtime::Str;
using runtime::TrimStr;
using runtime::Val;

namespace {

template <class T>
concept Printable = requires(T v) {
    Str(v);
    TrimStr(v);
    NumberText(v);
    PrintNumber(v);
};
static_assert(Printable<int> && Printable<qint64> && Printable<unsigned> && Printable<short>);
static_assert(Printable<double> && Printable<float>);
static_assert(!Printable<bool>, "a bool must not print as 1 or 0");

QString Digits(int count, char digit) {
    return QString(count, QLatin1Char(digit));
}

} // namespace

TEST(NumbersVal, ReadsTheLeadingNumber) {
    EXPECT_EQ(Val("12"), 12.0);
    EXPECT_EQ(Val("12:30"), 12.0);
    EXPECT_EQ(Val("00:01"), 0.0);
    EXPECT_EQ(Val("1.2.3"), 1.2);
    EXPECT_EQ(Val("-.5"), -0.5);
    EXPECT_EQ(Val("+7.25 s"), 7.25);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("3."), 3.0);
    EXPECT_EQ(Val("007"), 7.0);
    EXPECT_EQ(Val("25,5"), 25.0);
}

TEST(NumbersVal, SkipsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(Val(" 1 2.5x"), 12.5);
    EXPECT_EQ(Val("\t-\n 3 4"), -34.0);
    EXPECT_EQ(Val("1 . 5"), 1.5);
    EXPECT_EQ(Val("1\r2"), 1.0) << "a carriage return ends the number";
    EXPECT_EQ(Val(QString::fromUtf8("1\u00A02")), 1.0) << "a no-break space ends the number";
}

TEST(NumbersVal, GivesZeroWithoutANumber) {
    for (const char* text : {"", "abc", ".", "-", "+", " ", "-.", ".x", "x1", "--5", "+-5", "- x"})
        EXPECT_EQ(Val(text), 0.0) << text;
    EXPECT_FALSE(std::signbit(Val("-0"))) << "Val never gives negative zero";
    EXPECT_FALSE(std::signbit(Val("-0.000")));
}

TEST(NumbersVal, KnowsNoExponentsHexOrOtherDigits) {
    EXPECT_EQ(Val("1e3"), 1.0);
    EXPECT_EQ(Val("1E+3"), 1.0);
    EXPECT_EQ(Val("&H10"), 0.0);
    EXPECT_EQ(Val("0x10"), 0.0);
    EXPECT_EQ(Val("inf"), 0.0);
    EXPECT_EQ(Val("nan"), 0.0);
    EXPECT_EQ(Val(QString::fromUtf8("\u0661\u0662")), 0.0) << "Arabic-Indic digits are not digits";
    EXPECT_EQ(Val(QString::fromUtf8("\uFF11")), 0.0) << "full-width digits are not digits";
}

TEST(NumbersVal, SurvivesVeryLongDigitStrings) {
    EXPECT_EQ(Val("123456789012345678901234567890"), 123456789012345678901234567890.0);
    EXPECT_EQ(Val(Digits(100000, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("-" + Digits(400, '1')), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("0." + Digits(1000, '0') + "1"), 0.0);
    EXPECT_EQ(Val(Digits(5000, '0') + "42"), 42.0);
    EXPECT_DOUBLE_EQ(Val("0." + Digits(5000, '3')), 1.0 / 3);
}

TEST(NumbersText, WritesPlainDecimalsWithoutALeadingZero) {
    EXPECT_EQ(NumberText(3.0 / 25), ".12");
    EXPECT_EQ(NumberText(0.5), ".5");
    EXPECT_EQ(NumberText(-0.5), "-.5");
    EXPECT_EQ(NumberText(12), "12");
    EXPECT_EQ(NumberText(-3), "-3");
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(100000), "100000");
    EXPECT_EQ(NumberText(1234.5), "1234.5");
    EXPECT_EQ(NumberText(0.0001), ".0001");
    EXPECT_EQ(NumberText(-12.75), "-12.75");
    EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
}

TEST(NumbersText, RoundsToFifteenSignificantDigits) {
    EXPECT_EQ(NumberText(1.0 / 3), ".333333333333333");
    EXPECT_EQ(NumberText(2.0 / 3), ".666666666666667");
    EXPECT_EQ(NumberText(0.1 + 0.2), ".3");
    EXPECT_EQ(NumberText(12.000000000000002), "12");
    EXPECT_EQ(NumberText(1.0 - 1e-16), "1");
    EXPECT_EQ(NumberText(-99.99999999999999), "-100");
    EXPECT_EQ(NumberText(1e-15), ".000000000000001");
    EXPECT_EQ(NumberText(0.000123456789012345678), ".000123456789012346");
}

TEST(NumbersText, UsesTheExponentFormForHugeAndTinyNumbers) {
    EXPECT_EQ(NumberText(1e15), "1E+15");
    EXPECT_EQ(NumberText(1.5e20), "1.5E+20");
    EXPECT_EQ(NumberText(-2.5e16), "-2.5E+16");
    EXPECT_EQ(NumberText(1234567890123456.0), "1.23456789012346E+15");
    EXPECT_EQ(NumberText(999999999999999.9), "1E+15") << "rounding reaches 1E+15";
    EXPECT_EQ(NumberText(1e100), "1E+100");
    EXPECT_EQ(NumberText(1e-16), "1E-16");
    EXPECT_EQ(NumberText(-1.5e-16), "-1.5E-16");
    EXPECT_EQ(NumberText(1.25e-300), "1.25E-300");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::max()), "1.79769313486232E+308");
}

TEST(NumbersText, NeverWritesMinusZeroNanOrInfinity) {
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(Str(-0.0), " 0");
    EXPECT_EQ(Str(std::numeric_limits<double>::quiet_NaN()), " 0");
}

// Random numbers over the whole plain range and beyond: the text reads back
// within 15 significant digits and keeps the runtime's shape.
TEST(NumbersText, EveryNumberReadsBackAndKeepsItsShape) {
    const QRegularExpression shape(QStringLiteral(
        "^-?(0|[1-9]\\d*(\\.\\d*[1-9])?|\\.\\d*[1-9]|[1-9](\\.\\d*[1-9])?E[+-]\\d{2,})$"));
    QRandomGenerator random(20240531);
    for (int i = 0; i < 20000; ++i) {
        const double x = (random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-20, 21));
        const QString text = NumberText(x);
        ASSERT_TRUE(shape.match(text).hasMatch()) << text.toStdString();
        QString digits = text.section(QLatin1Char('E'), 0, 0);
        digits.remove(QRegularExpression(QStringLiteral("[-.]")));
        while (digits.startsWith(QLatin1Char('0')) && digits.size() > 1)
            digits.remove(0, 1);
        EXPECT_LE(digits.size(), 15) << text.toStdString();
        bool ok = false;
        const double back = QLocale::c().toDouble(text, &ok);
        ASSERT_TRUE(ok) << text.toStdString();
        EXPECT_LE(std::abs(back - x), std::abs(x) * 5.1e-15) << text.toStdString();
        const bool exponent = text.contains(QLatin1Char('E'));
        EXPECT_EQ(exponent, back != 0 && (std::abs(back) >= 1e15 || std::abs(back) < 1e-15))
            << text.toStdString();
    }
}

TEST(NumbersText, DecimalsSurviveTextAndBack) {
    for (int i = -100000; i <= 100000; i += 7) {
        const double x = i / 1000.0;
        ASSERT_EQ(Val(NumberText(x)), x) << NumberText(x).toStdString();
    }
}

TEST(NumbersForms, SignedTrimmedAndPrintForms) {
    EXPECT_EQ(Str(12), " 12");
    EXPECT_EQ(Str(-12), "-12");
    EXPECT_EQ(Str(0.5), " .5");
    EXPECT_EQ(Str(-0.5), "-.5");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(1e15), " 1E+15");
    EXPECT_EQ(TrimStr(12), "12");
    EXPECT_EQ(TrimStr(-0.25), "-.25");
    EXPECT_EQ(PrintNumber(12), " 12 ");
    EXPECT_EQ(PrintNumber(-3), "-3 ");
    EXPECT_EQ(PrintNumber(0.5), " .5 ");
}

TEST(NumbersForms, TakeIntegersOfEveryWidth) {
    EXPECT_EQ(Str(qint64(1234567890123)), " 1234567890123");
    EXPECT_EQ(Str(-7LL), "-7");
    EXPECT_EQ(TrimStr(5u), "5");
    EXPECT_EQ(NumberText(short(-32768)), "-32768");
    EXPECT_EQ(PrintNumber(qint64(2147483648LL)), " 2147483648 ");
    EXPECT_EQ(TrimStr(std::numeric_limits<qint64>::max()), "9.22337203685478E+18");
}

namespace {

// Sets LC_NUMERIC and Qt's default locale for one test and puts them back.
class NumericLocaleGuard {
public:
    NumericLocaleGuard() : cLocale_(std::setlocale(LC_NUMERIC, nullptr)), qtLocale_(QLocale()) {
        locPath_ = qgetenv("LOCPATH");
        hadLocPath_ = qEnvironmentVariableIsSet("LOCPATH");
    }
    ~NumericLocaleGuard() {
        std::setlocale(LC_NUMERIC, cLocale_.c_str());
        QLocale::setDefault(qtLocale_);
        if (hadLocPath_)
            qputenv("LOCPATH", locPath_);
        else
            qunsetenv("LOCPATH");
    }

private:
    std::string cLocale_;
    QLocale qtLocale_;
    QByteArray locPath_;
    bool hadLocPath_ = false;
};

// Switches LC_NUMERIC to German; builds the locale into `dir` with localedef
// when the machine has none installed.
bool UseGermanNumericLocale(const QString& dir) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
        if (std::setlocale(LC_NUMERIC, name)) return true;
    const int rc =
        QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                           QStringLiteral("UTF-8"), dir + QStringLiteral("/de_DE.UTF-8")});
    if (rc != 0) return false;
    qputenv("LOCPATH", dir.toLocal8Bit());
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

} // namespace

TEST(NumbersLocale, IgnoresQtsDefaultLocale) {
    NumericLocaleGuard guard;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_EQ(QLocale().toString(1.5), "1,5") << "the German locale did not take effect";
    EXPECT_EQ(Val("1.5"), 1.5);
    EXPECT_EQ(Val("1,5"), 1.0);
    EXPECT_EQ(NumberText(1.5), "1.5");
    EXPECT_EQ(Str(1234567.25), " 1234567.25");
}

TEST(NumbersLocale, IgnoresTheCLocale) {
    NumericLocaleGuard guard;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (!UseGermanNumericLocale(dir.path()))
        GTEST_SKIP() << "no German locale installed and localedef could not build one";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5") << "LC_NUMERIC did not take effect";
    EXPECT_EQ(Val("1.5"), 1.5);
    EXPECT_EQ(Val("1,5"), 1.0);
    EXPECT_EQ(NumberText(1.5), "1.5");
    EXPECT_EQ(NumberText(-2.5e16), "-2.5E+16");
}
