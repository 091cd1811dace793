// The order of the cards on a duplication sheet: the ranks from the ace to the two, the
// suits' lines spades, hearts, diamonds, clubs, and under each rank the seat dealt it.
#include "formats/dealing_sheet_writer.h"

#include <gtest/gtest.h>

#include <regex>

#include "conversion_fixture.h"

namespace quorvex {
namespace {

using testing::ConversionFolder;

// Each table line of the document's first board as the texts of its cells.
std::vector<std::vector<std::string>> firstBoardRows(const std::string& html) {
    const std::size_t start = html.find("<table"), end = html.find("</table>");
    const std::string table = html.substr(start, end - start);
    std::vector<std::vector<std::string>> rows;
    const std::regex row("<tr>(.*?)</tr>"), cell("<t[hd][^>]*>(.*?)</t[hd]>");
    for (std::sregex_iterator r(table.begin(), table.end(), row), last; r != last; ++r) {
        const std::string cells = (*r)[1];
        rows.emplace_back();
        for (std::sregex_iterator c(cells.begin(), cells.end(), cell); c != last; ++c)
            rows.back().push_back((*c)[1]);
    }
    return rows;
}

std::vector<std::string> letters(std::string_view seats) {
    std::vector<std::string> cells;
    for (const char seat : seats) cells.emplace_back(1, seat);
    return cells;
}

TEST(DealingSheet, EachSuitsLineGivesTheSeatOfEveryRankFromTheAceDown) {
    const struct {
        const char* deal;
        const std::string& line;
        std::array<const char*, 4> suits;  // seats of A K Q J 10 .. 2 in each suit
    } cases[] = {
        {"one suit each",
         testing::OneSuitEachDeal,
         {"NNNNNNNNNNNNN", "EEEEEEEEEEEEE", "SSSSSSSSSSSSS", "WWWWWWWWWWWWW"}},
        {"round robin",
         testing::RoundRobinDeal,
         {"NESWNESWNESWN", "ESWNESWNESWNE", "SWNESWNESWNES", "WNESWNESWNESW"}},
        {"one void each",
         testing::OneVoidEachDeal,
         {"EEEESSSSWWWWW", "NNNNNSSSSWWWW", "NNNNEEEEEWWWW", "NNNNEEEESSSSS"}},
    };
    const std::array<const char*, 4> symbols = {"&spades;", "&hearts;", "&diams;", "&clubs;"};
    for (const auto& c : cases) {
        ConversionFolder folder;
        folder.writeMainDeal("1 1  1", {c.line});
        StagedFiles files;
        writeDealingSheetFiles(folder.settings, files);
        files.publish();
        const std::vector<std::vector<std::string>> rows = firstBoardRows(folder.read("QVW-01-dealing.html"));
        ASSERT_EQ(rows.size(), 5u) << c.deal;
        EXPECT_EQ(rows[0], (std::vector<std::string>{"", "A", "K", "Q", "J", "10", "9", "8", "7", "6", "5",
                                                     "4", "3", "2"}))
            << c.deal;
        for (std::size_t suit = 0; suit < 4; ++suit) {
            const std::vector<std::string>& row = rows[suit + 1];
            ASSERT_EQ(row.size(), 14u) << c.deal;
            EXPECT_NE(row[0].find(symbols[suit]), std::string::npos) << c.deal << " suit " << suit;
            EXPECT_EQ(std::vector<std::string>(row.begin() + 1, row.end()), letters(c.suits[suit]))
                << c.deal << " suit " << suit;
        }
    }
}

TEST(DealingSheet, EveryBoardHasItsNumberDealerAndVulnerability) {
    ConversionFolder folder;
    folder.writeMainDeal("1 17  4", std::vector<std::string>(17, testing::RoundRobinDeal));
    folder.settings.mainDealFile = folder.settings.programFolder + "/T.qvw";
    folder.settings.identityText = "Club <Night>";  // an event's name, as convert takes it
    StagedFiles files;
    writeDealingSheetFiles(folder.settings, files);
    files.publish();
    const std::string html = folder.read("QVW-04-dealing.html");
    EXPECT_NE(html.find("<title>Duplication sheet &ndash; Club &lt;Night&gt; &ndash; Set 4 &ndash; "),
              std::string::npos);
    for (const char* head :
         {"Board 1</span> Dealer North &middot; Vul None<", "Board 8</span> Dealer West &middot; Vul None<",
          "Board 13</span> Dealer North &middot; Vul All<",
          "Board 17</span> Dealer North &middot; Vul None<"})
        EXPECT_NE(html.find(head), std::string::npos) << head;
}

}  // namespace
}  // namespace quorvex
