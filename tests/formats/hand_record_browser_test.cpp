// Hand records as a director prints them: rendered by a real browser (headless Chromium)
// to PDF, then read back as text page by page.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <regex>

#include "conversion_fixture.h"
#include "formats/hand_record_writer.h"
#include "printed_document.h"

namespace quorvex {
namespace {

using namespace std::chrono_literals;
using testing::ConversionFolder;
using testing::linesOf;

constexpr std::string_view Ranks = "AKQJT98765432";
constexpr std::array<const char*, 4> SeatNames = {"North", "East", "South", "West"};
constexpr std::array<const char*, 4> SuitSymbols = {"\u2660", "\u2665", "\u2666", "\u2663"};

std::string withoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

struct Hand {
    std::string seatLine;                  // "North 12"
    std::array<std::string, 4> suitLines;  // "♠AK102" (blanks removed), "♥–" for a void
};

// What a board line's hands should show, computed from the card numbers.
std::array<Hand, 4> expectedHands(const std::string& line) {
    std::array<Hand, 4> hands;
    for (int hand = 0; hand < 4; ++hand) {
        std::array<std::string, 4> ranks;
        int points = 0;
        for (int field = 13 * hand; field < 13 * hand + 13; ++field) {
            const int card = std::stoi(line.substr(2 * field, 2));
            const char rank = Ranks[(card - 1) % 13];
            ranks[(card - 1) / 13] += rank == 'T' ? std::string("10") : std::string(1, rank);
            points += std::max(0, 4 - (card - 1) % 13);
        }
        hands[hand].seatLine = std::string(SeatNames[hand]) + " " + std::to_string(points);
        for (int suit = 0; suit < 4; ++suit)
            hands[hand].suitLines[suit] = SuitSymbols[suit] + (ranks[suit].empty() ? "\u2013" : ranks[suit]);
    }
    return hands;
}

TEST(HandRecordsInABrowser, EveryBoardPrintsWholeWithItsHandsAndPoints) {
    if (const std::string missing = testing::missingPrintTools(); !missing.empty()) GTEST_SKIP() << missing;

    constexpr unsigned Boards = 20;
    std::mt19937 random(10);
    std::vector<std::string> boards;
    for (unsigned board = 0; board < Boards; ++board) {
        std::array<int, 52> owners{};
        for (int card = 0; card < 52; ++card) owners[card] = card / 13;
        std::shuffle(owners.begin(), owners.end(), random);
        std::string line;
        for (int hand = 0; hand < 4; ++hand)
            for (int card = 1; card <= 52; ++card)
                if (owners[card - 1] == hand)
                    line += std::string(1, char('0' + card / 10)) + char('0' + card % 10);
        boards.push_back(line);
    }
    std::vector<DoubleDummyTable> tables(Boards);
    for (unsigned board = 0; board < Boards; ++board) {
        tables[board].tricks = {{{7, 8, 9, 10, 11}, {6, 5, 4, 3, 2}, {7, 8, 9, 10, 11}, {6, 5, 4, 3, 2}}};
        tables[board].parScore = 10 * static_cast<int>(board + 1);
        tables[board].parContracts = {"4S-NS+1"};
    }

    ConversionFolder folder;
    folder.writeMainDeal("1 20  3", boards);
    folder.settings.runDate = 2026y / 3 / 7;
    folder.settings.doubleDummy = tables;
    StagedFiles files;
    writeHandRecordFiles(folder.settings, files);
    files.publish();
    const std::vector<std::string> written = files.finalPaths();
    ASSERT_EQ(written, std::vector<std::string>{folder.outputFile("QVW-03.html")});

    const std::string pdf = folder.outputFile("records.pdf");
    ASSERT_TRUE(testing::printToPdf(written[0], pdf, folder.outputFile("profile")));
    const std::vector<std::string> pages = testing::pdfPages(pdf);
    ASSERT_FALSE(pages.empty());
    ASSERT_NE(pages[0].find("T \u2013 Set 3 \u2013 2026-03-07"), std::string::npos) << "title";
    ASSERT_GE(pages.size(), 2u);

    // Each board's lines run from its "Board N" line to the next board or the page's end:
    // a board split across pages would miss its last lines there.
    const std::regex boardLine("Board (\\d+)"), seatLine("(North|East|South|West) (\\d+)");
    std::vector<int> seen(Boards + 1, 0);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const std::vector<std::string> lines = linesOf(pages[page]);
        EXPECT_NE(pages[page].find("Page " + std::to_string(page + 1) + " of "), std::string::npos)
            << "page " << page + 1;
        unsigned boardsOnPage = 0;
        for (std::size_t at = 0; at < lines.size(); ++at) {
            std::smatch match;
            if (!std::regex_match(lines[at], match, boardLine)) continue;
            const unsigned board = static_cast<unsigned>(std::stoul(match[1]));
            ASSERT_TRUE(board >= 1 && board <= Boards) << lines[at];
            ++seen[board];
            ++boardsOnPage;
            std::size_t end = at + 1;
            while (end < lines.size() && !std::regex_match(lines[end], boardLine)) ++end;
            std::vector<std::string> block;
            for (std::size_t i = at + 1; i < end; ++i) block.push_back(withoutBlanks(lines[i]));
            const auto has = [&](const std::string& expected) {
                return std::find(block.begin(), block.end(), withoutBlanks(expected)) != block.end();
            };
            const std::string where =
                "board " + std::to_string(board) + " on page " + std::to_string(page + 1);
            EXPECT_TRUE(has(std::string("Dealer ") + SeatNames[(board - 1) % 4])) << where;
            unsigned points = 0;
            for (std::size_t i = at + 1; i < end; ++i)
                if (std::smatch seat; std::regex_match(lines[i], seat, seatLine))
                    points += std::stoul(seat[2]);
            EXPECT_EQ(points, 40u) << where;
            for (const Hand& hand : expectedHands(boards[board - 1])) {
                EXPECT_TRUE(has(hand.seatLine)) << where << ": " << hand.seatLine;
                for (const std::string& suit : hand.suitLines)
                    EXPECT_TRUE(has(suit)) << where << ": " << suit;
            }
            EXPECT_TRUE(has("ParNS" + std::to_string(10 * board))) << where;
            EXPECT_TRUE(has("W 6 5 4 3 2")) << where << ": the last row of the tricks table";
        }
        if (page + 1 < pages.size()) {
            EXPECT_GE(boardsOnPage, 4u) << "several boards on page " << page + 1;
        }
    }
    for (unsigned board = 1; board <= Boards; ++board) EXPECT_EQ(seen[board], 1) << "board " << board;
}

}  // namespace
}  // namespace quorvex
