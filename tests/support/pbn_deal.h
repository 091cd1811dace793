#pragma once
// Deals written as PBN deal texts ("N:AKQ2..T98765.432 ..."), turned into board lines of
// the main deal file, so tests can use published deals and read PBN files back.
#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::testing {

// The board line (North, East, South, West; each hand's card numbers ascending) of a PBN
// deal text starting with any seat.
inline std::string boardLineFromPbn(std::string_view deal) {
    constexpr std::string_view Seats = "NESW", Ranks = "AKQJT98765432";
    const std::size_t first = Seats.find(deal.at(0));
    if (first == std::string_view::npos || deal.at(1) != ':') throw std::invalid_argument("no first seat");
    std::vector<std::vector<int>> hands(4);
    std::size_t hand = first, suit = 0;
    for (const char c : deal.substr(2)) {
        if (c == ' ') {
            hand = (hand + 1) % 4;
            suit = 0;
        } else if (c == '.') {
            ++suit;
        } else {
            const std::size_t rank = Ranks.find(c);
            if (rank == std::string_view::npos || suit > 3) throw std::invalid_argument("bad card");
            hands[hand].push_back(static_cast<int>(13 * suit + rank + 1));
        }
    }
    std::string line;
    for (std::vector<int>& cards : hands) {
        if (cards.size() != 13) throw std::invalid_argument("a hand without 13 cards");
        std::sort(cards.begin(), cards.end());
        for (const int card : cards) line += std::string(1, char('0' + card / 10)) + char('0' + card % 10);
    }
    return line;
}

}  // namespace quorvex::testing
