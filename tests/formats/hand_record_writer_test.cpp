// The double-dummy parts of a hand record in players' words: the par contracts and the
// line of makeable contracts, read as the browser shows them (tags dropped, references
// replaced by their characters).
#include "formats/hand_record_writer.h"

#include <gtest/gtest.h>

#include <map>

#include "formats/par_contract.h"
#include "test_deals.h"

namespace quorvex {
namespace {

std::string shownText(std::string_view html) {
    static const std::map<std::string, std::string> References = {
        {"&spades;", "\u2660"}, {"&hearts;", "\u2665"}, {"&diams;", "\u2666"}, {"&clubs;", "\u2663"},
        {"&times;", "\u00d7"},  {"&minus;", "\u2212"},  {"&ndash;", "\u2013"}, {"&amp;", "&"}};
    std::string text;
    for (std::size_t at = 0; at < html.size();) {
        if (html[at] == '<') {
            const std::size_t end = html.find('>', at);
            // A block ends a line on the screen.
            if (html.compare(at, 5, "</div") == 0 && !text.empty() && text.back() != '\n') text += '\n';
            at = end + 1;
        } else if (html[at] == '&') {
            const std::size_t end = html.find(';', at);
            text += References.at(std::string(html.substr(at, end + 1 - at)));
            at = end + 1;
        } else {
            text += html[at++];
        }
    }
    return text;
}

DoubleDummyTable tableWithPar(int score, std::vector<std::string> contracts) {
    DoubleDummyTable table;
    table.parScore = score;
    table.parContracts = std::move(contracts);
    return table;
}

std::string shownBoard(const DoubleDummyTable& table) {
    return shownText(handRecordBoard(1, ValidBoardLine(testing::OneSuitEachDeal), &table));
}

TEST(HandRecordPar, ReadsInPlayersWords) {
    struct Row {
        const char* library;
        int parScore;  // for North-South
        const char* shown;
    };
    const Row rows[] = {
        {"4H*-NS-3", -500, "4\u2665\u00d7 by N-S, down 3 (\u2212500)"},
        {"1H-NS+1", 110, "2\u2665 by N-S (+110)"},  // two hearts making scores the same
        {"3N-EW+2", -460, "5NT by E-W (+460)"},
        {"5D*-EW-2", 300, "5\u2666\u00d7 by E-W, down 2 (\u2212300)"},
        {"2S-N+1", 140, "3\u2660 by North (+140)"},
        {"6C-W", -920, "6\u2663 by West (+920)"},
        {"7N*-NS-13", -3500, "7NT\u00d7 by N-S, down 13 (\u22123500)"},
        {"pass", 0, "Passed out"},
        // Anything else the library might write is shown as it stands.
        {"8S-NS", 0, "8S-NS"},
        {"4X-NS", 0, "4X-NS"},
        {"4S-NE", 0, "4S-NE"},
        {"4S-NS+4", 0, "4S-NS+4"},
        {"4S-NS-", 0, "4S-NS-"},
        {"4S*NS", 0, "4S*NS"},
        {"4S-NS-14", 0, "4S-NS-14"},
    };
    for (const Row& row : rows) {
        const std::string shown = shownBoard(tableWithPar(row.parScore, {row.library}));
        EXPECT_NE(shown.find(std::string("Par\n") + row.shown + "\n"), std::string::npos)
            << row.library << " in\n"
            << shown;
    }
}

TEST(HandRecordPar, SeveralContractsStandOnePerLine) {
    const std::string shown = shownBoard(tableWithPar(140, {"2S-NS+1", "2H-NS+1"}));
    EXPECT_NE(shown.find("Par\n3\u2660 by N-S (+140)\n3\u2665 by N-S (+140)\n"), std::string::npos) << shown;
}

TEST(HandRecordPar, ReadsTheLibrarysParts) {
    const std::optional<ParContract> sacrifice = readParContract("5H*-EW-2");
    ASSERT_TRUE(sacrifice);
    EXPECT_EQ(sacrifice->level, 5u);
    EXPECT_EQ(sacrifice->denomination, HeartTrumps);
    EXPECT_TRUE(sacrifice->doubled);
    EXPECT_TRUE(sacrifice->eastWest());
    EXPECT_EQ(sacrifice->result, -2);
    EXPECT_EQ(sacrifice->levelMade(), 5u);
    const std::optional<ParContract> making = readParContract("1N-S+3");
    ASSERT_TRUE(making);
    EXPECT_EQ(making->denomination, NoTrump);
    EXPECT_FALSE(making->eastWest());
    EXPECT_EQ(making->levelMade(), 4u);
}

// The highest level each side makes in each denomination, highest first; a side that
// makes nothing shows a dash.
TEST(HandRecordMakeableContracts, ListsEachSidesHighestContracts) {
    struct Row {
        std::array<std::array<std::uint8_t, DenominationCount>, HandCount> tricks;  // N E S W; NT S H D C
        const char* shown;
    };
    const Row rows[] = {
        {{{{9, 6, 10, 5, 5}, {4, 8, 3, 6, 6}, {8, 6, 9, 5, 5}, {4, 7, 3, 6, 6}}},
         "N-S: 4\u2665, 3NT; E-W: 2\u2660"},
        // The better of the two hands of a side counts; equal levels go no trump first, then by rank.
        {{{{7, 6, 6, 6, 7}, {6, 7, 7, 7, 6}, {6, 7, 6, 6, 6}, {6, 6, 6, 6, 6}}},
         "N-S: 1NT, 1\u2660, 1\u2663; E-W: 1\u2660, 1\u2665, 1\u2666"},
        {{{{13, 13, 13, 13, 13}, {0, 0, 0, 0, 0}, {13, 13, 13, 13, 13}, {0, 0, 0, 0, 0}}},
         "N-S: 7NT, 7\u2660, 7\u2665, 7\u2666, 7\u2663; E-W: \u2013"},
    };
    for (const Row& row : rows) {
        DoubleDummyTable table;
        table.tricks = row.tricks;
        const std::string shown = shownBoard(table);
        EXPECT_NE(shown.find(std::string("\n") + row.shown + "\n"), std::string::npos) << shown;
    }
}

TEST(HandRecordMakeableContracts, LeftOutWithoutDoubleDummy) {
    const std::string shown =
        shownText(handRecordBoard(1, ValidBoardLine(testing::OneSuitEachDeal), nullptr));
    EXPECT_EQ(shown.find("N-S:"), std::string::npos);
    EXPECT_EQ(shown.find("Par"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
