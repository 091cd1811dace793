#include "analysis/double_dummy.h"

#include <dds/dll.h>
#include <gtest/gtest.h>

#include "pbn_deal.h"

namespace quorvex {
namespace {

using testing::boardLineFromPbn;

DoubleDummyBoard boardOf(std::string_view pbnDeal, unsigned boardNumber = 1) {
    const std::string line = boardLineFromPbn(pbnDeal);
    DoubleDummyBoard board;
    for (std::size_t field = 0; field < CardsPerDeal; ++field)
        board.cards[field] = static_cast<std::uint8_t>(std::stoi(line.substr(2 * field, 2)));
    board.boardNumber = boardNumber;
    return board;
}

DoubleDummyTable solvedAlone(std::string_view pbnDeal, unsigned boardNumber = 1) {
    const DoubleDummyBoard board = boardOf(pbnDeal, boardNumber);
    return solveDoubleDummy(std::span(&board, 1)).at(0);
}

// Declarers N, S, E, W, each in NT, S, H, D, C, one hexadecimal digit per result.
std::string tricksInTableOrder(const DoubleDummyTable& table) {
    std::string digits;
    for (const Hand declarer : {North, South, East, West})
        for (const std::uint8_t tricks : table.tricks[declarer]) digits += "0123456789abcd"[tricks];
    return digits;
}

TEST(DoubleDummy, PublishedDealGivesItsPublishedTricksAndPar) {
    const DoubleDummyTable table =
        solvedAlone("N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94");
    EXPECT_EQ(tricksInTableOrder(table), "89967899674347643476");
    EXPECT_EQ(table.parScore, 140);
    EXPECT_EQ(table.parContracts, (std::vector<std::string>{"2S-NS+1", "2H-NS+1"}));
}

// Each owner of a whole suit takes all 13 tricks with it as trumps, and nobody takes a
// trick in no trump: the hand on declarer's left runs its suit at once.
TEST(DoubleDummy, FourSuitsDealGivesEachOwnerHisSuit) {
    const DoubleDummyTable table =
        solvedAlone("N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432");
    for (const Hand owner : {North, East, South, West}) {
        EXPECT_EQ(table.tricks[owner][trumpsOf(static_cast<Suit>(owner))], 13) << HandLetters[owner];
        EXPECT_EQ(table.tricks[owner][NoTrump], 0) << HandLetters[owner];
    }
}

// One hand holds every ace, king and queen and the jack of spades: his side takes all 13
// tricks at no trump (at a suit an opponent's fourth trump may score), and the par is
// seven no trump, scored by the
// vulnerability of boards 1 to 4 (none, North-South, East-West, both).
TEST(DoubleDummy, AllTopCardsInOneHandMakeSevenNoTrumpParOnEachVulnerability) {
    struct Case {
        const char* deal;
        Hand owner;
        int pars[4];
        const char* contract;
    };
    const Case cases[] = {
        {"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT9.JT9 765.765.8765.876 432.432.432.5432",
         North,
         {1520, 2220, 1520, 2220},
         "7N-NS"},
        {"E:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT9.JT9 765.765.8765.876 432.432.432.5432",
         East,
         {-1520, -1520, -2220, -2220},
         "7N-EW"},
    };
    for (const Case& c : cases) {
        for (unsigned board = 1; board <= 4; ++board) {
            const DoubleDummyTable table = solvedAlone(c.deal, board);
            for (const Hand declarer : {North, East, South, West})
                EXPECT_EQ(table.tricks[declarer][NoTrump], declarer % 2 == c.owner % 2 ? 13 : 0)
                    << c.deal << " declarer " << HandLetters[declarer];
            EXPECT_EQ(table.parScore, c.pars[board - 1]) << c.deal << " board " << board;
            EXPECT_EQ(table.parContracts, std::vector<std::string>{c.contract})
                << c.deal << " board " << board;
        }
    }
}

// The library reads these deals from their PBN text itself, each starting with another
// seat; our tables must match it declarer by declarer, which fails for any rotated or
// transposed mapping of seats or denominations.
TEST(DoubleDummy, TablesMatchTheLibrarysOwnReadingOfThePbnDeal) {
    const char* const deals[] = {
        "E:A643.KJT8.92.AK3 2.653.QJT7.T9842 KQ97.Q9.AK54.J75 JT85.A742.863.Q6",
        "S:AK862.T652.T7.KQ Q7.K3.AQ2.965432 9543.QJ984.83.J7 JT.A7.KJ9654.AT8",
        "W:A3.J76.K7.AKT654 Q62.AKQ42.A865.3 K8754.53.J932.87 JT9.T98.QT4.QJ92",
    };
    std::vector<DoubleDummyBoard> boards;
    for (const char* deal : deals) boards.push_back(boardOf(deal));
    const std::vector<DoubleDummyTable> tables = solveDoubleDummy(boards);
    ASSERT_EQ(tables.size(), std::size(deals));
    for (std::size_t i = 0; i < tables.size(); ++i) {
        ddTableDealPBN deal{};
        std::snprintf(deal.cards, sizeof deal.cards, "%s", deals[i]);
        ddTableResults library{};
        ASSERT_EQ(CalcDDtablePBN(deal, &library), RETURN_NO_FAULT);
        for (std::size_t hand = 0; hand < HandCount; ++hand) {
            EXPECT_EQ(tables[i].tricks[hand][NoTrump], library.resTable[4][hand]) << deals[i];
            for (std::size_t suit = 0; suit < SuitCount; ++suit)
                EXPECT_EQ(tables[i].tricks[hand][trumpsOf(static_cast<Suit>(suit))],
                          library.resTable[suit][hand])
                    << deals[i] << " hand " << hand << " suit " << suit;
        }
    }
}

TEST(DoubleDummy, CountsTheBoardsSolvedAndStopsWhenCancelled) {
    const std::vector<DoubleDummyBoard> boards(
        DoubleDummyBatchSize + 1,
        boardOf("N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT9.JT9 765.765.8765.876 432.432.432.5432"));
    WorkProgress progress;
    EXPECT_EQ(solveDoubleDummy(boards, &progress).size(), boards.size());
    const WorkProgress::Snapshot done = progress.snapshot();
    EXPECT_EQ(done.activity, "Boards solved");
    EXPECT_EQ(done.done, boards.size());
    EXPECT_EQ(done.total, boards.size());

    progress.cancel();
    EXPECT_THROW(solveDoubleDummy(boards, &progress), EWorkCancelled);
    EXPECT_EQ(progress.snapshot().done, 0u) << "no batch solved after the cancel";
}

}  // namespace
}  // namespace quorvex
