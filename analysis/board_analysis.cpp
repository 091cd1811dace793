#include "analysis/board_analysis.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "analysis/shape_keys.h"
#include "common/range_error.h"
#include "common/text_file.h"
#include "engine/card_faces.h"
#include "engine/high_card_points.h"
#include "engine/main_deal_file.h"
#include "engine/split_hand.h"

namespace quorvex {

namespace {

constexpr std::size_t HonoursPerSuit = 4;  // the highest four cards hold every honour

std::size_t rankIndex(char rankLetter) {
    const std::size_t index = RankLetters.find(rankLetter);
    if (index == std::string_view::npos) throw ERangeError();
    return index;
}

// Counted without branching on the shape or the lengths: over a million boards they come
// in an order the processor cannot predict.
void countShape(const SuitLengths& lengths, AnalysisTotals& totals) {
    const int index = shapeIndexOf(lengths);
    if (index < 0) return;  // not a 13-card hand: no shape, no class
    ++totals.ShapeCount[static_cast<std::size_t>(index)];
    const ShapeClass shapeClass = ShapeKeys[static_cast<std::size_t>(index)].Class;
    totals.Balanced += shapeClass == ShapeClass::Balanced;
    totals.SemiBalanced += shapeClass == ShapeClass::SemiBalanced;
    totals.Shaped += shapeClass == ShapeClass::Shaped;
}

// What the totals count of one hand.
struct HandFigures {
    SuitLengths lengths{};
    std::array<int, SuitCount> singletonRank{};  // rank index 0 (ace) .. 12 (two) of a singleton
    unsigned points = 0;
};

void countHand(const HandFigures& hand, std::size_t seat, AnalysisTotals& totals) {
    if (seat >= totals.Points.size()) throw ERangeError();
    for (std::size_t suit = 0; suit < SuitCount; ++suit) {
        const unsigned length = hand.lengths[suit];
        if (length >= totals.LengthCount.size()) throw ERangeError();
        ++totals.LengthCount[length];
        totals.SingletonCount[static_cast<std::size_t>(hand.singletonRank[suit])] += length == 1;
    }
    countShape(hand.lengths, totals);
    totals.Points[seat] += hand.points;
}

}  // namespace

void analyseHand(const Holdings& holdings, std::size_t seat, AnalysisTotals& totals) {
    HandFigures hand;
    for (std::size_t suit = 0; suit < holdings.size(); ++suit) {
        const std::string& holding = holdings[suit];
        hand.lengths[suit] = static_cast<unsigned>(std::min<std::size_t>(holding.size(), RanksPerSuit + 1));
        if (holding.size() == 1) hand.singletonRank[suit] = static_cast<int>(rankIndex(holding[0]));
        const std::size_t examined = std::min(holding.size(), HonoursPerSuit);
        for (std::size_t card = 0; card < examined; ++card) hand.points += highCardPoints(holding[card]);
    }
    countHand(hand, seat, totals);
}

// Straight from the card numbers: every board of a run passes here when the report is written.
void AnalyseTheBoard(const ValidBoardLine& board, AnalysisTotals& totals) {
    for (int seat = North; seat < HandCount; ++seat) {
        HandFigures hand;
        for (std::size_t field = CardsPerHand * static_cast<std::size_t>(seat);
             field < CardsPerHand * (seat + 1u); ++field) {
            const CardFace& card = faceOf(board.card(field));
            hand.singletonRank[card.suit] = card.rankIndex;  // read only when the suit has one card
            hand.points += card.points;
        }
        for (std::size_t suit = 0; suit < SuitCount; ++suit)
            hand.lengths[suit] =
                static_cast<unsigned>(board.suitLength(static_cast<std::size_t>(seat), suit));
        countHand(hand, static_cast<std::size_t>(seat), totals);
    }
}

void addToAnalysis(const ValidBoardLine& board, AnalysisResult& result) {
    AnalyseTheBoard(board, result.totals);
    ++result.BoardsAnalysed;
}

AnalysisResult DoSetAnalysis(const std::string& mainDealPath, WorkProgress* progress) {
    AnalysisResult result;
    TextFileReader reader(mainDealPath);
    reader.readLine();  // the header: its content plays no part
    while (!reader.atEnd()) {
        addToAnalysis(readBoardLine(reader), result);
        advanceProgress(progress, result.BoardsAnalysed);
    }
    return result;
}

}  // namespace quorvex
