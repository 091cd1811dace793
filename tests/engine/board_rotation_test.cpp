#include "engine/board_rotation.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

// Law 2's table, board 1 to 16: dealer letter and vulnerability name.
constexpr const char* Law2[16][2] = {{"N", "None"}, {"E", "NS"},   {"S", "EW"},   {"W", "All"},
                                     {"N", "NS"},   {"E", "EW"},   {"S", "All"},  {"W", "None"},
                                     {"N", "EW"},   {"E", "All"},  {"S", "None"}, {"W", "NS"},
                                     {"N", "All"},  {"E", "None"}, {"S", "NS"},   {"W", "EW"}};

TEST(BoardRotation, FollowsLaw2AndRepeatsEvery16Boards) {
    for (unsigned board = 1; board <= 99; ++board) {
        const auto& expected = Law2[(board - 1) % 16];
        EXPECT_EQ(std::string(1, HandLetters[dealerOfBoard(board)]), expected[0]) << "board " << board;
        EXPECT_EQ(VulnerabilityNames[vulnerabilityOfBoard(board)], expected[1]) << "board " << board;
    }
}

}  // namespace
}  // namespace quorvex
