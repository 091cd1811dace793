#include "analysis/board_analysis.h"

#include <gtest/gtest.h>

#include <numeric>

#include "analysis/shape_keys.h"
#include "analysis_test_support.h"
#include "common/conversion_error.h"
#include "common/io_error.h"
#include "common/range_error.h"

namespace quorvex {
namespace {

using testing::cardRange;

enum Rank { Ace = 0, Two = 12 };

template <std::size_t N>
std::uint64_t sum(const std::array<std::uint32_t, N>& counters) {
    return std::accumulate(counters.begin(), counters.end(), std::uint64_t{0});
}

AnalysisTotals handTotals(std::array<std::string, 4> holdings, std::size_t seat = 0) {
    AnalysisTotals totals;
    analyseHand(holdings, seat, totals);
    return totals;
}

std::uint32_t shapeCount(const AnalysisTotals& totals, std::string_view key) {
    for (std::size_t i = 0; i < ShapeKeys.size(); ++i)
        if (ShapeKeys[i].Key == key) return totals.ShapeCount[i];
    ADD_FAILURE() << "no shape " << key;
    return 0;
}

const testing::Deal LayoutDeal = testing::layoutDeal();

TEST(analyseHand, SingletonsCountByRankAndScoreTheirHonour) {
    const AnalysisTotals ace = handTotals({"432", "A", "5432", "T98765"});
    EXPECT_EQ(ace.SingletonCount[Ace], 1u);
    EXPECT_EQ(sum(ace.SingletonCount), 1u);
    EXPECT_EQ(ace.LengthCount[1], 1u);
    EXPECT_EQ(ace.Points[0], 4u);

    const AnalysisTotals two = handTotals({"T987", "2", "65432", "543"}, 3);
    EXPECT_EQ(two.SingletonCount[Two], 1u);
    EXPECT_EQ(sum(two.SingletonCount), 1u);
    EXPECT_EQ(two.Points[3], 0u);
}

TEST(analyseHand, ShapeClasses) {
    struct Case {
        std::array<std::string, 4> holdings;
        std::string_view key;
        std::uint32_t AnalysisTotals::*shapeClass;
    };
    const Case cases[] = {
        {{"AKQJ", "T987", "6543", "2"}, "4441", &AnalysisTotals::SemiBalanced},
        {{"AK", "QJT98", "76", "5432"}, "5422", &AnalysisTotals::SemiBalanced},
        {{"AK", "QJ", "T98765", "432"}, "6322", &AnalysisTotals::SemiBalanced},
        {{"AKQ", "JT987", "654", "32"}, "5332", &AnalysisTotals::Balanced},
        {{"AKQJ", "T98", "76", "5432"}, "4432", &AnalysisTotals::Balanced},
        {{"AKQJT", "9876", "543", "2"}, "5431", &AnalysisTotals::Shaped},
    };
    for (const Case& c : cases) {
        const AnalysisTotals totals = handTotals(c.holdings);
        EXPECT_EQ(shapeCount(totals, c.key), 1u) << c.key;
        EXPECT_EQ(totals.*c.shapeClass, 1u) << c.key;
        EXPECT_EQ(totals.Balanced + totals.SemiBalanced + totals.Shaped, 1u) << c.key;
    }
}

TEST(analyseHand, HighCardPointsRangeFromNoneToThirtySeven) {
    EXPECT_EQ(handTotals({"AKQJ", "AKQ", "AKQ", "AKQ"}).Points[0], 37u);
    EXPECT_EQ(handTotals({"T987", "T98", "T98", "T98"}).Points[0], 0u);
}

TEST(analyseHand, HandsOfOtherThanThirteenCardsCountLengthsButNoShape) {
    const AnalysisTotals totals = handTotals({"AKQJ", "T98", "76", "543"});  // 12 cards
    EXPECT_EQ(sum(totals.LengthCount), 4u);
    EXPECT_EQ(sum(totals.ShapeCount), 0u);
    EXPECT_EQ(totals.Balanced + totals.SemiBalanced + totals.Shaped, 0u);
}

TEST(analyseHand, SuitOfMoreThanThirteenCardsIsARangeError) {
    AnalysisTotals totals;
    try {
        analyseHand({"AKQJT98765432A", "", "", ""}, 0, totals);
        FAIL() << "no error";
    } catch (const ERangeError& error) {
        EXPECT_STREQ(error.what(), "Range check error");
    }
    EXPECT_THROW(analyseHand({"AKQJ", "AKQ", "AKQ", "AKQ"}, 4, totals), ERangeError);
}

TEST(AnalyseTheBoard, CountsEveryHandOfTheBoard) {
    AnalysisTotals totals;
    AnalyseTheBoard(ValidBoardLine(testing::boardLineOf(LayoutDeal)), totals);
    EXPECT_EQ(totals.LengthCount, (std::array<std::uint32_t, 14>{2, 1, 3, 3, 3, 1, 2, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(totals.SingletonCount[Two], 1u);
    EXPECT_EQ(sum(totals.SingletonCount), 1u);
    EXPECT_EQ(totals.Points, (std::array<std::uint32_t, 4>{37, 3, 0, 0}));
    EXPECT_EQ(shapeCount(totals, "4333"), 1u);
    EXPECT_EQ(shapeCount(totals, "5422"), 1u);
    EXPECT_EQ(shapeCount(totals, "6421"), 1u);
    EXPECT_EQ(shapeCount(totals, "7600"), 1u);
    EXPECT_EQ(totals.Balanced, 1u);
    EXPECT_EQ(totals.SemiBalanced, 1u);
    EXPECT_EQ(totals.Shaped, 2u);
}

TEST(AnalyseTheBoard, EachSeatHoldingOneWholeSuitOfThirteenCards) {
    AnalysisTotals totals;
    AnalyseTheBoard(ValidBoardLine(testing::boardLineOf(
                        {cardRange(1, 13), cardRange(14, 26), cardRange(27, 39), cardRange(40, 52)})),
                    totals);
    EXPECT_EQ(shapeCount(totals, "13000"), 4u);
    EXPECT_EQ(totals.LengthCount[13], 4u);
    EXPECT_EQ(totals.LengthCount[0], 12u);
    EXPECT_EQ(totals.Shaped, 4u);
    EXPECT_EQ(totals.Points, (std::array<std::uint32_t, 4>{10, 10, 10, 10}));
}

// The board's own count (shapes, points and singletons as the boards pass, lengths and
// classes from the shapes) against counting each hand from the holdings read out of the
// line's digits, over boards added one after another to the same totals.
TEST(AnalyseTheBoard, AgreesWithCountingEachHandFromItsHoldings) {
    std::mt19937 random(2026);
    AnalysisTotals byBoard, byHand;
    for (int i = 0; i < 2000; ++i) {
        const std::string line = testing::randomBoardLine(random);
        AnalyseTheBoard(ValidBoardLine(line), byBoard);
        for (int seat = 0; seat < 4; ++seat) {
            Holdings holdings;
            splitHand(line, seat, holdings);
            analyseHand(holdings, static_cast<std::size_t>(seat), byHand);
        }
    }
    EXPECT_EQ(byBoard.LengthCount, byHand.LengthCount);
    EXPECT_EQ(byBoard.SingletonCount, byHand.SingletonCount);
    EXPECT_EQ(byBoard.Points, byHand.Points);
    EXPECT_EQ(byBoard.ShapeCount, byHand.ShapeCount);
    EXPECT_EQ(byBoard.Balanced, byHand.Balanced);
    EXPECT_EQ(byBoard.SemiBalanced, byHand.SemiBalanced);
    EXPECT_EQ(byBoard.Shaped, byHand.Shaped);
}

TEST(DoSetAnalysis, SumsHoldOverManyRandomBoards) {
    std::mt19937 random(4711);
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) lines.push_back(testing::randomBoardLine(random));
    const testing::MainDealFile file;
    const AnalysisResult result = DoSetAnalysis(file.write(lines));
    const AnalysisTotals& totals = result.totals;
    const std::uint64_t boards = result.BoardsAnalysed;
    EXPECT_EQ(boards, 3000u);
    EXPECT_EQ(sum(totals.LengthCount), 16 * boards);
    EXPECT_EQ(sum(totals.ShapeCount), 4 * boards);
    EXPECT_EQ(std::uint64_t{totals.Balanced} + totals.SemiBalanced + totals.Shaped, 4 * boards);
    EXPECT_EQ(sum(totals.Points), 40 * boards);
    EXPECT_EQ(sum(totals.SingletonCount), totals.LengthCount[1]);
    std::uint32_t byClass[3] = {};
    for (std::size_t i = 0; i < ShapeKeys.size(); ++i)
        byClass[static_cast<int>(ShapeKeys[i].Class)] += totals.ShapeCount[i];
    EXPECT_EQ(byClass[static_cast<int>(ShapeClass::Balanced)], totals.Balanced);
    EXPECT_EQ(byClass[static_cast<int>(ShapeClass::SemiBalanced)], totals.SemiBalanced);
    EXPECT_EQ(byClass[static_cast<int>(ShapeClass::Shaped)], totals.Shaped);
}

TEST(DoSetAnalysis, SkipsTheHeaderWhateverItHolds) {
    const testing::MainDealFile file;
    const std::string board = testing::boardLineOf(LayoutDeal);
    const AnalysisResult result = DoSetAnalysis(file.write({board, board}, "not a header at all"));
    EXPECT_EQ(result.BoardsAnalysed, 2u);
    EXPECT_EQ(result.totals.Points[0], 74u);
    EXPECT_EQ(DoSetAnalysis(file.write({})).BoardsAnalysed, 0u);
}

TEST(DoSetAnalysis, Failures) {
    const testing::MainDealFile file;
    try {
        DoSetAnalysis(file.path());
        FAIL() << "no error";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    // Board lines pass the same check as for every writer: a damaged line is never analysed.
    const std::string board = testing::boardLineOf(LayoutDeal);
    std::string notANumber = board, outsideThePack = board;
    notANumber.replace(30, 2, "x1");
    outsideThePack.replace(0, 2, "00");
    EXPECT_THROW(DoSetAnalysis(file.write({board, "", board})), EConvertError);
    EXPECT_THROW(DoSetAnalysis(file.write({board, board.substr(0, 52)})), EConvertError);
    try {
        DoSetAnalysis(file.write({board, notANumber}));
        FAIL() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'x1' is not a valid integer value");
    }
    EXPECT_THROW(DoSetAnalysis(file.write({outsideThePack})), ERangeError);
}

}  // namespace
}  // namespace quorvex
