#include "analysis/extended_percent.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "common/error_texts.h"

namespace quorvex {

namespace {

constexpr int SignificantDigits = 18;
constexpr int Decimals = 2;

[[noreturn]] void invalidOperation() { throw std::domain_error(error_text::InvalidFloatingPointOperation); }

// numerator / denominator correctly rounded to 64 significant bits, half to even.
// Binary long division, one quotient bit per step; the denominator stays below 2^63 so the
// doubled remainder always fits in 64 bits.
ExtendedValue divideRounded(std::uint64_t numerator, std::uint64_t denominator) {
    if (numerator == 0) return {};
    std::uint64_t quotient = 0;
    std::uint64_t remainder = 0;
    int quotientBits = 0;
    int weight = 63;  // binary weight of the quotient bit the next step yields
    for (; quotientBits < 64; --weight) {
        const std::uint64_t nextBit = weight >= 0 ? (numerator >> weight) & 1u : 0u;
        remainder = (remainder << 1) | nextBit;
        const bool bit = remainder >= denominator;
        if (bit) remainder -= denominator;
        if (bit || quotientBits > 0) {
            quotient = (quotient << 1) | (bit ? 1u : 0u);
            ++quotientBits;
        }
    }
    ExtendedValue result{quotient, weight + 1};
    const std::uint64_t twiceRemainder = remainder << 1;
    if (twiceRemainder > denominator || (twiceRemainder == denominator && (quotient & 1u))) {
        if (++result.mantissa == 0) {  // carried out of the top bit
            result.mantissa = std::uint64_t{1} << 63;
            ++result.exponent;
        }
    }
    return result;
}

// An unsigned integer of any size, little-endian limbs of 32 bits.
using BigNumber = std::vector<std::uint32_t>;

void multiplyBy(BigNumber& number, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : number) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) number.push_back(static_cast<std::uint32_t>(carry));
}

// Divides in place and returns the remainder.
std::uint32_t divideBy(BigNumber& number, std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (auto limb = number.rbegin(); limb != number.rend(); ++limb) {
        const std::uint64_t current = (remainder << 32) | *limb;
        *limb = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    while (!number.empty() && number.back() == 0) number.pop_back();
    return static_cast<std::uint32_t>(remainder);
}

std::string decimalDigits(BigNumber number) {
    std::string reversed;
    while (!number.empty()) {
        std::uint32_t chunk = divideBy(number, 1000000000u);
        for (int i = 0; i < 9; ++i, chunk /= 10) reversed.push_back(static_cast<char>('0' + chunk % 10));
    }
    while (!reversed.empty() && reversed.back() == '0') reversed.pop_back();
    if (reversed.empty()) return "0";
    return {reversed.rbegin(), reversed.rend()};
}

// digits x 10^-scale, digits without leading zeros ("0" for zero).
struct DecimalNumber {
    std::string digits;
    int scale = 0;
};

// Every extended value is a dyadic fraction, so its decimal expansion is finite:
// mantissa x 2^-k = mantissa x 5^k / 10^k.
DecimalNumber exactDecimal(ExtendedValue value) {
    BigNumber number{static_cast<std::uint32_t>(value.mantissa),
                     static_cast<std::uint32_t>(value.mantissa >> 32)};
    for (int i = 0; i < std::abs(value.exponent); ++i) multiplyBy(number, value.exponent < 0 ? 5u : 2u);
    return {decimalDigits(std::move(number)), std::max(0, -value.exponent)};
}

// Drops the last `count` digits, rounding half up. An exact tie at the 18th significant
// digit is possible in principle; half up and half to even cannot give different two
// decimals there, because a two-decimal rounding boundary (…5 followed by zeros) ends in
// an even digit 0 at the 18th place and both rules move a tie onto it.
void dropDigitsHalfUp(DecimalNumber& number, std::size_t count) {
    std::string& digits = number.digits;
    const bool roundUp = count <= digits.size() && digits[digits.size() - count] >= '5';
    digits.resize(count < digits.size() ? digits.size() - count : 0);
    number.scale -= static_cast<int>(count);
    if (roundUp) {
        auto digit = digits.rbegin();
        for (; digit != digits.rend() && *digit == '9'; ++digit) *digit = '0';
        if (digit == digits.rend())
            digits = '1' + digits;
        else
            ++*digit;
    }
    if (digits.empty()) digits.push_back('0');
}

std::string withDecimals(DecimalNumber number, char decimalSeparator) {
    if (number.scale < Decimals) number.digits.append(static_cast<std::size_t>(Decimals - number.scale), '0');
    std::string& digits = number.digits;
    if (digits.size() <= Decimals) digits.insert(0, Decimals + 1 - digits.size(), '0');
    digits.insert(digits.size() - Decimals, 1, decimalSeparator);
    return digits;
}

}  // namespace

ExtendedValue extendedQuotient(std::uint32_t dividend, double divisor) {
    if (!(divisor > 0) || !std::isfinite(divisor)) invalidOperation();
    // divisor = significand x 2^exponent with a 53-bit integer significand, exactly.
    int exponent = 0;
    const double fraction = std::frexp(divisor, &exponent);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    ExtendedValue result = divideRounded(dividend, significand);
    if (result.mantissa != 0) result.exponent -= exponent - 53;
    return result;
}

ExtendedValue extendedQuotient(ExtendedValue value, std::uint32_t divisor) {
    if (divisor == 0) invalidOperation();
    ExtendedValue result = divideRounded(value.mantissa, divisor);
    if (result.mantissa != 0) result.exponent += value.exponent;
    return result;
}

std::string formatPercent(std::uint32_t count, double base, std::uint32_t extraDivisor,
                          char decimalSeparator) {
    DecimalNumber number = exactDecimal(extendedQuotient(extendedQuotient(count, base), extraDivisor));
    if (number.digits.size() > SignificantDigits)
        dropDigitsHalfUp(number, number.digits.size() - SignificantDigits);
    if (number.scale > Decimals) dropDigitsHalfUp(number, static_cast<std::size_t>(number.scale - Decimals));
    return withDecimals(std::move(number), decimalSeparator);
}

}  // namespace quorvex
