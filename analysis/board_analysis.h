#pragma once
// Distribution statistics over the boards of a main deal file.
#include <array>
#include <cstdint>
#include <string>

#include "analysis/shape_keys.h"
#include "common/work_progress.h"
#include "engine/split_hand.h"
#include "engine/valid_board_line.h"

namespace quorvex {

struct AnalysisTotals {
    std::array<std::uint32_t, RanksPerSuit + 1> LengthCount{};  // suits of each length 0..13
    std::array<std::uint32_t, RanksPerSuit> SingletonCount{};   // singletons by rank A K Q J T 9 .. 2
    std::array<std::uint32_t, HandCount> Points{};             // high-card points of North, East, South, West
    std::array<std::uint32_t, ShapeKeys.size()> ShapeCount{};  // hands of each shape of ShapeKeys
    std::uint32_t Balanced = 0;
    std::uint32_t SemiBalanced = 0;
    std::uint32_t Shaped = 0;
};

struct AnalysisResult {
    AnalysisTotals totals;
    std::uint32_t BoardsAnalysed = 0;
};

// Adds one hand to the totals: `holdings` are its four suits in block order as rank
// letters, highest first (as SplitHandIntoSuits gives them); `seat` 0..3 is North, East,
// South, West. A suit of more than 13 cards raises ERangeError.
void analyseHand(const Holdings& holdings, std::size_t seat, AnalysisTotals& totals);

// Counts checked board lines with the least work per board, for every board of a run: as
// the boards pass, only each hand's shape, points and singleton are counted; the suit
// lengths and shape classes follow from the shapes when the tally is added to totals.
class BoardTally {
public:
    void add(const ValidBoardLine& board);
    void addTo(AnalysisTotals& totals) const;
    AnalysisResult result() const;  // the totals of the boards added, and their number

private:
    std::array<std::uint32_t, ShapeKeys.size()> shapes_{};  // hands of each shape
    std::array<std::uint32_t, HandCount> points_{};
    std::array<std::uint32_t, RanksPerSuit> singletons_{};
    std::uint32_t boards_ = 0;
};

// Adds the four hands of one checked board line to the totals.
void AnalyseTheBoard(const ValidBoardLine& board, AnalysisTotals& totals);

// Analyses every board line after the header of the main deal file at `mainDealPath`,
// reading and checking one line at a time. File failures raise EInOutError; a damaged
// board line raises the error of the board-line check. `progress`, when given, is advanced
// by every board analysed.
AnalysisResult DoSetAnalysis(const std::string& mainDealPath, WorkProgress* progress = nullptr);

}  // namespace quorvex
