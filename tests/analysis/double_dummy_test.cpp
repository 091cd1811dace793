#include "analysis/double_dummy.h"

#include <dds/dll.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/board_rotation.h"
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

// One deal of the golden file: its tricks and its par for each dealer and vulnerability.
struct GoldenDeal {
    std::string deal;
    std::string tricks;  // "N:89967 E:43476 S:89967 W:43476"
    struct Par {
        Hand dealer;
        Vulnerability vulnerability;
        int score;
        std::vector<std::string> contracts;
    };
    std::vector<Par> pars;
};

std::vector<GoldenDeal> goldenDeals() {
    std::ifstream file(QUORVEX_DOUBLE_DUMMY_GOLDEN);
    std::vector<GoldenDeal> deals;
    for (std::string line; std::getline(file, line);) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "DEAL") {
            deals.emplace_back();
            std::getline(fields >> std::ws, deals.back().deal);
        } else if (kind == "TRICKS") {
            std::getline(fields >> std::ws, deals.back().tricks);
        } else if (kind == "PAR") {
            std::string dealer, vulnerable, contracts;
            GoldenDeal::Par par{};
            fields >> dealer >> vulnerable >> par.score >> contracts;
            par.dealer = static_cast<Hand>(HandLetters.find(dealer));
            par.vulnerability = static_cast<Vulnerability>(
                std::find(VulnerabilityNames.begin(), VulnerabilityNames.end(), vulnerable) -
                VulnerabilityNames.begin());
            for (std::size_t start = 0; start < contracts.size();) {
                const std::size_t end = std::min(contracts.find(',', start), contracts.size());
                par.contracts.push_back(contracts.substr(start, end - start));
                start = end + 1;
            }
            deals.back().pars.push_back(par);
        }
    }
    return deals;
}

std::string tricksLine(const DoubleDummyTable& table) {
    std::string line;
    for (const Hand hand : {North, East, South, West}) {
        line += std::string(line.empty() ? "" : " ") + HandLetters[hand] + ":";
        for (const std::uint8_t tricks : table.tricks[hand]) line += "0123456789ABCD"[tricks];
    }
    return line;
}

// The board number (1..16) that has this dealer and vulnerability.
unsigned boardWith(Hand dealer, Vulnerability vulnerability) {
    for (unsigned board = 1; board <= 16; ++board)
        if (dealerOfBoard(board) == dealer && vulnerabilityOfBoard(board) == vulnerability) return board;
    throw std::logic_error("no such board");
}

// The deals are solved together as one run would solve them; every table and every par of
// every dealer and vulnerability must be the library's own from the PBN text.
TEST(DoubleDummy, MatchesTheGoldenFileForEveryDealerAndVulnerability) {
    const std::vector<GoldenDeal> golden = goldenDeals();
    ASSERT_GE(golden.size(), 12u) << QUORVEX_DOUBLE_DUMMY_GOLDEN;
    std::vector<DoubleDummyBoard> boards;
    for (const GoldenDeal& deal : golden) boards.push_back(boardOf(deal.deal));
    const std::vector<DoubleDummyTable> tables = solveDoubleDummy(boards);
    ASSERT_EQ(tables.size(), golden.size());
    for (std::size_t i = 0; i < golden.size(); ++i) {
        EXPECT_EQ(tricksLine(tables[i]), golden[i].tricks) << golden[i].deal;
        ASSERT_EQ(golden[i].pars.size(), 16u) << golden[i].deal;
        for (const GoldenDeal::Par& par : golden[i].pars) {
            DoubleDummyTable table = tables[i];
            setPar(table, boardWith(par.dealer, par.vulnerability));
            EXPECT_EQ(table.parScore, par.score) << golden[i].deal << " dealer " << HandLetters[par.dealer]
                                                 << " vulnerable " << VulnerabilityNames[par.vulnerability];
            EXPECT_EQ(table.parContracts, par.contracts)
                << golden[i].deal << " dealer " << HandLetters[par.dealer] << " vulnerable "
                << VulnerabilityNames[par.vulnerability];
        }
    }
}

// When each side makes one no trump and nothing more, whoever deals bids it first: the par
// belongs to the dealer's side. A par worked out as if North always dealt gives North-South
// every board.
TEST(DoubleDummy, ParGoesToTheSideOfTheDealerWhenBothSidesMakeTheSameContract) {
    DoubleDummyTable table;
    for (auto& declarer : table.tricks) declarer = {7, 6, 6, 6, 6};
    for (unsigned board = 1; board <= 16; ++board) {
        setPar(table, board);
        const bool northSouthDeal = dealerOfBoard(board) == North || dealerOfBoard(board) == South;
        EXPECT_EQ(table.parScore, northSouthDeal ? 90 : -90) << "board " << board;
        EXPECT_EQ(table.parContracts, std::vector<std::string>{northSouthDeal ? "1N-NS" : "1N-EW"})
            << "board " << board;
    }
}

TEST(DoubleDummy, CountsTheBoardsSolvedAndStopsWhenCancelled) {
    const std::vector<DoubleDummyBoard> boards(
        doubleDummyBatchSize() + 1,
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
