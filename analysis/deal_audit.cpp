#include "analysis/deal_audit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "analysis/exact_distributions.h"
#include "analysis/shape_keys.h"
#include "common/ascii_case.h"
#include "engine/cards.h"
#include "engine/high_card_points.h"

namespace quorvex {

namespace {

// Card-to-seat table: 52 cards x 4 seats, each seat expected to get each card a quarter of the time.
constexpr unsigned CardSeatDegreesOfFreedom = 51 * 3;
constexpr double CardSeatCorrection = (CardsPerDeal - 1.0) / CardsPerDeal;

// 1234567 -> "1,234,567"
std::string grouped(std::uint64_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Four decimals, small values in scientific notation; zero is what a double cannot tell apart.
std::string pValueText(double p) {
    if (p >= 0.0001) return fixed(p, 4);
    if (p == 0) return "below 1e-300";
    char text[32];
    std::snprintf(text, sizeof text, "%.1e", p);
    return text;
}

template <std::size_t N>
std::vector<std::uint64_t> counts(const std::array<std::uint64_t, N>& array) {
    return {array.begin(), array.end()};
}

template <std::size_t N>
std::vector<double> probabilities(const std::array<double, N>& array) {
    return {array.begin(), array.end()};
}

ChiSquareResult cardToSeat(const CardSeatTable& table, std::uint64_t boards) {
    ChiSquareResult result;
    result.classes = CardsPerDeal * HandCount;
    const double expected = static_cast<double>(boards) / HandCount;
    if (expected < SmallestExpectedCount) return result;
    result.applicable = true;
    for (const auto& seats : table)
        for (std::uint64_t count : seats) {
            const double difference = static_cast<double>(count) - expected;
            result.statistic += difference * difference / expected;
        }
    result.statistic *= CardSeatCorrection;
    result.degreesOfFreedom = CardSeatDegreesOfFreedom;
    result.pValue = chiSquarePValue(result.statistic, result.degreesOfFreedom);
    return result;
}

std::string lowerFirst(std::string text) {
    if (!text.empty()) text.front() = asciiLower(text.front());
    return text;
}

// "Hand shapes" of "Hand shapes (39 shapes)".
std::string shortName(const AuditTest& test) { return test.name.substr(0, test.name.find(" (")); }

// "a", "a and b", "a, b and c"
std::string listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return text;
}

// "once in 1,000 audits" for the significance level 0.001.
std::string oneInText(double alpha) {
    return "once in " + grouped(static_cast<std::uint64_t>(std::llround(1 / alpha))) + " audits";
}

}  // namespace

void DealAudit::add(const ByHandDeal& deal) {
    const std::size_t seat = boards_ % HandCount;
    const std::size_t suit = (boards_ / HandCount) % SuitCount;
    SuitLengths lengths{};
    unsigned points = 0;
    for (std::size_t field = CardsPerHand * seat; field < CardsPerHand * (seat + 1); ++field) {
        const int card = deal[field];
        ++lengths[static_cast<std::size_t>(suitOf(card))];
        points += highCardPoints(cardLetter(card));
    }
    ++shapes_[static_cast<std::size_t>(shapeIndexOf(lengths))];
    ++suitLengths_[lengths[suit]];
    ++points_[points];
    for (std::size_t field = 0; field < deal.size(); ++field)
        ++seatOfCard_[deal[field] - 1u][static_cast<std::size_t>(handOfField(static_cast<int>(field)))];
    ++boards_;
}

std::vector<AuditTest> DealAudit::tests(double alpha) const {
    const std::string hands = grouped(boards_) + (boards_ == 1 ? " hand" : " hands") + " (one per board)";
    std::vector<AuditTest> tests = {
        {"Hand shapes (39 shapes)", hands,
         goodnessOfFit(counts(shapes_), probabilities(shapeProbabilities())), true},
        {"Suit lengths (0 to 13 cards)", grouped(boards_) + " suits (one per board)",
         goodnessOfFit(counts(suitLengths_), probabilities(suitLengthProbabilities())), true},
        {"High-card points (0 to 37)", hands,
         goodnessOfFit(counts(points_), probabilities(highCardPointProbabilities())), true},
        {"Card to seat (52 cards x 4 seats)", grouped(CardsPerDeal * boards_) + " cards",
         cardToSeat(seatOfCard_, boards_), true},
    };
    for (AuditTest& test : tests) test.passed = !test.result.applicable || test.result.pValue >= alpha;
    return tests;
}

bool auditPassed(const DealAudit& audit, double alpha) {
    const std::vector<AuditTest> tests = audit.tests(alpha);
    return std::all_of(tests.begin(), tests.end(), [](const AuditTest& test) { return test.passed; }) &&
           std::any_of(tests.begin(), tests.end(),
                       [](const AuditTest& test) { return test.result.applicable; });
}

std::vector<std::string> auditReport(const DealAudit& audit, double alpha) {
    const std::vector<AuditTest> tests = audit.tests(alpha);
    std::string levelText = fixed(alpha, 9);
    levelText.erase(levelText.find_last_not_of('0') + 1);
    const std::string boards = grouped(audit.boards()) + (audit.boards() == 1 ? " board" : " boards");
    std::vector<std::string> lines = {
        "Audit of " + boards + " against the exact probabilities of random dealing",
        "Significance level: " + levelText, ""};
    std::vector<std::string> failed, notApplicable, passed;
    for (const AuditTest& test : tests) {
        lines.push_back(test.name + ", " + test.observations + ":");
        if (!test.result.applicable) {
            lines.push_back("    too few boards for this test");
            notApplicable.push_back(lowerFirst(shortName(test)));
            continue;
        }
        lines.push_back("    chi-square " + fixed(test.result.statistic, 2) + ", " +
                        std::to_string(test.result.degreesOfFreedom) + " degrees of freedom, p-value " +
                        pValueText(test.result.pValue) + ": " + (test.passed ? "pass" : "FAIL"));
        (test.passed ? passed : failed).push_back(lowerFirst(shortName(test)));
    }
    lines.emplace_back();
    const std::string level = "the " + levelText + " level";
    if (!failed.empty()) {
        lines.push_back("The " + boards + " are NOT consistent with random dealing: the " + listed(failed) +
                        (failed.size() == 1 ? " test found a deviation" : " tests found deviations") +
                        " from the exact probabilities that random dealing produces less often than " +
                        oneInText(alpha) + ".");
    } else if (notApplicable.size() == tests.size()) {
        lines.push_back("The " + boards + " are too few for any of the tests; audit more boards together.");
    } else if (!notApplicable.empty()) {
        lines.push_back("The " + boards + " are too few for the " + listed(notApplicable) +
                        (notApplicable.size() == 1 ? " test, which was" : " tests, which were") +
                        " skipped; the " + listed(passed) + (passed.size() == 1 ? " test" : " tests") +
                        " passed at " + level + ". Audit more boards together for every test.");
    } else {
        lines.push_back("The " + boards + " are consistent with random dealing: every test passed at " +
                        level +
                        ", so the hands show no more deviation from the exact probabilities than chance "
                        "alone commonly produces.");
    }
    lines.push_back(
        "(A p-value is the chance that honest random dealing deviates at least this much; a test "
        "fails when it falls below the significance level.)");
    return lines;
}

}  // namespace quorvex
