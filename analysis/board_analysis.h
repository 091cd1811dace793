#pragma once
// Distribution statistics over the boards of a main deal file.
#include <array>
#include <cstdint>
#include <string>

namespace quorvex {

struct AnalysisTotals {
    std::array<std::uint32_t, 14> LengthCount{};    // suits of each length 0..13
    std::array<std::uint32_t, 13> SingletonCount{}; // singletons by rank A K Q J T 9 .. 2
    std::array<std::uint32_t, 4> Points{};          // high-card points of North, East, South, West
    std::array<std::uint32_t, 39> ShapeCount{};     // hands of each shape of ShapeKeys
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
void AnalyseHand(const std::array<std::string, 4>& holdings, std::size_t seat, AnalysisTotals& totals);

// Adds the four hands of one board line to the totals. A card field that is not two
// digits raises the conversion error.
void AnalyseTheBoard(const std::string& boardLine, AnalysisTotals& totals);

// Analyses every board line after the header of the main deal file at `mainDealPath`,
// reading one line at a time. File failures raise EInOutError.
AnalysisResult DoSetAnalysis(const std::string& mainDealPath);

} // namespace quorvex
