#include "common/number_text.h"
#include "support/qt_print.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace fennick {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"", 0},       {"abc", 0},    {"12", 12},    {"12abc", 12}, {"  7", 7},      {"\t9", 9},
        {"-3", -3},    {"+4", 4},     {"1.5x", 1.5}, {".5", 0.5},   {"-.25", -0.25}, {"5.", 5},
        {"1e3", 1000}, {"2E-1", 0.2}, {"1e", 1},     {"1e+", 1},    {"-", 0},        {".", 0},
        {"x12", 0},    {"3 4", 3},    {"007", 7},    {"1,5", 1},    {"1e-999", 0},   {"-0", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(c.text)), c.expected);
    }
}

TEST(LeadingNumber, NeverFailsOnHugeOrStrangeTexts) {
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(leadingNumber(QString(400, QLatin1Char('9'))), largest); // overflows
    EXPECT_EQ(leadingNumber(QString(1 << 20, QLatin1Char('-'))), 0.0);
    EXPECT_EQ(leadingNumber(QString(1 << 20, QLatin1Char(' '))), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("1e0000001")), 10.0);
    EXPECT_EQ(leadingNumber(QStringLiteral("1e") + QString(1 << 20, QLatin1Char('9'))), largest);
    EXPECT_EQ(leadingNumber(QStringLiteral("1e999")), largest);
    EXPECT_EQ(leadingNumber(QStringLiteral("-1e999")), -largest);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("12345678901234567890")), 12345678901234567890.);
    EXPECT_EQ(leadingNumber(QString::fromUtf8("\xd9\xa3")), 0.0); // Arabic-Indic digit three
}

// Files keep the shortest text that reads back as the same number; the
// result of a sum is shown rounded to 15 digits.
TEST(ShortestDecimal, WritesNoLeadingSpaceAndNoTrailingZeros) {
    const struct {
        double value;
        const char* shortest;
        const char* rounded;
    } cases[] = {
        {0, "0", "0"},
        {-0.0, "0", "0"},
        {3, "3", "3"},
        {-2, "-2", "-2"},
        {0.5, "0.5", "0.5"},
        {-0.5, "-0.5", "-0.5"},
        {100, "100", "100"},
        {123456789012.0, "123456789012", "123456789012"},
        {1e20, "1e+20", "1e+20"},
        {0.1 + 0.2, "0.30000000000000004", "0.3"},
        {0.1234567890123456, "0.1234567890123456", "0.123456789012346"},
        {46362.8339814815, "46362.8339814815", "46362.8339814815"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308", "1.79769313486232e+308"},
        {std::numeric_limits<double>::quiet_NaN(), "0", "0"},
        {std::numeric_limits<double>::infinity(), "0", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shortest);
        EXPECT_EQ(shortestDecimal(c.value), QString::fromUtf8(c.shortest));
        EXPECT_EQ(roundedDecimal(c.value), QString::fromUtf8(c.rounded));
        if (std::isfinite(c.value)) {
            EXPECT_EQ(leadingNumber(shortestDecimal(c.value)), c.value);
        }
    }
    EXPECT_EQ(shortestDecimal(0.1f), QStringLiteral("0.1"));
}

TEST(NumberFormats, SecondsThreeDigitsAndFiveDotTwo) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> seconds[] = {
        {0, "0.00"},     {1.234, "1.23"},         {1.236, "1.24"},
        {12.5, "12.50"}, {86399.999, "86400.00"}, {-0.001, "0.00"},
        {-1.5, "-1.50"}, {nan, "0.00"},
    };
    for (const auto& [value, expected] : seconds)
        EXPECT_EQ(formatSeconds(value), QString::fromUtf8(expected)) << value;
    const std::pair<double, const char*> fiveDotTwo[] = {
        {0, "00000.00"},           {3.5, "00003.50"},        {12345.678, "12345.68"},
        {123456.789, "123456.79"}, {99999.999, "100000.00"}, {-3.5, "-00003.50"},
        {inf, "00000.00"},
    };
    for (const auto& [value, expected] : fiveDotTwo)
        EXPECT_EQ(formatFiveDotTwo(value), QString::fromUtf8(expected)) << value;
    const std::pair<int, const char*> threeDigits[] = {{0, "000"},   {7, "007"},     {42, "042"},
                                                       {999, "999"}, {1234, "1234"}, {-5, "-005"}};
    for (const auto& [value, expected] : threeDigits)
        EXPECT_EQ(formatThreeDigits(value), QString::fromUtf8(expected));
}

TEST(Int16Field, OutOfRangeOrTextReadsAsZero) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"", 0},      {"   ", 0},       {"12", 12},         {" 12 ", 12},
        {"-1", -1},   {"32767", 32767}, {"-32768", -32768}, {"32768", 0},
        {"40000", 0}, {"-40000", 0},    {"abc", 0},         {"1x", 0},
        {"nan", 0},   {"inf", 0},       {"1e3", 1000},      {"2.6", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseInt16Field(QString::fromUtf8(c.text)), c.expected);
    }
}

} // namespace
} // namespace fennick
