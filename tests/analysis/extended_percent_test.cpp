#include "analysis/extended_percent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>

namespace quorvex {
namespace {

std::string handsPercent(std::uint32_t count, std::uint32_t boards, char separator = '.') {
    return formatPercent(count, boards / 25.0, 1, separator);
}

std::string suitsPercent(std::uint32_t count, std::uint32_t boards, char separator = '.') {
    return formatPercent(count, boards / 25.0, 4, separator);
}

TEST(FormatPercent, RoundsTheExtendedQuotientTo18DigitsBeforeTwoDecimals) {
    // 7 / 10 / 4 is 0.175 exactly, 0.17499999999999999999729... in the extended format:
    // within 18 significant digits that is 0.175, which shows 0.18.
    EXPECT_EQ(suitsPercent(7, 250), "0.18");
    // 3 / 40 is 0.075; a double would print 0.07, the extended quotient shows 0.08.
    EXPECT_EQ(handsPercent(3, 1000), "0.08");
}

TEST(FormatPercent, KeepsTheErrorOfTheDoubleBase) {
    // The base 2 / 25 is a double a little above 0.08, so 1 / base / 4 is
    // 3.12499999999999993... and stays below the rounding boundary at 18 digits.
    EXPECT_EQ(suitsPercent(1, 2), "3.12");
    // 61 of 128 hands: 47.65624999999999900... shows 47.66.
    EXPECT_EQ(handsPercent(61, 32), "47.66");
}

TEST(FormatPercent, OneBoardGivesMultiplesOfAQuarterAndOfSixAndAQuarter) {
    EXPECT_EQ(handsPercent(0, 1), "0.00");
    EXPECT_EQ(handsPercent(1, 1), "25.00");
    EXPECT_EQ(handsPercent(3, 1), "75.00");
    EXPECT_EQ(handsPercent(4, 1), "100.00");
    EXPECT_EQ(suitsPercent(1, 1), "6.25");
    EXPECT_EQ(suitsPercent(3, 1), "18.75");
    EXPECT_EQ(suitsPercent(16, 1), "100.00");
}

TEST(FormatPercent, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(handsPercent(61, 32, ','), "47,66");
    EXPECT_EQ(handsPercent(0, 32, ','), "0,00");
}

TEST(FormatPercent, TinyAndLargeBases) {
    EXPECT_EQ(handsPercent(1, 4294967295u), "0.00");
    EXPECT_EQ(handsPercent(4294967295u, 4294967295u), "25.00");
    EXPECT_EQ(formatPercent(4294967295u, 0.04, 1, '.'), "107374182375.00");
}

TEST(FormatPercent, ZeroBaseIsAnInvalidOperation) {
    EXPECT_THROW(handsPercent(0, 0), std::domain_error);
    EXPECT_THROW(formatPercent(1, std::numeric_limits<double>::infinity(), 1, '.'), std::domain_error);
    EXPECT_THROW(formatPercent(1, 1.0, 0, '.'), std::domain_error);
    try {
        handsPercent(0, 0);
    } catch (const std::domain_error& error) {
        EXPECT_STREQ(error.what(), "Invalid floating point operation");
    }
}

TEST(ExtendedQuotient, NormalisesTheMantissaAndRoundsToNearest) {
    const ExtendedValue three = extendedQuotient(3, 1.0);
    EXPECT_EQ(three.mantissa, std::uint64_t{3} << 62);
    EXPECT_EQ(three.exponent, -62);
    // 1/3 = 0.0101...: the bits after the 64th are 0101..., above half an ulp: rounded up.
    const ExtendedValue third = extendedQuotient(1, 3.0);
    EXPECT_EQ(third.mantissa, 0xAAAAAAAAAAAAAAABu);
    EXPECT_EQ(third.exponent, -65);
    // 0.7 = 0.1011 0011 0011...: the bits after the 64th are 0011..., below half: cut.
    const ExtendedValue sevenTenths = extendedQuotient(7, 10.0);
    EXPECT_EQ(sevenTenths.mantissa, 0xB333333333333333u);
    EXPECT_EQ(sevenTenths.exponent, -64);
    // The second division continues from the rounded extended value, not from 7 / 40.
    const ExtendedValue quarter = extendedQuotient(sevenTenths, 4);
    EXPECT_EQ(quarter.mantissa, 0xB333333333333333u);
    EXPECT_EQ(quarter.exponent, -66);
    EXPECT_EQ(extendedQuotient(0, 0.08).mantissa, 0u);
}

// The decimal text of an x87 extended value, the way the C library rounds it to 18
// significant digits, then to two decimals half up.
std::string twoDecimalsOf(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17Le", value);  // d.ddddddddddddddddde+XX
    const std::string digits = std::string(1, text[0]) + std::string(text + 2, 17);
    const int exponent = std::atoi(std::strchr(text, 'e') + 1);
    const std::uint64_t significand = std::stoull(digits);
    const int shift = 15 - exponent;  // hundredths = significand / 10^shift
    std::uint64_t hundredths = 0;
    if (shift <= 0) {
        hundredths = significand;
        for (int i = 0; i < -shift; ++i) hundredths *= 10;
    } else if (shift <= 19) {
        std::uint64_t divisor = 1;
        for (int i = 0; i < shift; ++i) divisor *= 10;
        hundredths = (significand + divisor / 2) / divisor;
    }
    char result[48];
    std::snprintf(result, sizeof result, "%llu.%02llu", static_cast<unsigned long long>(hundredths / 100),
                  static_cast<unsigned long long>(hundredths % 100));
    return result;
}

void expectSameAsX87(std::uint32_t count, std::uint32_t boards) {
    const double base = boards / 25.0;
    const long double hands = static_cast<long double>(count) / static_cast<long double>(base);
    const long double suits = hands / 4;
    const ExtendedValue quotient = extendedQuotient(count, base);
    ASSERT_EQ(std::ldexp(static_cast<long double>(quotient.mantissa), quotient.exponent), hands)
        << count << " of " << boards << " boards";
    ASSERT_EQ(formatPercent(count, base, 1, '.'), twoDecimalsOf(hands))
        << count << " of " << boards << " boards";
    ASSERT_EQ(formatPercent(count, base, 4, '.'), twoDecimalsOf(suits))
        << count << " of " << boards << " boards";
}

TEST(FormatPercent, AgreesWithTheX87ExtendedFormat) {
    if constexpr (std::numeric_limits<long double>::digits == 64) {
        // Every count of the first hundred board numbers, where exact ties abound.
        for (std::uint32_t boards = 1; boards <= 100; ++boards)
            for (std::uint32_t count = 0; count <= 16 * boards; ++count) expectSameAsX87(count, boards);
        // Random counts; half of them of a multiple of 25 boards, whose exact base leaves the
        // extended division as the only rounding before the decimal digits.
        std::mt19937 random(1709);
        for (int i = 0; i < 20000; ++i) {
            std::uint32_t boards = std::uniform_int_distribution<std::uint32_t>(1, 2000000)(random);
            if (i % 2 == 0) boards = 25 * (boards % 4000 + 1);
            const std::uint32_t count = std::uniform_int_distribution<std::uint32_t>(0, 16 * boards)(random);
            expectSameAsX87(count, boards);
        }
    } else {
        GTEST_SKIP() << "long double is not the x87 extended format here";
    }
}

TEST(ExtendedQuotient, DividesByAnyCountLikeTheX87) {
    if constexpr (std::numeric_limits<long double>::digits == 64) {
        std::mt19937 random(77);
        for (int i = 0; i < 20000; ++i) {
            const std::uint32_t count = random();
            const std::uint32_t divisor = std::uniform_int_distribution<std::uint32_t>(1, 1000)(random);
            const ExtendedValue value = extendedQuotient(count, 0.04);
            const ExtendedValue quotient = extendedQuotient(value, divisor);
            const long double expected =
                static_cast<long double>(count) / static_cast<long double>(0.04) / divisor;
            ASSERT_EQ(std::ldexp(static_cast<long double>(quotient.mantissa), quotient.exponent), expected);
        }
    } else {
        GTEST_SKIP() << "long double is not the x87 extended format here";
    }
}

}  // namespace
}  // namespace quorvex
