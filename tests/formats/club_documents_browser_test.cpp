// Duplication sheets and curtain cards as a club prints them: rendered by a real browser
// (headless Chromium) on Letter and on A4, read back word by word with positions, and
// compared card by card with the main deal file they were written from.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "conversion_fixture.h"
#include "engine/board_line.h"
#include "formats/curtain_card_writer.h"
#include "formats/dealing_sheet_writer.h"
#include "printed_document.h"
#include "program_deals.h"

namespace quorvex {
namespace {

using namespace std::chrono_literals;
using testing::ConversionFolder;
using testing::PrintedPage;
using testing::PrintedWord;

constexpr unsigned Boards = 20;
constexpr std::array<std::string_view, 13> Ranks = {"A", "K", "Q", "J", "10", "9", "8",
                                                    "7", "6", "5", "4", "3",  "2"};
constexpr std::array<std::string_view, 4> SuitSymbols = {"\u2660", "\u2665", "\u2666", "\u2663"};
constexpr std::string_view Seats = "NESW";
constexpr std::array<std::string_view, 4> SeatNames = {"North", "East", "South", "West"};

// Board 1: every hand one whole suit (and three voids); board 2: every hand one void;
// the rest as the program deals them.
std::vector<std::string> boardLines() {
    std::vector<std::string> lines = {testing::OneSuitEachDeal, testing::OneVoidEachDeal};
    for (const ByHandDeal& deal : testing::programDeals(Boards - lines.size()))
        lines.push_back(boardLine(deal));
    return lines;
}

// The board lines of the main deal file "T.qvw" as written: after the header, CR LF ends each.
std::vector<std::string> mainDealBoards(const ConversionFolder& folder) {
    std::vector<std::string> lines =
        testing::linesOf(testing::readFile(folder.settings.programFolder + "/T.qvw"));
    lines.erase(lines.begin());
    for (std::string& line : lines) std::erase(line, '\r');
    return lines;
}

// Card 1..52 (spades ace .. clubs two) -> seat letter, from a board line.
std::string seatsOfCards(const std::string& line) {
    std::string seats(52, '?');
    for (int field = 0; field < 52; ++field)
        seats[static_cast<std::size_t>(std::stoi(line.substr(2 * field, 2)) - 1)] = Seats[field / 13];
    return seats;
}

// Words on one text line, left to right: a word belongs to the line of the first word
// whose height spans its middle, so a head in larger type and its smaller words share one.
std::vector<std::vector<PrintedWord>> textLines(std::vector<PrintedWord> words) {
    const auto middle = [](const PrintedWord& word) { return (word.yMin + word.yMax) / 2; };
    std::stable_sort(words.begin(), words.end(),
                     [&](const PrintedWord& a, const PrintedWord& b) { return middle(a) < middle(b); });
    std::vector<std::vector<PrintedWord>> lines;
    for (const PrintedWord& word : words) {
        if (lines.empty() || middle(word) > lines.back().front().yMax) lines.emplace_back();
        lines.back().push_back(word);
    }
    for (std::vector<PrintedWord>& line : lines)
        std::sort(line.begin(), line.end(),
                  [](const PrintedWord& a, const PrintedWord& b) { return a.xMin < b.xMin; });
    return lines;
}

std::string joined(const std::vector<PrintedWord>& words, std::size_t from = 0) {
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i) text += (text.empty() ? "" : " ") + words[i].text;
    return text;
}

// Where "Board N" begins on a page, N the board.
struct BoardHead {
    unsigned board;
    double x, y;
    std::string rest;  // the words after the number on its line
};

std::vector<BoardHead> boardHeads(const PrintedPage& page) {
    std::vector<BoardHead> heads;
    for (const std::vector<PrintedWord>& line : textLines(page.words))
        for (std::size_t i = 0; i + 1 < line.size(); ++i)
            if (line[i].text == "Board") {
                std::string rest;
                for (std::size_t j = i + 2; j < line.size() && line[j].text != "Board"; ++j)
                    rest += (rest.empty() ? "" : " ") + line[j].text;
                heads.push_back(
                    {static_cast<unsigned>(std::stoul(line[i + 1].text)), line[i].xMin, line[i].yMin, rest});
            }
    return heads;
}

// The page number stands in the bottom margin, below every board.
constexpr double FooterHeight = 30;

// The words of the board or slip whose head is the nearest one above and left of them.
std::map<std::size_t, std::vector<PrintedWord>> wordsByHead(const PrintedPage& page,
                                                            const std::vector<BoardHead>& heads) {
    std::map<std::size_t, std::vector<PrintedWord>> owned;
    for (const PrintedWord& word : page.words) {
        if (word.yMin > page.height - FooterHeight) continue;
        std::optional<std::size_t> owner;
        for (std::size_t h = 0; h < heads.size(); ++h) {
            if (heads[h].y > word.yMin + 1 || heads[h].x > word.xMin + 1) continue;
            if (!owner || heads[h].y > heads[*owner].y + 1 ||
                (std::abs(heads[h].y - heads[*owner].y) <= 1 && heads[h].x > heads[*owner].x))
                owner = h;
        }
        if (owner) owned[*owner].push_back(word);
    }
    return owned;
}

std::string rotationText(unsigned board) {
    constexpr std::array<std::string_view, 16> vulnerability = {"None", "NS",   "EW", "All", "NS",   "EW",
                                                                "All",  "None", "EW", "All", "None", "NS",
                                                                "All",  "None", "NS", "EW"};
    return "Dealer " + std::string(SeatNames[(board - 1) % 4]) + " \u00b7 Vul " +
           std::string(vulnerability[(board - 1) % 16]);
}

class ClubDocumentsInABrowser : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string missing = testing::missingPrintTools(); !missing.empty())
            GTEST_SKIP() << missing;
        folder.writeMainDeal("1 20  3", boardLines());
        folder.settings.runDate = 2026y / 3 / 7;
        expected = mainDealBoards(folder);
        ASSERT_EQ(expected.size(), Boards);
    }

    // The set's document written by `write` under `name` and printed on Letter and on A4,
    // as words by page.
    std::vector<std::vector<PrintedPage>> printed(SetFilesWriter write, const std::string& name) {
        StagedFiles files;
        write(folder.settings, files);
        files.publish();
        const std::string document = folder.outputFile(name);
        EXPECT_EQ(files.finalPaths(), std::vector<std::string>{document});
        std::vector<std::vector<PrintedPage>> papers;
        for (const std::string& html : {document, testing::onA4(document)}) {
            const std::string pdf = html + ".pdf";
            EXPECT_TRUE(testing::printToPdf(html, pdf, folder.outputFile("profile"))) << html;
            papers.push_back(testing::pdfWords(pdf));
            EXPECT_FALSE(papers.back().empty()) << pdf;
        }
        return papers;
    }

    ConversionFolder folder;
    std::vector<std::string> expected;  // the main deal file's board lines
};

