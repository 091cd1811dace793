#include "engine/board_line.h"

#include <gtest/gtest.h>

#include "common/range_error.h"

namespace quorvex {
namespace {

TEST(BoardLine, TwoDigitsPerCardWithLeadingZero) {
    ByHandDeal deal{};
    for (std::size_t i = 0; i < deal.size(); ++i) deal[i] = static_cast<std::uint8_t>(i + 1);
    EXPECT_EQ(boardLine(deal),
              "0102030405060708091011121314151617181920212223242526272829303132333435363738394041424344454647"
              "4849505152");
}

TEST(BoardLine, FormatsIntoCallerBuffer) {
    ByHandDeal deal{};
    for (std::size_t i = 0; i < deal.size(); ++i) deal[i] = static_cast<std::uint8_t>(52 - i);
    char line[BoardLineLength + 1];
    line[BoardLineLength] = '#';
    formatBoardLine(deal, std::span<char, BoardLineLength>(line, BoardLineLength));
    EXPECT_EQ(std::string(line, BoardLineLength).substr(0, 8), "52515049");
    EXPECT_EQ(std::string(line, BoardLineLength).substr(96), "04030201");
    EXPECT_EQ(line[BoardLineLength], '#');  // nothing written past the line
}

TEST(BoardLine, CardOutsideThePackIsARangeError) {
    ByHandDeal deal{};
    deal.fill(1);
    deal[51] = 53;
    EXPECT_THROW(boardLine(deal), ERangeError);
    deal[51] = 0;
    EXPECT_THROW(boardLine(deal), ERangeError);
}

TEST(BoardLine, DealtFromANumber) {
    const MpInt number{{0x55, 0xD2, 0x89, 0x45, 0x64, 0xFA, 0xB7, 0xA2, 0x6F, 0x32, 0x32, 0x6B}};
    EXPECT_EQ(boardLine(internalDealToByHand(dealNumberToInternalDeal(number))),
              "0305092732343641424446495216171921222628313335455051010407081213242938394347480206101114151820"
              "2325303740");
}

}  // namespace
}  // namespace quorvex
