#include "formats/check/board_problems.h"

#include <map>

namespace quorvex {

namespace {

void add(std::vector<std::string>& problems, const DealFile& file, const ReadBoard& board,
         const std::string& what) {
    problems.push_back(file.path + ": " + boardLabel(file, board) + ": " + what);
}

}  // namespace

void findDegenerateDeal(const DealFile& file, const ReadBoard& board, std::vector<std::string>& problems) {
    std::vector<std::string> wholeSuits;
    // A hand's cards ascend, so a whole suit runs from its ace to its two.
    for (std::size_t hand = 0; hand < HandCount; ++hand) {
        const int first = board.deal[CardsPerHand * hand];
        const int last = board.deal[CardsPerHand * hand + CardsPerHand - 1];
        if (rankIndexOf(first) == 0 && suitOf(last) == suitOf(first) && rankIndexOf(last) == RanksPerSuit - 1)
            wholeSuits.push_back(std::string(HandNames[hand]) + " holds all 13 " +
                                 std::string(SuitNames[static_cast<std::size_t>(suitOf(first))]));
    }
    if (wholeSuits.size() == HandCount)
        add(problems, file, board, "each hand holds one whole suit");
    else
        for (const std::string& what : wholeSuits) add(problems, file, board, what);
}

void findRotationBreaks(const DealFile& file, const ReadBoard& board, std::vector<std::string>& problems) {
    const Hand dealer = dealerOfBoard(board.number);
    if (board.dealer && *board.dealer != dealer)
        add(problems, file, board,
            "Dealer " + std::string(1, HandLetters[*board.dealer]) +
                " breaks the Law 2 rotation, which gives " + std::string(1, HandLetters[dealer]));
    const Vulnerability vulnerable = vulnerabilityOfBoard(board.number);
    if (board.vulnerable && *board.vulnerable != vulnerable)
        add(problems, file, board,
            "Vulnerable " + std::string(VulnerabilityNames[*board.vulnerable]) +
                " breaks the Law 2 rotation, which gives " + std::string(VulnerabilityNames[vulnerable]));
}

std::vector<std::string> conversionWarnings(const DealFile& file) {
    std::vector<std::string> warnings;
    std::map<ByHandDeal, const ReadBoard*> first;
    for (const ReadBoard& board : file.boards) {
        std::vector<std::string> breaks;
        findRotationBreaks(file, board, breaks);
        for (const std::string& text : breaks)
            warnings.push_back(text + "; the converted files give the Law 2 value");
        const auto [found, isNew] = first.emplace(board.deal, &board);
        if (!isNew) add(warnings, file, board, "the same deal as " + boardLabel(file, *found->second));
    }
    return warnings;
}

}  // namespace quorvex