// From the sheet alone: each seat letter stands under the rank of its column, in the line
// of its suit; together they give back every card of every board.
TEST_F(ClubDocumentsInABrowser, TheDuplicationSheetAloneGivesBackEveryDeal) {
    for (const std::vector<PrintedPage>& pages : printed(writeDealingSheetFiles, "QVW-03-dealing.html")) {
        ASSERT_FALSE(pages.empty());
        EXPECT_EQ(joined(textLines(pages[0].words)[0]),
                  "Duplication sheet \u2013 T \u2013 Set 3 \u2013 2026-03-07");
        std::map<unsigned, std::string> rebuilt;  // board -> seats of cards 1..52
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const PrintedPage& page = pages[p];
            const std::string where = "page " + std::to_string(p + 1) + " of " +
                                      std::to_string(pages.size()) + " (" + std::to_string(page.width) +
                                      " pt wide)";
            EXPECT_EQ(joined(textLines(page.words).back()),
                      "Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size()))
                << where;
            const std::vector<BoardHead> heads = boardHeads(page);
            if (p + 1 < pages.size()) {
                EXPECT_GE(heads.size(), 6u) << where;
            }
            const auto owned = wordsByHead(page, heads);
            for (std::size_t h = 0; h < heads.size(); ++h) {
                const unsigned board = heads[h].board;
                const std::string at = "board " + std::to_string(board) + " on " + where;
                EXPECT_EQ(heads[h].rest, rotationText(board)) << at;
                // Lines below the head: the ranks, then one line per suit (a board cut
                // by the page's end would miss some of them).
                std::vector<std::vector<PrintedWord>> lines = textLines(owned.at(h));
                ASSERT_EQ(lines.size(), 6u) << at;
                const std::vector<PrintedWord>& rankLine = lines[1];
                ASSERT_EQ(rankLine.size(), 13u) << at;
                for (std::size_t r = 0; r < 13; ++r) EXPECT_EQ(rankLine[r].text, Ranks[r]) << at;
                std::string seats(52, '?');
                for (std::size_t suit = 0; suit < 4; ++suit) {
                    const std::vector<PrintedWord>& line = lines[2 + suit];
                    ASSERT_EQ(line.front().text, SuitSymbols[suit]) << at;
                    // Neighbouring letters can read as one word ("WWN"); each letter fills
                    // an equal share of the word's width.
                    for (std::size_t w = 1; w < line.size(); ++w) {
                        const PrintedWord& word = line[w];
                        const double share = (word.xMax - word.xMin) / static_cast<double>(word.text.size());
                        for (std::size_t i = 0; i < word.text.size(); ++i) {
                            const double centre = word.xMin + share * (static_cast<double>(i) + 0.5);
                            std::size_t nearest = 0;
                            for (std::size_t r = 1; r < 13; ++r)
                                if (std::abs((rankLine[r].xMin + rankLine[r].xMax) / 2 - centre) <
                                    std::abs((rankLine[nearest].xMin + rankLine[nearest].xMax) / 2 - centre))
                                    nearest = r;
                            char& seat = seats[suit * 13 + nearest];
                            EXPECT_EQ(seat, '?') << at << ": two letters under one rank";
                            seat = word.text[i];
                        }
                    }
                }
                EXPECT_TRUE(rebuilt.emplace(board, seats).second) << at << ": printed twice";
            }
        }
        ASSERT_EQ(rebuilt.size(), Boards);
        for (unsigned board = 1; board <= Boards; ++board)
            EXPECT_EQ(rebuilt[board], seatsOfCards(expected[board - 1])) << "board " << board;
    }
}

