#pragma once
// Exact probabilities of what one randomly dealt hand holds, computed by counting hands:
// every one of the C(52,13) = 635,013,559,600 possible hands is equally likely.
#include <array>

namespace quorvex {

// Probability of each shape of ShapeKeys, by index.
std::array<double, 39> shapeProbabilities();

// Probability that a given suit of a hand holds 0..13 cards: C(13,k) C(39,13-k) / C(52,13).
std::array<double, 14> suitLengthProbabilities();

// Probability of 0..37 high-card points (ace 4, king 3, queen 2, jack 1).
std::array<double, 38> highCardPointProbabilities();

}  // namespace quorvex
