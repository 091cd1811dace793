// The statistical audit: exact probabilities checked against independent counts, the
// program's own boards pass, and biased boards fail the test that measures their bias.
#include "analysis/deal_audit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

#include "analysis/exact_distributions.h"
#include "analysis/shape_keys.h"
#include "program_deals.h"

namespace quorvex {
namespace {

using testing::programDeals;

double binomial(int n, int k) {
    double value = 1;
    for (int i = 1; i <= k; ++i) value = value * (n - k + i) / i;
    return value;
}

TEST(ExactDistributions, ShapeProbabilitiesFollowFromTheSuitLengthsOfEachShape) {
    // For a shape with lengths a >= b >= c >= d: the ways to give the lengths to the four
    // suits (4! over the repeats) times C(13,a) C(13,b) C(13,c) C(13,d), over C(52,13).
    const std::array<double, 39> probabilities = shapeProbabilities();
    double sum = 0;
    for (unsigned a = 0; a <= 13; ++a)
        for (unsigned b = 0; b <= a; ++b)
            for (unsigned c = 0; c <= b; ++c) {
                if (a + b + c > 13 || 13 - a - b - c > c) continue;
                const unsigned d = 13 - a - b - c;
                std::map<unsigned, int> repeats;
                for (unsigned length : {a, b, c, d}) ++repeats[length];
                double orders = 24;
                for (const auto& [length, count] : repeats)
                    for (int k = 2; k <= count; ++k) orders /= k;
                const double expected =
                    orders * binomial(13, static_cast<int>(a)) * binomial(13, static_cast<int>(b)) *
                    binomial(13, static_cast<int>(c)) * binomial(13, static_cast<int>(d)) / binomial(52, 13);
                const int index = shapeIndexOf({a, b, c, d});
                ASSERT_GE(index, 0);
                EXPECT_NEAR(probabilities[static_cast<std::size_t>(index)], expected, 1e-15)
                    << shapeKeyOf({a, b, c, d});
                sum += expected;
            }
    EXPECT_NEAR(sum, 1.0, 1e-12);
    EXPECT_NEAR(std::accumulate(probabilities.begin(), probabilities.end(), 0.0), 1.0, 1e-12);
    EXPECT_NEAR(probabilities[0], 0.2155, 0.00005);  // 4-4-3-2, as the analysis report expects
}

TEST(ExactDistributions, SuitLengthProbabilitiesAreHypergeometric) {
    const std::array<double, 14> probabilities = suitLengthProbabilities();
    for (int k = 0; k <= 13; ++k)
        EXPECT_NEAR(probabilities[static_cast<std::size_t>(k)],
                    binomial(13, k) * binomial(39, 13 - k) / binomial(52, 13), 1e-15)
            << k;
}

TEST(ExactDistributions, HighCardPointsSumToOneAverageTenAndHaveTheKnownExtremes) {
    const std::array<double, 38> probabilities = highCardPointProbabilities();
    double sum = 0, mean = 0;
    for (std::size_t points = 0; points < probabilities.size(); ++points) {
        sum += probabilities[points];
        mean += static_cast<double>(points) * probabilities[points];
    }
    EXPECT_NEAR(sum, 1.0, 1e-12);
    EXPECT_NEAR(mean, 10.0, 1e-12);  // 40 points shared by four hands
    EXPECT_NEAR(probabilities[0], binomial(36, 13) / binomial(52, 13), 1e-15);  // only spot cards
    EXPECT_NEAR(probabilities[37], 4 / binomial(52, 13), 1e-25);                // every A, K, Q and one J
}

TEST(GoodnessOfFit, PoolsClassesExpectedBelowFiveAndGivesTheTabulatedPValue) {
    // 100 observations over probabilities .5, .3, .15, .03, .02: the last two (3 and 2
    // expected) pool into one class of 5, leaving 4 classes and 3 degrees of freedom.
    const ChiSquareResult result = goodnessOfFit({50, 30, 15, 5, 0}, {0.5, 0.3, 0.15, 0.03, 0.02});
    EXPECT_TRUE(result.applicable);
    EXPECT_EQ(result.classes, 4u);
    EXPECT_EQ(result.degreesOfFreedom, 3u);
    EXPECT_DOUBLE_EQ(result.statistic, 0.0);
    // Upper 5% point of chi-squared with 3 degrees of freedom is 7.815.
    EXPECT_NEAR(chiSquarePValue(7.815, 3), 0.05, 0.0001);
    EXPECT_FALSE(goodnessOfFit({3, 1}, {0.5, 0.5}).applicable);  // 2 expected in each: one pooled class
}

DealAudit auditOf(const std::vector<ByHandDeal>& deals) {
    DealAudit audit;
    for (const ByHandDeal& deal : deals) audit.add(deal);
    return audit;
}

// Test names that fail at the default significance level.
std::vector<std::string> failedTests(const std::vector<ByHandDeal>& deals) {
    std::vector<std::string> failed;
    for (const AuditTest& test : auditOf(deals).tests(0.001))
        if (!test.passed) failed.push_back(test.name.substr(0, test.name.find(' ')));
    return failed;
}

TEST(DealAudit, ALargeRunOfTheProgramsOwnBoardsPasses) {
    const DealAudit audit = auditOf(programDeals(100000));
    for (const AuditTest& test : audit.tests(0.001)) {
        EXPECT_TRUE(test.result.applicable) << test.name;
        EXPECT_TRUE(test.passed) << test.name << " p=" << test.result.pValue;
    }
    EXPECT_TRUE(auditPassed(audit, 0.001));
    EXPECT_EQ(
        auditReport(audit, 0.001).at(12).rfind("The 100,000 boards are consistent with random dealing", 0),
        0u);
}

TEST(DealAudit, BoardsChosenForABalancedNorthFailTheShapeTest) {
    std::vector<ByHandDeal> balanced;
    for (const ByHandDeal& deal : programDeals(20000)) {
        SuitLengths lengths{};
        for (std::size_t field = 0; field < 13; ++field) ++lengths[(deal[field] - 1u) / 13];
        const int shape = shapeIndexOf(lengths);
        if (ShapeKeys[static_cast<std::size_t>(shape)].Class == ShapeClass::Balanced)
            balanced.push_back(deal);
    }
    const std::vector<std::string> failed = failedTests(balanced);
    EXPECT_NE(std::find(failed.begin(), failed.end(), "Hand"), failed.end());
    EXPECT_EQ(std::find(failed.begin(), failed.end(), "Card"),
              failed.end());  // every card still goes anywhere
}

bool balanced(const ByHandDeal& deal, std::size_t hand) {
    SuitLengths lengths{};
    for (std::size_t field = 13 * hand; field < 13 * hand + 13; ++field) ++lengths[(deal[field] - 1u) / 13];
    return ShapeKeys[static_cast<std::size_t>(shapeIndexOf(lengths))].Class == ShapeClass::Balanced;
}

// North keeps the hand the program dealt; the other 39 cards are shuffled again, up to 20
// times, until East holds a balanced hand. North's hands are exactly random and every card
// still goes to every seat alike (the choice looks at suit lengths only), so only a test
// that samples East's hands too sees the bias.
TEST(DealAudit, BoardsBiasedOnlyInEastsHandsFailTheShapeTest) {
    std::mt19937 random(2026);
    std::vector<ByHandDeal> biased;
    for (ByHandDeal deal : programDeals(20000)) {
        for (int tries = 0; tries < 20 && !balanced(deal, 1); ++tries)
            std::shuffle(deal.begin() + 13, deal.end(), random);
        for (std::size_t hand = 0; hand < 4; ++hand)
            std::sort(deal.begin() + static_cast<std::ptrdiff_t>(13 * hand),
                      deal.begin() + static_cast<std::ptrdiff_t>(13 * hand + 13));
        biased.push_back(deal);
    }
    const std::vector<std::string> failed = failedTests(biased);
    EXPECT_NE(std::find(failed.begin(), failed.end(), "Hand"), failed.end());
    EXPECT_EQ(std::find(failed.begin(), failed.end(), "Card"), failed.end());
    EXPECT_FALSE(auditPassed(auditOf(biased), 0.001));
}

TEST(DealAudit, TooFewBoardsForAnyTestDoNotPassAndASkippedTestIsNeverCalledPassed) {
    const std::vector<ByHandDeal> deals = programDeals(200);
    const struct {
        std::size_t boards;
        bool passes;
        const char* summary;
    } cases[] = {
        {0, false, "The 0 boards are too few for any of the tests"},
        {3, false, "The 3 boards are too few for any of the tests"},
        {12, false, "The 12 boards are too few for any of the tests"},
        {40, true,
         "The 40 boards are too few for the high-card points test, which was skipped; the hand shapes"},
        {200, true, "The 200 boards are consistent with random dealing: every test passed"},
    };
    for (const auto& c : cases) {
        const DealAudit audit =
            auditOf({deals.begin(), deals.begin() + static_cast<std::ptrdiff_t>(c.boards)});
        const std::vector<AuditTest> tests = audit.tests(0.001);
        const auto skipped = std::count_if(tests.begin(), tests.end(),
                                           [](const AuditTest& test) { return !test.result.applicable; });
        const std::vector<std::string> report = auditReport(audit, 0.001);
        const std::string& summary = report.at(report.size() - 2);
        EXPECT_EQ(auditPassed(audit, 0.001), c.passes) << c.boards;
        EXPECT_EQ(summary.rfind(c.summary, 0), 0u) << summary;
        if (skipped > 0) {
            EXPECT_EQ(summary.find("every test passed"), std::string::npos) << summary;
        }
    }
}

TEST(DealAudit, ADeckDealtInRotationFailsTheShapeAndCardToSeatTests) {
    // A sorted deck dealt card by card round the table on every board: each hand gets
    // every fourth card, which is always 4-3-3-3 and always the same cards.
    ByHandDeal rotation{};
    for (int card = 1; card <= 52; ++card)
        rotation[static_cast<std::size_t>(13 * ((card - 1) % 4) + (card - 1) / 4)] =
            static_cast<std::uint8_t>(card);
    const std::vector<std::string> failed = failedTests(std::vector<ByHandDeal>(400, rotation));
    EXPECT_NE(std::find(failed.begin(), failed.end(), "Hand"), failed.end());
    EXPECT_NE(std::find(failed.begin(), failed.end(), "Card"), failed.end());
}

TEST(DealAudit, TheAceOfSpadesAlwaysWithNorthFailsTheCardToSeatTest) {
    // Each deal's hands turned so that North holds the ace of spades: one card keeps its seat.
    std::vector<ByHandDeal> turned;
    for (const ByHandDeal& deal : programDeals(20000)) {
        const std::size_t holder =
            static_cast<std::size_t>(std::find(deal.begin(), deal.end(), 1) - deal.begin()) / 13;
        ByHandDeal copy{};
        for (std::size_t hand = 0; hand < 4; ++hand)
            std::copy_n(deal.begin() + static_cast<std::ptrdiff_t>(13 * ((hand + holder) % 4)), 13,
                        copy.begin() + static_cast<std::ptrdiff_t>(13 * hand));
        turned.push_back(copy);
    }
    const std::vector<std::string> failed = failedTests(turned);
    EXPECT_NE(std::find(failed.begin(), failed.end(), "Card"), failed.end());
    EXPECT_EQ(std::find(failed.begin(), failed.end(), "Suit"), failed.end());
}

TEST(DealAudit, AFailureIsSummarisedInPlainWords) {
    ByHandDeal rotation{};
    for (int card = 1; card <= 52; ++card)
        rotation[static_cast<std::size_t>(13 * ((card - 1) % 4) + (card - 1) / 4)] =
            static_cast<std::uint8_t>(card);
    const std::vector<std::string> report =
        auditReport(auditOf(std::vector<ByHandDeal>(3200, rotation)), 0.001);
    EXPECT_EQ(report.at(12).rfind(
                  "The 3,200 boards are NOT consistent with random dealing: the hand shapes, suit lengths, "
                  "high-card points and card to seat tests found deviations",
                  0),
              0u)
        << report.at(12);
}

}  // namespace
}  // namespace quorvex