// Every slip names its board, seat, dealer and vulnerability and lists the seat's cards;
// a whole suit and a void read as they should; the four slips of a board share a page and
// fill half of it.
TEST_F(ClubDocumentsInABrowser, TheCurtainCardsListEverySeatsThirteenCards) {
    for (const std::vector<PrintedPage>& pages : printed(writeCurtainCardFiles, "QVW-03-curtain.html")) {
        ASSERT_EQ(pages.size(), Boards / 2);
        EXPECT_EQ(joined(textLines(pages[0].words)[0]),
                  "Curtain cards \u2013 T \u2013 Set 3 \u2013 2026-03-07");
        using Slip = std::pair<unsigned, std::size_t>;  // board, seat
        std::map<Slip, std::array<std::string, 4>> slips;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const PrintedPage& page = pages[p];
            const std::string where =
                "page " + std::to_string(p + 1) + " (" + std::to_string(page.width) + " pt wide)";
            const std::vector<BoardHead> heads = boardHeads(page);
            ASSERT_EQ(heads.size(), 8u) << where << ": two boards of four slips";
            const auto owned = wordsByHead(page, heads);
            for (std::size_t h = 0; h < heads.size(); ++h) {
                const unsigned board = heads[h].board;
                EXPECT_EQ(board, 2 * p + 1 + h / 4) << where;
                const std::size_t seat = h % 4;
                const std::string at =
                    "board " + std::to_string(board) + " seat " + std::string(SeatNames[seat]);
                EXPECT_EQ(heads[h].rest, SeatNames[seat]) << at;
                const std::vector<std::vector<PrintedWord>> lines = textLines(owned.at(h));
                ASSERT_EQ(lines.size(), 6u) << at << ": " << joined(owned.at(h));
                EXPECT_EQ(joined(lines[1]), rotationText(board)) << at;
                std::array<std::string, 4>& suits = slips[Slip(board, seat)];
                for (std::size_t suit = 0; suit < 4; ++suit) {
                    ASSERT_EQ(lines[2 + suit].front().text, SuitSymbols[suit]) << at;
                    suits[suit] = joined(lines[2 + suit], 1);
                }
            }
            // Half a page each: the second board starts below the page's middle third.
            EXPECT_GT(heads[4].y, page.height / 3) << where;
        }
        for (unsigned board = 1; board <= Boards; ++board) {
            const std::string cards = seatsOfCards(expected[board - 1]);
            for (std::size_t seat = 0; seat < 4; ++seat) {
                std::array<std::string, 4> suits;
                for (std::size_t card = 0; card < 52; ++card)
                    if (cards[card] == Seats[seat]) {
                        std::string& holding = suits[card / 13];
                        holding += (holding.empty() ? "" : " ") + std::string(Ranks[card % 13]);
                    }
                for (std::string& holding : suits)
                    if (holding.empty()) holding = "-";
                EXPECT_EQ(slips[Slip(board, seat)], suits)
                    << "board " << board << " seat " << SeatNames[seat];
            }
        }
        EXPECT_EQ(slips[Slip(1, 0)][0], "A K Q J 10 9 8 7 6 5 4 3 2") << "a whole suit on one line";
        EXPECT_EQ(slips[Slip(1, 0)][1], "-") << "a void";
    }
}

}  // namespace
}  // namespace quorvex
