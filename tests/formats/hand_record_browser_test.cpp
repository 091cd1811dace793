// Hand records as a director prints them: rendered by a real browser (headless Chromium)
// to PDF, then read back as text page by page.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <map>
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

// A deal as a board line from the owner (0..3, North to West) of each card 1..52.
std::string boardLineOf(const std::array<int, 52>& owners) {
    std::string line;
    for (int hand = 0; hand < 4; ++hand)
        for (int card = 1; card <= 52; ++card)
            if (owners[card - 1] == hand)
                line += std::string(1, char('0' + card / 10)) + char('0' + card % 10);
    return line;
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
        boards.push_back(boardLineOf(owners));
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
            EXPECT_TRUE(has("5\u2660 by N-S (+" + std::to_string(10 * board) + ")")) << where << ": the par";
            EXPECT_TRUE(has("N-S: 5\u2663, 4\u2666, 3\u2665, 2\u2660, 1NT; E-W: \u2013"))
                << where << ": the makeable contracts";
            EXPECT_TRUE(has("W 6 5 4 3 2")) << where << ": the last row of the tricks table";
        }
        if (page + 1 < pages.size()) {
            EXPECT_GE(boardsOnPage, 4u) << "several boards on page " << page + 1;
        }
    }
    for (unsigned board = 1; board <= Boards; ++board) EXPECT_EQ(seen[board], 1) << "board " << board;
}

using Word = testing::PrintedWord;
using Page = testing::PrintedPage;

// A deal where `hand` holds `length` cards of `suit` from the ace down and the other cards
// are dealt at random.
std::string dealWithLongSuit(int hand, int suit, int length, std::mt19937& random) {
    std::array<int, 52> owners{};
    std::vector<int> seats;
    for (int seat = 0; seat < 4; ++seat) seats.insert(seats.end(), seat == hand ? 13 - length : 13, seat);
    std::shuffle(seats.begin(), seats.end(), random);
    for (int card = 0, next = 0; card < 52; ++card)
        owners[card] = card / 13 == suit && card % 13 < length ? hand : seats[next++];
    return boardLineOf(owners);
}

// Where a seat's name stands in a board's diagram, with the lines of its suits read from
// the page: the symbol under the name and the words that follow it closely on its line.
struct PrintedHand {
    const Word* name = nullptr;
    std::array<std::string, 4> suitLines;
};

std::string suitLineAt(const std::vector<Word>& words, const Word& symbol) {
    std::vector<const Word*> line;
    for (const Word& word : words)
        if (std::abs(word.yMin - symbol.yMin) < 1 && word.xMin >= symbol.xMin) line.push_back(&word);
    std::sort(line.begin(), line.end(), [](const Word* a, const Word* b) { return a->xMin < b->xMin; });
    std::string text;
    double end = symbol.xMin;
    for (const Word* word : line) {
        if (word->xMin - end > 3.5) break;  // the next column: par or tricks
        text += word->text;
        end = word->xMax;
    }
    return text;
}

// Two abreast, the page's halves are columns of boards. Each seat belongs to the nearest
// "Board" above it in its column.
std::map<unsigned, std::map<std::string, PrintedHand>> handsOnPage(const Page& page) {
    std::vector<std::pair<const Word*, unsigned>> boardWords;
    for (std::size_t i = 0; i + 1 < page.words.size(); ++i)
        if (page.words[i].text == "Board")
            boardWords.emplace_back(&page.words[i], std::stoul(page.words[i + 1].text));
    const auto column = [&](const Word& w) { return w.xMin < page.width / 2 ? 0 : 1; };
    std::map<unsigned, std::map<std::string, PrintedHand>> hands;
    for (std::size_t i = 1; i < page.words.size(); ++i) {
        const Word& word = page.words[i];
        if (word.text != "North" && word.text != "East" && word.text != "South" && word.text != "West")
            continue;
        if (page.words[i - 1].text == "Dealer") continue;
        const std::pair<const Word*, unsigned>* board = nullptr;
        for (const auto& candidate : boardWords)
            if (column(*candidate.first) == column(word) && candidate.first->yMin <= word.yMin + 2 &&
                (!board || candidate.first->yMin > board->first->yMin))
                board = &candidate;
        if (!board) continue;
        PrintedHand& hand = hands[board->second][word.text];
        hand.name = &word;
        for (int suit = 0; suit < 4; ++suit) {
            for (const Word& symbol : page.words) {
                if (symbol.text.rfind(SuitSymbols[suit], 0) != 0 || std::abs(symbol.xMin - word.xMin) > 2 ||
                    symbol.yMin <= word.yMin || symbol.yMin > word.yMin + 60)
                    continue;
                hand.suitLines[suit] = suitLineAt(page.words, symbol);
                break;
            }
        }
    }
    return hands;
}

