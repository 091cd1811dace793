#pragma once
// Pearson's chi-square goodness-of-fit test, with its p-value from Boost.Math's chi-squared
// distribution.
#include <cstdint>
#include <vector>

namespace quorvex {

struct ChiSquareResult {
    bool applicable = false;  // false when too few observations leave fewer than two classes
    double statistic = 0;
    unsigned degreesOfFreedom = 0;
    double pValue = 1;
    std::size_t classes = 0;  // after pooling
};

// Smallest expected count a class may have; rarer classes are pooled.
inline constexpr double SmallestExpectedCount = 5.0;

// Tests observed counts against class probabilities (summing to 1). Classes whose
// expected count is below 5 are pooled into one; while that pool is still below 5 it
// takes in the rarest remaining class. Degrees of freedom: classes after pooling - 1.
ChiSquareResult goodnessOfFit(const std::vector<std::uint64_t>& observed,
                              const std::vector<double>& probabilities);

// Upper tail of the chi-squared distribution: the chance that random data give a
// statistic at least this large.
double chiSquarePValue(double statistic, unsigned degreesOfFreedom);

}  // namespace quorvex
