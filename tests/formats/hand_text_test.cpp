#include "formats/hand_text.h"

#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "engine/split_hand.h"
#include "written_text.h"

namespace quorvex {
namespace {

using testing::OneSuitEachDeal;
using testing::OneVoidEachDeal;
using testing::RoundRobinDeal;

TEST(SplitHandIntoSuits, AppendsToTheHoldingsAndAdvancesThePosition) {
    std::string spades = "s", hearts = "h", diamonds = "d", clubs = "c";
    std::uint16_t position = 79;
    SplitHandIntoSuits(OneSuitEachDeal, spades, hearts, diamonds, clubs, position, 105);
    EXPECT_EQ(spades, "s");
    EXPECT_EQ(hearts, "h");
    EXPECT_EQ(diamonds, "d");
    EXPECT_EQ(clubs, "cAKQJT98765432");
    EXPECT_EQ(position, 105);
}

TEST(MarkVoids, OnlyEmptyHoldingsBecomeADash) {
    std::string spades, hearts = "AK", diamonds, clubs = "2";
    MarkVoids(spades, hearts, diamonds, clubs);
    EXPECT_EQ(spades, "-");
    EXPECT_EQ(hearts, "AK");
    EXPECT_EQ(diamonds, "-");
    EXPECT_EQ(clubs, "2");
}

std::string markedTexts(const std::string& line) {
    const ValidBoardLine board(line);
    return testing::writtenText(MarkedHandTextsLength,
                                [&](char* at) { return writeMarkedHandTexts(board, at); });
}

std::array<std::string, 4> deepFinesseTexts(const std::string& line) {
    const ValidBoardLine board(line);
    std::array<std::string, 4> texts;
    for (int hand = 0; hand < 4; ++hand)
        texts[static_cast<std::size_t>(hand)] =
            testing::writtenText(LongestDeepFinesseHandText + RanksPerSuit,
                                 [&](char* at) { return writeDeepFinesseHandText(board, hand, at); });
    return texts;
}

TEST(MarkedHandText, EachHandIsSeventeenBytesOfMarksAndLetters) {
    EXPECT_EQ(markedTexts(RoundRobinDeal),
              "\x06"
              "AT62"
              "\x03"
              "J73"
              "\x04"
              "Q84"
              "\x05"
              "K95"
              "\x06"
              "K95"
              "\x03"
              "AT62"
              "\x04"
              "J73"
              "\x05"
              "Q84"
              "\x06"
              "Q84"
              "\x03"
              "K95"
              "\x04"
              "AT62"
              "\x05"
              "J73"
              "\x06"
              "J73"
              "\x03"
              "Q84"
              "\x04"
              "K95"
              "\x05"
              "AT62");
}

TEST(DeepFinesseHandText, HoldingsAreJoinedByBlanksWithDashesForVoids) {
    const std::array<std::string, 4> noVoid = {"AT62 J73 Q84 K95", "K95 AT62 J73 Q84", "Q84 K95 AT62 J73",
                                               "J73 Q84 K95 AT62"};
    EXPECT_EQ(deepFinesseTexts(RoundRobinDeal), noVoid);
    const std::array<std::string, 4> oneVoid = {"- AKQJT AKQJ AKQJ", "AKQJ - T9876 T987", "T987 9876 - 65432",
                                                "65432 5432 5432 -"};
    EXPECT_EQ(deepFinesseTexts(OneVoidEachDeal), oneVoid);
}

}  // namespace
}  // namespace quorvex
