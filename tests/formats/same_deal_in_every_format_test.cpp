// Every format read back independently must give each board's deal exactly as the main
// deal file holds it, set by set.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "conversion_fixture.h"
#include "formats/convert_main_deal_file.h"
#include "pbn_deal.h"

namespace quorvex {
namespace {

using testing::ConversionFolder;

constexpr std::string_view Ranks = "AKQJT98765432";

std::string twoDigits(int card) { return std::string(1, char('0' + card / 10)) + char('0' + card % 10); }

// The board line of a deal given as each card's hand.
std::string lineOfOwners(const std::array<int, 52>& owners) {
    std::string line;
    for (int hand = 0; hand < 4; ++hand)
        for (int card = 1; card <= 52; ++card)
            if (owners[card - 1] == hand) line += twoDigits(card);
    return line;
}

std::string randomBoardLine(std::mt19937& random) {
    std::array<int, 52> owners{};
    for (int card = 0; card < 52; ++card) owners[card] = card / 13;
    std::shuffle(owners.begin(), owners.end(), random);
    return lineOfOwners(owners);
}

// North, East and South as 78 digits; West holds the rest.
std::string lineOfThreeHands(std::string_view digits) {
    std::array<int, 52> owners;
    owners.fill(3);
    for (std::size_t field = 0; field < 39; ++field)
        owners[std::stoi(std::string(digits.substr(2 * field, 2))) - 1] = static_cast<int>(field / 13);
    return lineOfOwners(owners);
}

// The four hands as 68 bytes: each a mark byte 6, 3, 4, 5 before its spades, hearts,
// diamonds and clubs.
std::string lineOfMarkedHands(std::string_view bytes) {
    std::array<int, 52> owners{};
    int suit = -1, hand = -1;
    for (const char c : bytes) {
        if (const std::size_t mark = std::string_view("\x06\x03\x04\x05").find(c);
            mark != std::string_view::npos) {
            suit = static_cast<int>(mark);
            if (mark == 0) ++hand;
        } else {
            owners[13 * suit + Ranks.find(c)] = hand;
        }
    }
    return lineOfOwners(owners);
}

// A Deep Finesse hand text: four holdings separated by blanks, "-" for a void.
void readDeepFinesseHand(std::string_view text, int hand, std::array<int, 52>& owners) {
    int suit = 0;
    for (const char c : text) {
        if (c == ' ')
            ++suit;
        else if (c != '-')
            owners[13 * suit + Ranks.find(c)] = hand;
    }
}

std::vector<std::string> dlmDeals(const std::string& file, std::size_t boards) {
    std::vector<std::string> deals;
    for (std::size_t board = 1; board <= boards; ++board) {
        const std::string key = "\r\nBoard " + twoDigits(static_cast<int>(board)) + "=";
        const std::string letters = file.substr(file.find(key) + key.size(), 26);
        std::array<int, 52> owners{};
        for (std::size_t pair = 0; pair < 26; ++pair) {
            owners[2 * pair] = (letters[pair] - 'a') / 4;
            owners[2 * pair + 1] = (letters[pair] - 'a') % 4;
        }
        deals.push_back(lineOfOwners(owners));
    }
    return deals;
}

std::vector<std::string> recordDeals(const std::string& file, std::size_t length,
                                     std::string (*deal)(std::string_view)) {
    std::vector<std::string> deals;
    for (std::size_t start = 0; start < file.size(); start += length)
        deals.push_back(deal(std::string_view(file).substr(start, length)));
    return deals;
}

std::vector<std::string> deepFinesseDeals(const std::string& file) {
    std::vector<std::string> deals;
    for (std::size_t start = 0; start < file.size();) {
        std::array<std::string, 5> lines;
        for (std::string& line : lines) {
            const std::size_t end = file.find("\r\n", start);
            line = file.substr(start, end - start);
            start = end + 2;
        }
        std::array<int, 52> owners{};
        readDeepFinesseHand(lines[0].substr(38), 0, owners);
        std::string east = lines[1].substr(21, 34);
        east.erase(east.find_last_not_of(' ') + 1);
        readDeepFinesseHand(east, 1, owners);
        readDeepFinesseHand(lines[1].substr(55), 2, owners);
        readDeepFinesseHand(lines[2].substr(38), 3, owners);
        deals.push_back(lineOfOwners(owners));
    }
    return deals;
}

// Each game's Deal tag, and its Board tag checked to count from 1.
std::vector<std::string> pbnDeals(const std::string& file) {
    std::vector<std::string> deals;
    for (std::size_t at = file.find("[Deal \""); at != std::string::npos;
         at = file.find("[Deal \"", at + 1)) {
        const std::size_t start = at + 7;
        deals.push_back(testing::boardLineFromPbn(file.substr(start, file.find('"', start) - start)));
        const std::string board = "[Board \"" + std::to_string(deals.size()) + "\"]";
        EXPECT_NE(file.rfind(board, at), std::string::npos) << board;
    }
    return deals;
}

// Small sets, and sets whose files are larger than the block a writer gathers before it
// writes: every board of every set is read back from every format.
TEST(SameDealInEveryFormat, EachSetsBoardsReadBackFromAllSixFormats) {
    struct Case {
        std::size_t sets, boards, firstSet;
    };
    for (const Case c : {Case{3, 7, 4}, Case{2, 700, 1}}) {
        std::mt19937 random(2026);
        std::vector<std::string> boards(c.sets * c.boards);
        for (std::string& board : boards) board = randomBoardLine(random);

        ConversionFolder folder;
        folder.writeMainDeal(
            std::to_string(c.sets) + " " + std::to_string(c.boards) + "  " + std::to_string(c.firstSet),
            boards);
        folder.selectAllFormats();
        ConvertMainDealFile(folder.settings);

        for (std::size_t set = 0; set < c.sets; ++set) {
            const std::vector<std::string> expected(boards.begin() + set * c.boards,
                                                    boards.begin() + (set + 1) * c.boards);
            const std::string name = "QVW-" + twoDigits(static_cast<int>(c.firstSet + set));
            // The dealing machine's file takes the first 99 boards.
            const std::size_t dlmBoards = std::min<std::size_t>(c.boards, 99);
            EXPECT_EQ(dlmDeals(folder.read(name + ".dlm"), dlmBoards),
                      std::vector<std::string>(expected.begin(), expected.begin() + dlmBoards))
                << name;
            EXPECT_EQ(recordDeals(folder.read(name + ".dup"), 156,
                                  [](std::string_view record) {
                                      const std::string fromDigits = lineOfThreeHands(record.substr(0, 78));
                                      EXPECT_EQ(lineOfMarkedHands(record.substr(78, 68)), fromDigits);
                                      return fromDigits;
                                  }),
                      expected)
                << name;
            EXPECT_EQ(
                recordDeals(folder.read(name + ".bri"), 128,
                            [](std::string_view record) { return lineOfThreeHands(record.substr(0, 78)); }),
                expected)
                << name;
            EXPECT_EQ(
                recordDeals(folder.read(name + ".dge"), 128,
                            [](std::string_view record) { return lineOfMarkedHands(record.substr(0, 68)); }),
                expected)
                << name;
            EXPECT_EQ(deepFinesseDeals(folder.read(name + ".txt")), expected) << name;
            EXPECT_EQ(pbnDeals(folder.read(name + ".pbn")), expected) << name;
        }
    }
}

}  // namespace
}  // namespace quorvex
