#include "analysis/board_analysis.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "analysis/shape_keys.h"
#include "common/range_error.h"
#include "common/text_file.h"
#include "common/unroll.h"
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

// The class counters, in the order of ShapeClass.
constexpr std::array<std::uint32_t AnalysisTotals::*, 3> ClassCounters = {
    &AnalysisTotals::Balanced, &AnalysisTotals::SemiBalanced, &AnalysisTotals::Shaped};

// Counted without branching on the shape or the lengths: over a million boards they come
// in an order the processor cannot predict.
void countShape(const SuitLengths& lengths, AnalysisTotals& totals) {
    const int index = shapeIndexOf(lengths);
    if (index < 0) return;  // not a 13-card hand: no shape, no class
    ++totals.ShapeCount[static_cast<std::size_t>(index)];
    ++(totals.*ClassCounters[static_cast<std::size_t>(ShapeKeys[static_cast<std::size_t>(index)].Class)]);
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

void BoardTally::add(const ValidBoardLine& board) {
    for (std::size_t seat = 0; seat < HandCount; ++seat) {
        const std::size_t first = CardsPerHand * seat;
        points_[seat] += board.points(seat);
        SuitLengths lengths{};
        QUORVEX_UNROLL(4)
        for (std::size_t suit = 0; suit < SuitCount; ++suit) {
            lengths[suit] = static_cast<unsigned>(board.suitLength(seat, suit));
            // Counted without a branch, which one suit in twelve would send the wrong way: any
            // other suit adds 0 at the rank of the card where it starts (a void at the hand's
            // end, at its last card).
            const std::size_t start =
                std::min<std::size_t>(board.cardsBeforeSuit(seat, suit), CardsPerHand - 1);
            singletons_[faceOf(board.card(first + start)).rankIndex] += lengths[suit] == 1;
        }
        ++shapes_[shapeIndexOfHand(lengths[Spades], lengths[Hearts], lengths[Diamonds])];  // 13 cards
    }
    ++boards_;
}

void BoardTally::addTo(AnalysisTotals& totals) const {
    for (std::size_t shape = 0; shape < shapes_.size(); ++shape) {
        const std::uint32_t hands = shapes_[shape];
        totals.ShapeCount[shape] += hands;
        totals.*ClassCounters[static_cast<std::size_t>(ShapeKeys[shape].Class)] += hands;
        for (unsigned length : shapeLengths(shape)) totals.LengthCount[length] += hands;
    }
    for (std::size_t seat = 0; seat < points_.size(); ++seat) totals.Points[seat] += points_[seat];
    for (std::size_t rank = 0; rank < singletons_.size(); ++rank)
        totals.SingletonCount[rank] += singletons_[rank];
}

AnalysisResult BoardTally::result() const {
    AnalysisResult result;
    addTo(result.totals);
    result.BoardsAnalysed = boards_;
    return result;
}

void AnalyseTheBoard(const ValidBoardLine& board, AnalysisTotals& totals) {
    BoardTally tally;
    tally.add(board);
    tally.addTo(totals);
}

AnalysisResult DoSetAnalysis(const std::string& mainDealPath, WorkProgress* progress) {
    BoardTally tally;
    TextFileReader reader(mainDealPath);
    reader.readLine();  // the header: its content plays no part
    for (std::uint32_t boards = 1; !reader.atEnd(); ++boards) {
        tally.add(readBoardLine(reader));
        advanceProgress(progress, boards);
    }
    return tally.result();
}

}  // namespace quorvex
