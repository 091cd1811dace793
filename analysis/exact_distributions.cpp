#include "analysis/exact_distributions.h"

#include <cstdint>

#include "analysis/shape_keys.h"
#include "engine/high_card_points.h"
#include "engine/n_choose_r.h"

namespace quorvex {

namespace {

constexpr std::uint64_t C(int n, int k) {
    return BinomialTable[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

constexpr double AllHands = static_cast<double>(C(52, 13));

}  // namespace

std::array<double, 39> shapeProbabilities() {
    // Every split of 13 cards into spades, hearts, diamonds and clubs, counted by the hands
    // that have it and added to its shape.
    std::array<std::uint64_t, 39> hands{};
    for (unsigned s = 0; s <= 13; ++s)
        for (unsigned h = 0; s + h <= 13; ++h)
            for (unsigned d = 0; s + h + d <= 13; ++d) {
                const unsigned c = 13 - s - h - d;
                hands[static_cast<std::size_t>(shapeIndexOf({s, h, d, c}))] +=
                    C(13, static_cast<int>(s)) * C(13, static_cast<int>(h)) * C(13, static_cast<int>(d)) *
                    C(13, static_cast<int>(c));
            }
    std::array<double, 39> probabilities{};
    for (std::size_t shape = 0; shape < hands.size(); ++shape)
        probabilities[shape] = static_cast<double>(hands[shape]) / AllHands;
    return probabilities;
}

std::array<double, 14> suitLengthProbabilities() {
    std::array<double, 14> probabilities{};
    for (int length = 0; length <= 13; ++length)
        probabilities[static_cast<std::size_t>(length)] =
            static_cast<double>(C(13, length) * C(39, 13 - length)) / AllHands;
    return probabilities;
}

std::array<double, 38> highCardPointProbabilities() {
    // Choose how many aces, kings, queens and jacks the hand holds (four of each in the
    // deck), and its other cards from the 36 spot cards.
    std::array<std::uint64_t, 38> hands{};
    for (int aces = 0; aces <= 4; ++aces)
        for (int kings = 0; kings <= 4; ++kings)
            for (int queens = 0; queens <= 4; ++queens)
                for (int jacks = 0; jacks <= 4; ++jacks) {
                    const int spots = 13 - aces - kings - queens - jacks;
                    if (spots < 0) continue;
                    const unsigned points = highCardPoints('A') * static_cast<unsigned>(aces) +
                                            highCardPoints('K') * static_cast<unsigned>(kings) +
                                            highCardPoints('Q') * static_cast<unsigned>(queens) +
                                            highCardPoints('J') * static_cast<unsigned>(jacks);
                    hands[points] += C(4, aces) * C(4, kings) * C(4, queens) * C(4, jacks) * C(36, spots);
                }
    std::array<double, 38> probabilities{};
    for (std::size_t points = 0; points < hands.size(); ++points)
        probabilities[points] = static_cast<double>(hands[points]) / AllHands;
    return probabilities;
}

}  // namespace quorvex
