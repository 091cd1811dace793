#pragma once
// Board lines and main deal files for the analysis tests.
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace quorvex::testing {

using Hand = std::vector<int>;  // card numbers 1..52
using Deal = std::array<Hand, 4>;

// Card numbers first..last, ascending.
inline Hand cardRange(int first, int last) {
    Hand cards(static_cast<std::size_t>(last - first + 1));
    std::iota(cards.begin(), cards.end(), first);
    return cards;
}

inline Hand joined(std::initializer_list<Hand> parts) {
    Hand cards;
    for (const Hand& part : parts) cards.insert(cards.end(), part.begin(), part.end());
    return cards;
}

// One board of every kind of hand:
// North: spades AKQJ, hearts AKQ, diamonds AKQ, clubs AKQ (4-3-3-3, 37 points)
// East:  spades T9876, hearts JT98, diamonds JT, clubs JT (5-4-2-2, 3 points)
// South: spades 5432, hearts 765432, diamonds 98, clubs 2 (6-4-2-1, singleton two)
// West:  diamonds 765432, clubs 9876543 (7-6-0-0)
inline Deal layoutDeal() {
    return {
        joined({cardRange(1, 4), cardRange(14, 16), cardRange(27, 29), cardRange(40, 42)}),
        joined({cardRange(5, 9), cardRange(17, 20), cardRange(30, 31), cardRange(43, 44)}),
        joined({cardRange(10, 13), cardRange(21, 26), cardRange(32, 33), cardRange(52, 52)}),
        joined({cardRange(34, 39), cardRange(45, 51)}),
    };
}

// Hands 0..3 in turn, each ascending, two digits per card.
inline std::string boardLineOf(Deal deal) {
    std::string line;
    for (Hand& hand : deal) {
        std::sort(hand.begin(), hand.end());
        for (int card : hand) {
            char digits[3];
            std::snprintf(digits, sizeof digits, "%02d", card);
            line += digits;
        }
    }
    return line;
}

inline std::string randomBoardLine(std::mt19937& random) {
    Hand pack = cardRange(1, 52);
    std::shuffle(pack.begin(), pack.end(), random);
    Deal deal;
    for (std::size_t seat = 0; seat < 4; ++seat)
        deal[seat].assign(pack.begin() + static_cast<long>(13 * seat),
                          pack.begin() + static_cast<long>(13 * seat + 13));
    return boardLineOf(deal);
}

// A main deal file in a fresh folder, removed with the object.
class MainDealFile {
public:
    // Writes the header and then the board lines, every line ending in CR LF.
    std::string write(const std::vector<std::string>& boardLines,
                      const std::string& header = "1 1  1") const {
        std::ofstream file(path(), std::ios::binary);
        file << header << "\r\n";
        for (const std::string& line : boardLines) file << line << "\r\n";
        return path();
    }

    std::string path() const { return folder_.file("Analysis test.qvw"); }

private:
    testing::TempFolder folder_;
};

}  // namespace quorvex::testing