// West and East (and North and South) stand where a player looks for them, whatever the
// hands hold; a suit of up to thirteen cards stays on one line beside its symbol, nothing
// printed overlaps anything else, and six boards fill a page, on A4 and on Letter alike.
TEST(HandRecordsInABrowser, SeatsStandInTheCompassAndLongSuitsStayOnOneLine) {
    if (const std::string missing = testing::missingPrintTools(); !missing.empty()) GTEST_SKIP() << missing;

    std::mt19937 random(3);
    std::vector<std::string> boards = {
        // Each hand holds a whole suit: the widest line a hand can have, in every seat.
        boardLineOf([] {
            std::array<int, 52> owners{};
            for (int card = 0; card < 52; ++card) owners[card] = card / 13;
            return owners;
        }()),
        boardLineOf([] {
            std::array<int, 52> owners{};
            for (int card = 0; card < 52; ++card) owners[card] = (card / 13 + 1) % 4;
            return owners;
        }()),
    };
    for (int hand = 0; hand < 4; ++hand) boards.push_back(dealWithLongSuit(hand, (hand + 2) % 4, 10, random));
    std::vector<DoubleDummyTable> tables(boards.size());
    for (DoubleDummyTable& table : tables) {
        table.tricks = {{{13, 13, 13, 13, 13}, {13, 13, 13, 13, 13}, {10, 10, 10, 10, 10}, {0, 0, 0, 0, 0}}};
        table.parScore = -2000;
        table.parContracts = {"7N*-NS-13", "7S*-NS-13"};  // the longest texts the library writes
    }

    ConversionFolder folder;
    folder.writeMainDeal("1 6  1", boards);
    folder.settings.doubleDummy = tables;
    StagedFiles files;
    writeHandRecordFiles(folder.settings, files);
    files.publish();
    const std::string document = testing::readFile(files.finalPaths().at(0));

    for (const auto& [paper, width] : {std::pair{"A4", 595.0}, std::pair{"Letter", 612.0}}) {
        SCOPED_TRACE(paper);
        std::string onPaper = document;
        onPaper.replace(onPaper.find("</style>"), 0, std::string("@page { size: ") + paper + "; }\n");
        const std::string html = folder.outputFile(std::string(paper) + ".html");
        const std::string pdf = folder.outputFile(std::string(paper) + ".pdf");
        std::ofstream(html, std::ios::binary) << onPaper;
        ASSERT_TRUE(testing::printToPdf(html, pdf, folder.outputFile("profile")));
        const std::vector<Page> pages = testing::pdfWords(pdf);
        ASSERT_EQ(pages.size(), 1u) << "six boards on one page";
        const Page& page = pages[0];
        EXPECT_NEAR(page.width, width, 1);

        const auto hands = handsOnPage(page);
        ASSERT_EQ(hands.size(), boards.size());
        for (const auto& [board, seats] : hands) {
            SCOPED_TRACE("board " + std::to_string(board));
            ASSERT_EQ(seats.size(), 4u);
            const Word& north = *seats.at("North").name;
            const Word& east = *seats.at("East").name;
            const Word& south = *seats.at("South").name;
            const Word& west = *seats.at("West").name;
            EXPECT_LT(west.xMax, north.xMin) << "West stands left of North";
            EXPECT_LT(north.xMax, east.xMin) << "East stands right of North";
            EXPECT_NEAR(north.xMin, south.xMin, 1) << "North above South";
            EXPECT_LT(north.yMax, west.yMin) << "North above West";
            EXPECT_NEAR(west.yMin, east.yMin, 1) << "West and East on one line";
            EXPECT_LT(west.yMax, south.yMin) << "South below West";

            const std::array<Hand, 4> expected = expectedHands(boards[board - 1]);
            for (int seat = 0; seat < 4; ++seat)
                for (int suit = 0; suit < 4; ++suit)
                    EXPECT_EQ(seats.at(SeatNames[seat]).suitLines[suit], expected[seat].suitLines[suit])
                        << SeatNames[seat] << " suit " << suit << ": the whole suit on its symbol's line";
        }

        for (const Word& a : page.words)
            for (const Word& b : page.words) {
                if (&a == &b) continue;
                const double rise = std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin);
                const double overlap = std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin);
                EXPECT_FALSE(rise > 1 && overlap > 0.5)
                    << "\"" << a.text << "\" overlaps \"" << b.text << "\"";
            }
    }
}

}  // namespace
}  // namespace quorvex
