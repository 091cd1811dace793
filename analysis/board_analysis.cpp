#include "analysis/board_analysis.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "analysis/shape_keys.h"
#include "common/range_error.h"
#include "common/text_file.h"
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

void countShape(const SuitLengths& lengths, AnalysisTotals& totals) {
    const int index = shapeIndexOf(lengths);
    if (index < 0) return;  // not a 13-card hand: no shape, no class
    ++totals.ShapeCount[static_cast<std::size_t>(index)];
    switch (ShapeKeys[static_cast<std::size_t>(index)].Class) {
        case ShapeClass::Balanced:
            ++totals.Balanced;
            break;
        case ShapeClass::SemiBalanced:
            ++totals.SemiBalanced;
            break;
        case ShapeClass::Shaped:
            ++totals.Shaped;
            break;
    }
}

}  // namespace

void analyseHand(const Holdings& holdings, std::size_t seat, AnalysisTotals& totals) {
    if (seat >= totals.Points.size()) throw ERangeError();
    SuitLengths lengths{};
    for (std::size_t suit = 0; suit < holdings.size(); ++suit) {
        const std::size_t length = holdings[suit].size();
        if (length >= totals.LengthCount.size()) throw ERangeError();
        ++totals.LengthCount[length];
        lengths[suit] = static_cast<unsigned>(length);
    }
    for (const std::string& holding : holdings)
        if (holding.size() == 1) ++totals.SingletonCount[rankIndex(holding[0])];
    countShape(lengths, totals);
    unsigned points = 0;
    for (const std::string& holding : holdings) {
        const std::size_t examined = std::min(holding.size(), HonoursPerSuit);
        for (std::size_t card = 0; card < examined; ++card) points += highCardPoints(holding[card]);
    }
    totals.Points[seat] += points;
}

void AnalyseTheBoard(const ValidBoardLine& board, AnalysisTotals& totals) {
    Holdings holdings;  // at most 13 letters each: no heap allocation
    for (int seat = North; seat < HandCount; ++seat) {
        for (std::string& holding : holdings) holding.clear();
        splitHand(board, seat, holdings);
        analyseHand(holdings, static_cast<std::size_t>(seat), totals);
    }
}

AnalysisResult DoSetAnalysis(const std::string& mainDealPath, WorkProgress* progress) {
    AnalysisResult result;
    TextFileReader reader(mainDealPath);
    reader.readLine();  // the header: its content plays no part
    while (!reader.atEnd()) {
        ++result.BoardsAnalysed;
        AnalyseTheBoard(readBoardLine(reader), result.totals);
        advanceProgress(progress, result.BoardsAnalysed);
    }
    return result;
}

}  // namespace quorvex
