#pragma once
// Random board lines as the dealer writes them, for the benchmarks: four hands of 13 card
// numbers, each ascending, two digits a card.
#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>

namespace quorvex::bench {

// Calls `take` with each of `count` lines (104 digits, no line end), the same for the same seed.
template <class Take>
void forRandomBoardLines(int count, Take take, unsigned seed = 2024) {
    std::mt19937 random(seed);
    std::array<int, 52> pack;
    std::iota(pack.begin(), pack.end(), 1);
    std::array<char, 105> line;
    for (int board = 0; board < count; ++board) {
        std::shuffle(pack.begin(), pack.end(), random);
        for (int hand = 0; hand < 4; ++hand)
            std::sort(pack.begin() + 13 * hand, pack.begin() + 13 * hand + 13);
        for (std::size_t i = 0; i < pack.size(); ++i) std::snprintf(line.data() + 2 * i, 3, "%02d", pack[i]);
        take(std::string(line.data(), 104));
    }
}

}  // namespace quorvex::bench
