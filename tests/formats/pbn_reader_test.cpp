// PBN files as other programs write them: import as well as export format.
#include "formats/readers/pbn_reader.h"

#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/deal_file_reader.h"

namespace quorvex {
namespace {

using testing::failureOf;

// The deal of the published double-dummy example, as North's hand first.
ByHandDeal example() {
    const DealFile file = readPbnFile(
        "e.pbn", "[Deal \"N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94\"]\n");
    return file.boards.at(0).deal;
}

TEST(ReadPbnFile, ReadsTheHandsOfTheDealTagIntoTheirSeats) {
    const ByHandDeal deal = example();
    // North: spades A 7 6 4 = cards 1, 8, 9, 11; hearts A K 4 = 14, 15, 24; diamonds A 8 = 27, 33;
    // clubs J 8 3 2 = 43, 46, 51, 52.
    const ByHandDeal::value_type north[13] = {1, 8, 9, 11, 14, 15, 24, 27, 33, 43, 46, 51, 52};
    EXPECT_TRUE(std::equal(north, north + 13, deal.begin()));
    // West: spades T 3 = 5, 12; hearts J T 5 = 17, 18, 23; diamonds J 7 6 2 = 30, 34, 35, 39;
    // clubs A K 9 4 = 40, 41, 45, 50.
    const ByHandDeal::value_type west[13] = {5, 12, 17, 18, 23, 30, 34, 35, 39, 40, 41, 45, 50};
    EXPECT_TRUE(std::equal(west, west + 13, deal.begin() + 39));
}

// A file in import format as another program writes it: LF line ends, comments of every
// kind, tags in any order, unknown tags and sections, "#" copies, any first seat.
const char* const OtherProgram =
    "% PBN 2.0\n"
    "%Creator: SomeScorer 3.1\n"
    "[Event \"Club pairs\"]\n"
    "[Site \"Town hall\"] ; where we play\n"
    "{ A commentary { that spans\n"
    "  two lines, with [Deal \"N:-\"] inside }\n"
    "[Vulnerable \"None\"]\n"
    "[Dealer \"N\"]\n"
    "[Deal \"W:T3.JT5.J762.AK94 A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6\"]\n"
    "[Board \"1\"]\n"
    "[Auction \"N\"]\n"
    "1C Pass 1S Pass\n"
    "[Note \"1:artificial\"]\n"
    "\n"
    "[Event \"#\"]\n"
    "[Board \"2\"]\n"
    "[Dealer \"E\"]\n"
    "[Vulnerable \"NS\"]\n"
    "[Deal \"E:85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94 A764.AK4.A8.J832\"]\n"
    "[Site \"Town \\\"hall\\\"\"]\n"
    "\n"
    "\n"
    "[Board \"3\"]\n"
    "[Deal \"S:KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94 A764.AK4.A8.J832 85.Q62.KT954.T75\"]\n";

TEST(ReadPbnFile, ReadsImportFormatAsOtherProgramsWriteIt) {
    const DealFile file = readPbnFile("club.pbn", OtherProgram);
    ASSERT_EQ(file.boards.size(), 3u);
    for (unsigned b = 0; b < 3; ++b) {
        EXPECT_EQ(file.boards[b].number, b + 1);
        EXPECT_EQ(file.boards[b].deal, example()) << "board " << b + 1;
    }
    EXPECT_EQ(file.boards[1].dealer, std::optional<Hand>(East));
    EXPECT_EQ(file.boards[1].vulnerable, std::optional<Vulnerability>(NorthSouthVulnerable));
    EXPECT_FALSE(file.boards[2].dealer.has_value());
    EXPECT_EQ(file.event, "Club pairs");
    EXPECT_EQ(file.date, "");
    EXPECT_FALSE(file.boards[2].vulnerable.has_value());
}

TEST(ReadPbnFile, CrLfLineEndsAndImportSpellingsOfVulnerabilityAreRead) {
    const DealFile file =
        readPbnFile("x.pbn",
                    "[Board \"7\"]\r\n[Vulnerable \"Both\"]\r\n[Deal \"N:A764.AK4.A8.J832 85.Q62.KT954.T75 "
                    "KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94\"]\r\n\r\n[Vulnerable \"Love\"]\r\n[Deal \"#\"]\r\n");
    ASSERT_EQ(file.boards.size(), 2u);
    EXPECT_EQ(file.boards[0].number, 7u);
    EXPECT_EQ(file.boards[0].vulnerable, std::optional<Vulnerability>(BothVulnerable));
    EXPECT_EQ(file.boards[1].number, 2u);  // no Board tag: its place among the games
    EXPECT_EQ(file.boards[1].vulnerable, std::optional<Vulnerability>(NoneVulnerable));
    EXPECT_EQ(file.boards[1].deal, file.boards[0].deal);
}

TEST(ReadPbnFile, RanksInLowerCaseAndTheTenAs10AreReadAsOtherProgramsWriteThem) {
    for (const char* deal : {"N:a764.ak4.a8.j832 85.q62.kt954.t75 kqj92.9873.q3.q6 t3.jt5.j762.ak94",
                             "N:A764.AK4.A8.J832 85.Q62.K10954.1075 KQJ92.9873.Q3.Q6 103.J105.J762.AK94",
                             "N:A764.Ak4.A8.J832 85.Q62.k10954.t75 KQJ92.9873.q3.Q6 T3.j105.J762.AK94"}) {
        const DealFile file = readPbnFile("x.pbn", "[Deal \"" + std::string(deal) + "\"]\n");
        ASSERT_EQ(file.boards.size(), 1u);
        EXPECT_EQ(file.boards[0].deal, example()) << deal;
    }
}

TEST(ReadPbnFile, TakesTheDoubleDummyTagsOnlyWhenAllAreThereAndWellFormed) {
    const std::string deal =
        "[Deal \"N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94\"]\n";
    const std::string tricks = "[DoubleDummyTricks \"89967899674347643476\"]\n";
    const std::string score = "[OptimumScore \"NS 140\"]\n";
    const std::string par = "[ParContract \"2S-NS+1, 2H-NS+1\"]\n";
    const DealFile file = readPbnFile("d.pbn", deal + tricks + score + par);
    const std::optional<DoubleDummyTable>& table = file.boards.at(0).doubleDummy;
    ASSERT_TRUE(table.has_value());
    // Declarers N, S, E, W in the tag; the table keeps them by hand.
    EXPECT_EQ(table->tricks[North], (std::array<std::uint8_t, 5>{8, 9, 9, 6, 7}));
    EXPECT_EQ(table->tricks[South], (std::array<std::uint8_t, 5>{8, 9, 9, 6, 7}));
    EXPECT_EQ(table->tricks[East], (std::array<std::uint8_t, 5>{4, 3, 4, 7, 6}));
    EXPECT_EQ(table->parScore, 140);
    EXPECT_EQ(table->parContracts, (std::vector<std::string>{"2S-NS+1", "2H-NS+1"}));
    EXPECT_EQ(readPbnFile("d.pbn", deal + tricks + "[OptimumScore \"EW 620\"]\n" + "[ParContract \"\"]\n")
                  .boards.at(0)
                  .doubleDummy->parScore,
              -620);

    for (const std::string& incomplete :
         {deal + tricks + score, deal + score + par,
          deal + "[DoubleDummyTricks \"8996789967434764347\"]\n" + score + par,
          deal + "[DoubleDummyTricks \"e9967899674347643476\"]\n" + score + par,
          deal + tricks + "[OptimumScore \"140\"]\n" + par,
          deal + tricks + "[OptimumScore \"NS 1x\"]\n" + par})
        EXPECT_FALSE(readPbnFile("d.pbn", incomplete).boards.at(0).doubleDummy.has_value()) << incomplete;
}

TEST(ReadPbnFile, RefusesWhatCannotBeDealtNamingTheBoard) {
    const std::string hands = "A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94";
    const auto game = [](const std::string& deal, const std::string& more = "") {
        return "[Board \"4\"]\n" + more + "[Deal \"" + deal + "\"]\n";
    };
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {game("N:A764.AK4.A8.J832 - KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94"),
         "p.pbn: board 4: East's hand is missing (\"-\")"},
        {game("N:A764.AK4.A8.J83 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94"),
         "p.pbn: board 4: North holds 12 cards, not 13"},
        {game("N:A764.AK4.A8.J832 85.Q62.KT954.T752 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94"),
         "p.pbn: board 4: the 2 of clubs appears twice"},
        {game("N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6"),
         "p.pbn: board 4: the Deal gives no hand for West"},
        {game("N:A764.AK4.A8.J832 85.Q62.K1954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94"),
         "p.pbn: board 4: '1' in East's hand is no rank letter"},
        {game("X:" + hands), "p.pbn: board 4: The Deal's first seat \"X\" is no seat"},
        {game("N:" + hands, "[Vulnerable \"Some\"]\n"), "p.pbn: board 4: Vulnerable \"Some\" is none of"},
        {game("N:" + hands, "[Dealer \"North\"]\n"), "p.pbn: board 4: Dealer \"North\" is no seat"},
        {"[Board \"4\"]\n[Event \"\"]\n", "p.pbn: board 4: the game has no Deal tag"},
        {game("N:" + hands) + "\n" + game("N:" + hands), "p.pbn: board 4: the board number appears twice"},
        {"[Board \"0\"]\n[Deal \"N:" + hands + "\"]\n",
         "p.pbn: the game at line 1: Board \"0\" is no board number"},
        {"[Board \"4\"\n", "p.pbn: line 1: the tag Board is not closed"},
        {"[Board \"4\"]\n[Board \"5\"]\n", "p.pbn: line 2: the tag Board appears twice in one game"},
        {"[Board \"4]\n", "p.pbn: line 1: the value of the tag Board is not closed"},
        {"{ never closed\n", "p.pbn: line 1: a comment \"{\" is never closed"},
        {"% only comments\n", "p.pbn: the file holds no game"},
        {"[Deal \"#\"]\n", "p.pbn: line 1: the tag Deal says \"#\" but the game before has no such tag"},
    };
    for (const auto& c : cases) {
        const std::string error = failureOf<DealFileError>([&] { readDealFileBytes("p.pbn", c.text); });
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace quorvex
