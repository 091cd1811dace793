#include "analysis/chi_square.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <numeric>

namespace quorvex {

namespace {

struct Class {
    double observed = 0;
    double expected = 0;
};

}  // namespace

double chiSquarePValue(double statistic, unsigned degreesOfFreedom) {
    const boost::math::chi_squared distribution(degreesOfFreedom);
    return boost::math::cdf(boost::math::complement(distribution, statistic));
}

ChiSquareResult goodnessOfFit(const std::vector<std::uint64_t>& observed,
                              const std::vector<double>& probabilities) {
    const double total =
        static_cast<double>(std::accumulate(observed.begin(), observed.end(), std::uint64_t{0}));
    std::vector<Class> classes;
    Class pool;
    for (std::size_t index = 0; index < observed.size(); ++index) {
        const Class one{static_cast<double>(observed[index]), total * probabilities[index]};
        if (one.expected < SmallestExpectedCount) {
            pool.observed += one.observed;
            pool.expected += one.expected;
        } else {
            classes.push_back(one);
        }
    }
    while (pool.expected > 0 && pool.expected < SmallestExpectedCount && !classes.empty()) {
        const auto rarest =
            std::min_element(classes.begin(), classes.end(),
                             [](const Class& a, const Class& b) { return a.expected < b.expected; });
        pool.observed += rarest->observed;
        pool.expected += rarest->expected;
        classes.erase(rarest);
    }
    if (pool.expected >= SmallestExpectedCount) classes.push_back(pool);

    ChiSquareResult result;
    result.classes = classes.size();
    if (classes.size() < 2) return result;
    result.applicable = true;
    for (const Class& one : classes) {
        const double difference = one.observed - one.expected;
        result.statistic += difference * difference / one.expected;
    }
    result.degreesOfFreedom = static_cast<unsigned>(classes.size() - 1);
    result.pValue = chiSquarePValue(result.statistic, result.degreesOfFreedom);
    return result;
}

}  // namespace quorvex
