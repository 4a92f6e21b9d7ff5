#include "NumberText.h"
#include "CalcError.h"
#include "LoadCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace cable {
namespace {

TEST(ParseInteger, AcceptsWholeNumbersOfThe32BitRange) {
    EXPECT_EQ(ParseInteger("2"), 2);
    EXPECT_EQ(ParseInteger("-5"), -5);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger(" 16 "), 16);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), std::numeric_limits<int32_t>::min());
}

TEST(ParseInteger, RejectsAnythingElseNamingTheText) {
    for (const char* text : {"", " ", "abc", "2147483648", "-2147483649", "1.5", "1e3", "0x10",
                             "+-1", "1 2", "٣", "９", "99999999999999999999999"}) {
        try {
            ParseInteger(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const TCalcError& e) {
            EXPECT_EQ(e.Kind(), TCalcErrorKind::ekConversion);
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(ParseReal, TakesTheSeparatorAsAParameter) {
    EXPECT_EQ(ParseReal("50", "."), 50);
    EXPECT_EQ(ParseReal("1.5", "."), 1.5);
    EXPECT_EQ(ParseReal("1,5", ","), 1.5);
    EXPECT_EQ(ParseReal("-0.25", "."), -0.25);
    EXPECT_EQ(ParseReal("+2", "."), 2);
    EXPECT_EQ(ParseReal(".5", "."), 0.5);
    EXPECT_EQ(ParseReal("1e3", "."), 1000);
    EXPECT_EQ(ParseReal("2,5E-1", ","), 0.25);
    EXPECT_EQ(ParseReal(" 15 ", "."), 15);
}

TEST(ParseReal, RejectsNonNumbersAndTheOtherSeparator) {
    struct Case {
        const char* text;
        const char* separator;
    };
    for (const Case& c : {Case{"", "."}, Case{"xyz", "."}, Case{"1.5", ","}, Case{"1,5", "."},
                          Case{"inf", "."}, Case{"nan", "."}, Case{"-inf", "."}, Case{"1e999", "."},
                          Case{"1e", "."}, Case{"--1", "."}, Case{"1.2.3", "."}, Case{"0x1p3", "."},
                          Case{"пятьдесят", "."}, Case{".", "."}}) {
        try {
            ParseReal(c.text, c.separator);
            ADD_FAILURE() << "accepted '" << c.text << "'";
        } catch (const TCalcError& e) {
            EXPECT_EQ(e.what(),
                      "'" + std::string(c.text) + "' is not a valid floating point value");
        }
    }
}

TEST(ConversionError, ShowsANulByteAsTheReplacementCharacterNotAsTheEndOfTheMessage) {
    using namespace std::string_view_literals;
    struct Case {
        std::string_view text;
        bool integer;
        const char* message;
    };
    for (const Case& c : {Case{"15\0"sv, false, "'15\uFFFD' is not a valid floating point value"},
                          Case{"-\0"sv, true, "'-\uFFFD' is not a valid integer value"},
                          Case{"2\0\0"sv, true, "'2\uFFFD\uFFFD' is not a valid integer value"}}) {
        try {
            if (c.integer) {
                ParseInteger(c.text);
            } else {
                ParseReal(c.text, ".");
            }
            ADD_FAILURE() << "accepted a text with a NUL byte";
        } catch (const TCalcError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(FormatGeneral, FifteenSignificantDigitsWithoutTrailingZeros) {
    struct Case {
        long double value;
        const char* separator;
        const char* text;
    };
    for (const Case& c : {
             Case{4, ".", "4"},
             Case{3.5, ".", "3.5"},
             Case{3.5, ",", "3,5"},
             Case{12.0, ".", "12"},
             Case{-0.0, ".", "0"},
             Case{0.1, ".", "0.1"},
             Case{2.0L / 3.0L, ".", "0.666666666666667"},
             Case{123456789012345.0L, ".", "123456789012345"},
             Case{1e15L, ".", "1E15"},
             Case{1.5e20L, ",", "1,5E20"},
             Case{-2.5e-7L, ".", "-2.5E-7"},
             Case{0.00012L, ".", "0.00012"},
         }) {
        EXPECT_EQ(FormatGeneral(c.value, c.separator), c.text) << static_cast<double>(c.value);
    }
}

TEST(FormatResult, TruncatesTowardZeroToTwoDecimals) {
    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c :
         {Case{2.2756, "2.27"}, Case{-1.237, "-1.23"}, Case{1.9059, "1.9"}, Case{12.0, "12"},
          Case{0.7024, "0.7"}, Case{-0.017, "-0.01"}, Case{-0.001, "0"}, Case{2.275621, "2.27"},
          Case{23.3096, "23.3"}, Case{1e300, "1E300"}}) {
        EXPECT_EQ(FormatResult(c.value, "."), c.text) << c.value;
    }
    EXPECT_EQ(FormatResult(1.9059, ","), "1,9");
}

// The C library's "%.15Lg" with the separator put in: the general format wherever it writes
// fixed notation (from 10^-4 up to 10^15).
std::string PrintfGeneral(long double value, const std::string& separator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
    std::string text = buffer;
    if (const size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, separator);
    }
    return text;
}

TEST(FormatResult, AgreesWithTheCLibraryOverEveryMagnitude) {
    // Whole hundredths are written straight from the integer; check that against the general
    // format of the truncated value, from 10^-2 up to 10^15 and for both signs.
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(1, 10);
    for (int i = 0; i < 200000; ++i) {
        const double x = (i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, i % 17 - 2);
        const long double truncated = std::trunc(static_cast<long double>(x) * 100) / 100;
        if (truncated == 0) {
            continue;
        }
        const std::string separator = i % 3 ? "." : ",";
        ASSERT_EQ(FormatResult(x, separator), PrintfGeneral(truncated, separator)) << x;
    }
}

TEST(FormatGeneral, AgreesWithTheCLibraryInFixedNotation) {
    // Doubles (the fast conversion, and whole hundredths such as rated loads) and long doubles.
    std::mt19937_64 random(20240612);
    std::uniform_real_distribution<double> mantissa(1, 10);
    for (int i = 0; i < 100000; ++i) {
        const double d = (i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, i % 18 - 4);
        const double hundredths = std::round(d * 100) / 100;
        const long double extended = d / 3.0L;
        for (long double value :
             {static_cast<long double>(d), static_cast<long double>(hundredths), extended}) {
            if (std::fabs(value) < 1e-4L || std::fabs(value) >= 1e15L) {
                continue;
            }
            ASSERT_EQ(FormatGeneral(value, "."), PrintfGeneral(value, "."))
                << static_cast<double>(value);
        }
    }
}

} // namespace
} // namespace cable
