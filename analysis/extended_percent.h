#pragma once
// Percentages of the analysis report, with the digits directors have always been shown:
// the division is rounded to the 80-bit extended format (64-bit mantissa, round half to
// even), that quotient is rounded to 18 significant decimal digits, and the result to two
// decimals with half-up rounding. `long double` is that format only with some compilers,
// so the arithmetic is done exactly with integers and gives the same digits everywhere.
#include <cstdint>
#include <string>

namespace quorvex {

// A finite non-negative number of the extended format: mantissa x 2^exponent, the
// mantissa's top bit set; zero has a zero mantissa.
struct ExtendedValue {
    std::uint64_t mantissa = 0;
    int exponent = 0;
};

// dividend / divisor rounded to the extended format. The divisor must be finite and above
// zero, otherwise std::domain_error with the text "Invalid floating point operation".
ExtendedValue extendedQuotient(std::uint32_t dividend, double divisor);
// value / divisor rounded to the extended format; a zero divisor raises the same error.
ExtendedValue extendedQuotient(ExtendedValue value, std::uint32_t divisor);

// count / base / extraDivisor, each division rounded to the extended format, written with
// two decimals and `decimalSeparator`: hands use extraDivisor 1, suits 4.
std::string formatPercent(std::uint32_t count, double base, std::uint32_t extraDivisor,
                          char decimalSeparator);

}  // namespace quorvex
