#include "analysis/analysis_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "analysis_test_support.h"

namespace quorvex {
namespace {

AnalysisResult layoutBoardResult() {
    const testing::MainDealFile file;
    return DoSetAnalysis(file.write({testing::boardLineOf(testing::layoutDeal())}));
}

TEST(AddToMemo, FullLayoutOfOneBoard) {
    const std::vector<std::string> expected{
        "Analysis of hands: Club night.qvw",
        "",
        "Number of Boards: 1       Number of Hands: 4\t* (Expected)",
        "",
        "Total Points:\tNorth\tSouth\tEast\tWest\t\tNorth/South\tEast/West",
        "\t\t37\t0\t3\t0\t\t37\t\t3",
        "",
        "Balanced Hands: 1       25.00%\t* (47.60%)",
        "Semi Balanced:  1       25.00%\t* (19.22%)",
        "Shaped:         2       50.00%\t* (33.18%)",
        "",
        "Voids:          2       12.50%  * (1.28%)       Singletons:     1       6.25%\t* (8.01%)",
        "Doubletons:     3       18.75%  * (20.59%)      3 card suits:   3       18.75%\t* (28.63%)",
        "4 card suits:   3       18.75%  * (23.86%)      5 card suits:   1       6.25%\t* (12.47%)",
        "6 card suits:   2       12.50%  * (4.16%)       7 card suits:   1       6.25%\t* (0.88%)",
        "8 card suits:   0       0.00%   * (0.12%)       9 card suits:   0       0.00%\t* (0.01%)",
        "10 card suits:  0       0.00%   * (0.(3)4%)     11 card suits:  0       0.00%\t* (0.(5)9%)",
        "12 card suits:  0       0.00%   * (0.(7)8%)     13 card suits:  0       0.00%\t* (0.(9)2%)",
        "",
        "Shape       Actual      Expected    Shape       Actual      Expected",
        "4-4-3-2     0.00%       (21.55%)    4-3-3-3     25.00%      (10.53%)    ",
        "4-4-4-1     0.00%       (2.99%)     5-3-3-2     0.00%       (15.52%)    ",
        "5-4-3-1     0.00%       (12.93%)    5-4-2-2     25.00%      (10.58%)    ",
        "5-5-2-1     0.00%       (3.17%)     5-4-4-0     0.00%       (1.24%)     ",
        "5-5-3-0     0.00%       (0.90%)     6-3-2-2     0.00%       (5.64%)     ",
        "6-4-2-1     25.00%      (4.70%)     6-3-3-1     0.00%       (3.45%)     ",
        "6-4-3-0     0.00%       (1.33%)     6-5-1-1     0.00%       (0.70%)     ",
        "6-5-2-0     0.00%       (0.65%)     6-6-1-0     0.00%       (0.07%)     ",
        "7-3-2-1     0.00%       (1.88%)     7-2-2-2     0.00%       (0.51%)     ",
        "7-4-1-1     0.00%       (0.39%)     7-4-2-0     0.00%       (0.36%)     ",
        "7-3-3-0     0.00%       (0.26%)     7-5-1-0     0.00%       (0.11%)     ",
        "7-6-0-0     25.00%      (0.01%)     8-2-2-1     0.00%       (0.19%)     ",
        "8-3-1-1     0.00%       (0.12%)     8-3-2-0     0.00%       (0.11%)     ",
        "8-4-1-0     0.00%       (0.05%)     8-5-0-0     0.00%       (0.003%)    ",
        "9-2-1-1     0.00%       (0.02%)     9-3-1-0     0.00%       (0.01%)     ",
        "9-2-2-0     0.00%       (0.008%)    9-4-0-0     0.00%       (0.001%)    ",
        "10-2-1-0    0.00%       (0.001%)    10-1-1-1    0.00%       (0.0004%)   ",
        "10-3-0-0    0.00%       (0.0002%)   11-1-1-0    0.00%       (0.(4)2%)   ",
        "11-2-0-0    0.00%       (0.(4)1%)   12-1-0-0    0.00%       (0.(6)3%)   ",
        "13-0-0-0    0.00%       (0.(9)6%)   ",
        "",
        "Singletons:      A      K      Q      J      T      9      8      7      6      5      4      3     "
        " 2",
        "                 0      0      0      0      0      0      0      0      0      0      0      0     "
        " 1      ",
    };
    const std::vector<std::string> lines = AddToMemo(layoutBoardResult(), "Club night", '.');
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST(AddToMemo, ThirtyTwoBoardsWithSixtyOneBalancedHands) {
    AnalysisResult result;
    result.BoardsAnalysed = 32;
    result.totals.Balanced = 61;
    const std::vector<std::string> lines = AddToMemo(result, "Pairs", '.');
    EXPECT_EQ(lines[2], "Number of Boards: 32      Number of Hands: 128\t* (Expected)");
    EXPECT_EQ(lines[7], "Balanced Hands: 61      47.66%\t* (47.60%)");
}

TEST(AddToMemo, TwoBoardsWithOneVoidShowBelowTheRoundingBoundary) {
    AnalysisResult result;
    result.BoardsAnalysed = 2;
    result.totals.LengthCount[0] = 1;
    EXPECT_EQ(AddToMemo(result, "Pairs", '.')[11],
              "Voids:          1       3.12%   * (1.28%)       Singletons:     0       0.00%\t* (8.01%)");
}

TEST(AddToMemo, PercentagesUseTheDecimalSeparator) {
    const std::vector<std::string> lines = AddToMemo(layoutBoardResult(), "Club night", ',');
    EXPECT_EQ(lines[7], "Balanced Hands: 1       25,00%\t* (47.60%)");
    EXPECT_EQ(lines[11],
              "Voids:          2       12,50%  * (1.28%)       Singletons:     1       6,25%\t* (8.01%)");
    EXPECT_EQ(lines[39], "13-0-0-0    0,00%       (0.(9)6%)   ");
}

TEST(AddToMemo, LongNumbersFillOrAreCutToTheirFields) {
    AnalysisResult result;
    result.BoardsAnalysed = 4294967295u;
    result.totals.Balanced = 12345678;
    result.totals.Shaped = 123456789;
    const std::vector<std::string> lines = AddToMemo(result, "Big", '.');
    EXPECT_EQ(lines[2], "Number of Boards: 42949672Number of Hands: 17179869180\t* (Expected)");
    EXPECT_EQ(lines[7], "Balanced Hands: 123456780.07%\t* (47.60%)");
    EXPECT_EQ(lines[9], "Shaped:         123456780.72%\t* (33.18%)");
}

// An expected figure as printed, "* (20.59%)", "(0.003%)" or "(0.(9)6%)" (the bracketed
// digit counts the zeros after the decimal point): its value in percent and the size of
// one unit of its last digit.
struct PrintedFigure {
    double value;
    double unit;
};

PrintedFigure readFigure(const std::string& text) {
    static const std::regex plain(R"(\*? ?\((\d+)\.(\d+)%\)\s*)");
    static const std::regex bracketed(R"(\*? ?\(0\.\((\d)\)(\d+)%\)\s*)");
    std::smatch match;
    if (std::regex_match(text, match, bracketed)) {
        const double unit = std::pow(10.0, -(std::stod(match[1]) + static_cast<double>(match[2].length())));
        return {std::stod(match[2]) * unit, unit};
    }
    if (std::regex_match(text, match, plain))
        return {std::stod(match[1].str() + "." + match[2].str()), std::pow(10.0, -double(match[2].length()))};
    ADD_FAILURE() << "not an expected figure: '" << text << "'";
    return {-1, 0};
}

double choose(int n, int k) {
    return std::round(std::tgamma(n + 1) / std::tgamma(k + 1) / std::tgamma(n - k + 1));
}

// Percentage of hands with a suit of `length` in one given suit.
double suitLengthPercent(int length) {
    return 100 * choose(13, length) * choose(39, 13 - length) / choose(52, 13);
}

// Percentage of hands of the shape "a-b-c-d": every assignment of the lengths to the suits.
double shapePercent(const std::string& label) {
    std::vector<int> lengths;
    std::stringstream parts(label);
    for (std::string part; std::getline(parts, part, '-');) lengths.push_back(std::stoi(part));
    std::sort(lengths.begin(), lengths.end());
    double hands = 0;
    do {
        double suits = 1;
        for (int length : lengths) suits *= choose(13, length);
        hands += suits;
    } while (std::next_permutation(lengths.begin(), lengths.end()));
    return 100 * hands / choose(52, 13);
}

// Every fixed expectation is the exact probability cut or rounded at its last printed digit.
TEST(AddToMemo, ExpectedFiguresAgreeWithTheProbabilities) {
    const std::vector<std::string> lines = AddToMemo(layoutBoardResult(), "Any", '.');
    struct Checked {
        std::string what;
        std::string printed;
        double exact;
    };
    std::vector<Checked> checks;
    for (int row = 0; row < 7; ++row) {
        const std::string& line = lines[11 + row];
        checks.push_back(
            {"suit length " + std::to_string(2 * row), line.substr(32, 16), suitLengthPercent(2 * row)});
        checks.push_back({"suit length " + std::to_string(2 * row + 1), line.substr(line.find('\t') + 1),
                          suitLengthPercent(2 * row + 1)});
    }
    for (std::size_t line = 20; line < 40; ++line)
        for (std::size_t cell = 0; cell + 36 <= lines[line].size(); cell += 36) {
            std::string label = lines[line].substr(cell, 12);
            label.erase(label.find_last_not_of(' ') + 1);
            checks.push_back({"shape " + label, lines[line].substr(cell + 24, 12), shapePercent(label)});
        }
    ASSERT_EQ(checks.size(), 14u + 39u);
    for (const Checked& check : checks) {
        const PrintedFigure figure = readFigure(check.printed);
        EXPECT_LT(std::abs(figure.value - check.exact), figure.unit)
            << check.what << ": printed " << check.printed << ", exact " << check.exact << "%";
    }
}

TEST(AddToMemo, NoBoardsGiveNoPercentages) {
    EXPECT_THROW(AddToMemo(AnalysisResult{}, "Empty", '.'), std::domain_error);
}

}  // namespace
}  // namespace quorvex
