#include "analysis/analysis_report.h"

#include <cstdint>

#include "analysis/extended_percent.h"
#include "analysis/shape_keys.h"
#include "common/pad_to_width.h"

namespace quorvex {

namespace {

// Label and expected percentage of one report row; the expected texts are fixed, and in them
// a digit in parentheses counts the zeros after the decimal point.
struct RowText {
    std::string_view label;
    std::string_view expected;
};

// Indexed by suit length 0..13.
constexpr std::array<RowText, 14> LengthTexts{{
    {"Voids:  ", "* (1.28%)"},
    {"Singletons:", "* (8.01%)"},
    {"Doubletons:  ", "* (20.59%)"},
    {"3 card suits:", "* (28.63%)"},
    {"4 card suits: ", "* (23.86%)"},
    {"5 card suits: ", "* (12.47%)"},
    {"6 card suits: ", "* (4.16%)"},
    {"7 card suits: ", "* (0.88%)"},
    {"8 card suits: ", "* (0.12%)"},
    {"9 card suits: ", "* (0.01%)"},
    {"10 card suits: ", "* (0.(3)4%)"},
    {"11 card suits: ", "* (0.(5)9%)"},
    {"12 card suits: ", "* (0.(7)8%)"},
    {"13 card suits: ", "* (0.(9)2%)"},
}};

std::string L(unsigned width, std::string_view text) { return PadToWidth(text, width); }
std::string L(unsigned width, std::uint64_t count) { return PadToWidth(std::to_string(count), width); }

class ReportBuilder {
public:
    ReportBuilder(const AnalysisResult& result, char decimalSeparator)
        : totals_(result.totals),
          boards_(result.BoardsAnalysed),
          // BoardsAnalysed / 25 correctly rounded to a double; rounding it to the extended
          // format first gives the same double for every 32-bit count.
          base_(static_cast<double>(result.BoardsAnalysed) / 25.0),
          separator_(decimalSeparator) {}

    std::vector<std::string> build(std::string_view identityText) const {
        std::vector<std::string> lines;
        lines.reserve(43);
        lines.push_back("Analysis of hands: " + std::string(identityText) + ".qvw");
        lines.emplace_back();
        lines.push_back("Number of Boards: " + L(8, boards_) +
                        "Number of Hands: " + std::to_string(std::uint64_t{4} * boards_) + "\t* (Expected)");
        lines.emplace_back();
        lines.push_back("Total Points:\tNorth\tSouth\tEast\tWest\t\tNorth/South\tEast/West");
        lines.push_back(pointsLine());
        lines.emplace_back();
        lines.push_back(classLine("Balanced Hands:", totals_.Balanced, "* (47.60%)"));
        lines.push_back(classLine("Semi Balanced:", totals_.SemiBalanced, "* (19.22%)"));
        lines.push_back(classLine("Shaped:      ", totals_.Shaped, "* (33.18%)"));
        lines.emplace_back();
        for (std::size_t length = 0; length < LengthTexts.size(); length += 2)
            lines.push_back(lengthRow(length));
        lines.emplace_back();
        lines.push_back("Shape       Actual      Expected    Shape       Actual      Expected");
        const std::size_t lastShape = ShapeKeys.size() - 1;
        for (std::size_t shape = 0; shape < lastShape; shape += 2)
            lines.push_back(shapeCell(shape) + shapeCell(shape + 1));
        lines.push_back(shapeCell(lastShape));
        lines.emplace_back();
        lines.push_back(
            "Singletons:      A      K      Q      J      T      9      8      7      6      5      4      3 "
            "     2");
        lines.push_back(singletonLine());
        return lines;
    }

private:
    std::string handsPercent(std::uint32_t count) const {
        return formatPercent(count, base_, 1, separator_) + '%';
    }
    std::string suitsPercent(std::uint32_t count) const {
        return formatPercent(count, base_, 4, separator_) + '%';
    }

    std::string pointsLine() const {
        const auto& points = totals_.Points;  // North, East, South, West
        auto text = [](std::uint64_t value) { return std::to_string(value); };
        return "\t\t" + text(points[0]) + '\t' + text(points[2]) + '\t' + text(points[1]) + '\t' +
               text(points[3]) + "\t\t" + text(std::uint64_t{points[0]} + points[2]) + "\t\t" +
               text(std::uint64_t{points[1]} + points[3]);
    }

    std::string classLine(std::string_view label, std::uint32_t count, std::string_view expected) const {
        return L(16, label) + L(8, count) + handsPercent(count) + '\t' + std::string(expected);
    }

    // Lengths `left` and left + 1; the right half ends in a tab and its expected text.
    std::string lengthRow(std::size_t left) const {
        const RowText& a = LengthTexts[left];
        const RowText& b = LengthTexts[left + 1];
        const std::uint32_t countA = totals_.LengthCount[left];
        const std::uint32_t countB = totals_.LengthCount[left + 1];
        return L(16, a.label) + L(8, countA) + L(8, suitsPercent(countA)) + L(16, a.expected) +
               L(16, b.label) + L(8, countB) + suitsPercent(countB) + '\t' + std::string(b.expected);
    }

    std::string shapeCell(std::size_t shape) const {
        const ShapeEntry& entry = ShapeKeys[shape];
        return L(12, entry.Label) + L(12, handsPercent(totals_.ShapeCount[shape])) + L(12, entry.Expected);
    }

    std::string singletonLine() const {
        std::string line(17, ' ');
        for (std::uint32_t count : totals_.SingletonCount) line += L(7, count);
        return line;
    }

    const AnalysisTotals& totals_;
    std::uint32_t boards_;
    double base_;
    char separator_;
};

}  // namespace

std::vector<std::string> AddToMemo(const AnalysisResult& result, std::string_view identityText,
                                   char decimalSeparator) {
    return ReportBuilder(result, decimalSeparator).build(identityText);
}

}  // namespace quorvex
