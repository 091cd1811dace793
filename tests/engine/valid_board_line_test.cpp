#include "engine/valid_board_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/conversion_error.h"
#include "common/range_error.h"
#include "test_deals.h"

namespace quorvex {
namespace {

using testing::OneSuitEachDeal;
using testing::RoundRobinDeal;

std::string conversionErrorOf(const std::string& line) {
    return testing::failureOf<EConvertError>([&] { ValidBoardLine{line}; });
}

std::string withField(std::string line, std::size_t field, const char* digits) {
    line.replace(2 * field, 2, digits);
    return line;
}

TEST(ValidBoardLine, KeepsAWholeDealAndDecodesItsCards) {
    const ValidBoardLine board(RoundRobinDeal);
    EXPECT_EQ(board.text(), RoundRobinDeal);
    EXPECT_EQ(board.card(0), 1);
    EXPECT_EQ(board.card(13), 2);
    EXPECT_EQ(board.card(51), 52);
}

TEST(ValidBoardLine, ALineThatIsNotFiftyTwoTwoDigitNumbersIsAConversionError) {
    EXPECT_EQ(conversionErrorOf(""), "'' is not a valid integer value");
    EXPECT_EQ(conversionErrorOf(OneSuitEachDeal.substr(0, 102)), "'' is not a valid integer value");
    EXPECT_EQ(conversionErrorOf(OneSuitEachDeal.substr(0, 103)), "'5' is not a valid integer value");
    EXPECT_EQ(conversionErrorOf(OneSuitEachDeal + "7"), "'7' is not a valid integer value");
    EXPECT_EQ(conversionErrorOf(withField(OneSuitEachDeal, 20, "2x")), "'2x' is not a valid integer value");
    EXPECT_EQ(conversionErrorOf(withField(OneSuitEachDeal, 0, " 1")), "' 1' is not a valid integer value");
    // Characters just above and below the digits; read as a digit worth 10, "0:" would be card 10.
    EXPECT_EQ(conversionErrorOf(withField(OneSuitEachDeal, 9, "0:")), "'0:' is not a valid integer value");
    EXPECT_EQ(conversionErrorOf(withField(OneSuitEachDeal, 31, "/2")), "'/2' is not a valid integer value");
}

TEST(ValidBoardLine, ACardThatDoesNotFitIsARangeError) {
    EXPECT_THROW(ValidBoardLine(withField(OneSuitEachDeal, 0, "00")), ERangeError);
    EXPECT_THROW(ValidBoardLine(withField(OneSuitEachDeal, 51, "53")), ERangeError);
    EXPECT_THROW(ValidBoardLine(withField(OneSuitEachDeal, 51, "99")), ERangeError);
    EXPECT_THROW(ValidBoardLine(withField(OneSuitEachDeal, 12, "77")), ERangeError);  // 77 = 64 + 13
    // East's first card also in North's hand, the heart ace nowhere.
    EXPECT_THROW(ValidBoardLine(withField(OneSuitEachDeal, 13, "13")), ERangeError);
    // North's first two cards in descending order.
    EXPECT_THROW(ValidBoardLine(withField(withField(OneSuitEachDeal, 0, "02"), 1, "01")), ERangeError);
}

// Whether the 52 numbers of a line of digits are a whole deal, every hand ascending: an
// oracle written for this test, unlike the reader's, to compare over many changed lines.
bool isWholeDeal(const std::string& line) {
    std::vector<bool> seen(100, false);
    for (int hand = 0; hand < 4; ++hand)
        for (int i = 0; i < 13; ++i) {
            const int field = 13 * hand + i;
            const int card = std::stoi(line.substr(2 * field, 2));
            const int previous = i == 0 ? 0 : std::stoi(line.substr(2 * field - 2, 2));
            if (card < 1 || card > 52 || card <= previous || seen[card]) return false;
            seen[card] = true;
        }
    return true;
}

// Every field of two deals changed to numbers around the limits: the line is taken exactly
// when it still is a whole deal, with the right suit lengths, and otherwise refused as a card
// that does not fit.
TEST(ValidBoardLine, EveryFieldChangedToEachNumberNearTheLimits) {
    const char* const numbers[] = {"00", "01", "02", "12", "13", "14", "27",
                                   "51", "52", "53", "63", "64", "65", "99"};
    for (const std::string& deal : {RoundRobinDeal, OneSuitEachDeal})
        for (std::size_t field = 0; field < 52; ++field)
            for (const char* number : numbers) {
                const std::string line = withField(deal, field, number);
                if (isWholeDeal(line)) {
                    const ValidBoardLine board(line);
                    EXPECT_EQ(board.text(), line);
                    EXPECT_EQ(board.card(field), std::stoi(number));
                    for (std::size_t hand = 0; hand < 4; ++hand)
                        for (std::size_t suit = 0; suit < 4; ++suit) {
                            std::string holding;
                            for (std::size_t i = 0; i < 13; ++i) {
                                const int card = std::stoi(line.substr(2 * (13 * hand + i), 2));
                                if ((card - 1) / 13 == int(suit)) holding += "AKQJT98765432"[(card - 1) % 13];
                            }
                            EXPECT_EQ(board.suitLength(hand, suit), holding.size()) << line;
                            EXPECT_EQ(board.holding(hand, suit), holding) << line;
                        }
                } else
                    EXPECT_THROW(ValidBoardLine{line}, ERangeError) << "field " << field << ": " << number;
            }
}

// Lines are read eight characters at a time: a character next to the digits, or one that
// would carry into its neighbour, is refused at every place of the line.
TEST(ValidBoardLine, ANonDigitAnywhereIsAConversionError) {
    for (const char bad : {'/', ':', '?', ' ', '\0', '\x3f', '\xb0', '\xfa', '\xff'})
        for (std::size_t position = 0; position < RoundRobinDeal.size(); ++position) {
            std::string line = RoundRobinDeal;
            line[position] = bad;
            EXPECT_THROW(ValidBoardLine{line}, EConvertError) << "position " << position;
        }
}

TEST(ValidBoardLine, EachHandAscendsOnItsOwn) {
    // Every hand starts low again after the previous hand's high cards.
    EXPECT_NO_THROW(ValidBoardLine{RoundRobinDeal});
    EXPECT_NO_THROW(ValidBoardLine{testing::OneVoidEachDeal});
}

// Neighbours are compared several at a time: two neighbours swapped anywhere in any hand
// still hold the whole deal, and only their order tells.
TEST(ValidBoardLine, TwoNeighboursSwappedAnywhereInAHandAreARangeError) {
    for (const std::string& deal : {RoundRobinDeal, OneSuitEachDeal, testing::OneVoidEachDeal})
        for (std::size_t hand = 0; hand < 4; ++hand)
            for (std::size_t i = 0; i + 1 < 13; ++i) {
                const std::size_t field = 13 * hand + i;
                const std::string first = deal.substr(2 * field, 2), second = deal.substr(2 * field + 2, 2);
                const std::string swapped =
                    withField(withField(deal, field, second.c_str()), field + 1, first.c_str());
                EXPECT_THROW(ValidBoardLine{swapped}, ERangeError)
                    << "hand " << hand << ", cards " << i << " and " << i + 1;
            }
}

TEST(ValidBoardLine, TheFirstDefectInReadingOrderDecides) {
    const std::string badCardFirst = withField(withField(OneSuitEachDeal, 3, "60"), 9, "zz");
    EXPECT_THROW(ValidBoardLine{badCardFirst}, ERangeError);
    const std::string badTextFirst = withField(withField(OneSuitEachDeal, 3, "zz"), 9, "60");
    EXPECT_EQ(conversionErrorOf(badTextFirst), "'zz' is not a valid integer value");
}

}  // namespace
}  // namespace quorvex
