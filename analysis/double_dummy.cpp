#include "analysis/double_dummy.h"

#include <dds/dll.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>

#include "common/interrupt_cleanup.h"
#include "engine/board_rotation.h"

namespace quorvex {

namespace {

// The library sizes its thread pool and memory once per process. Its threads start with
// the interrupting signals held back, as every thread but the caller's must (see
// threadWithoutInterrupts), whenever the library starts them.
void setUpLibraryThreads() {
    static std::once_flag once;
    std::call_once(once, [] {
        const InterruptsDeferred blocked;
        SetMaxThreads(0);
    });
}

void check(int code) {
    if (code == RETURN_NO_FAULT) return;
    char text[80] = {};
    ErrorMessage(code, text);
    throw EDoubleDummyError(std::string("Double-dummy analysis failed: ") + text);
}

// The library's deal: per hand and suit a bit mask of ranks, bit 14 the ace down to bit 2.
ddTableDeal libraryDeal(const DoubleDummyBoard& board) {
    ddTableDeal deal{};
    for (std::size_t field = 0; field < CardsPerDeal; ++field) {
        const int card = board.cards[field];
        deal.cards[handOfField(field)][suitOf(card)] |= 1u << (14 - rankIndexOf(card));
    }
    return deal;
}

// The library's vulnerability codes: 0 none, 1 both, 2 North-South, 3 East-West.
int libraryVulnerability(Vulnerability vulnerability) {
    constexpr std::array<int, 4> codes = {0, 2, 3, 1};
    return codes[vulnerability];
}

DoubleDummyTable tableOf(const ddTableResults& results, unsigned boardNumber) {
    DoubleDummyTable table;
    // The library lists strains spades, hearts, diamonds, clubs, no trump.
    for (std::size_t hand = 0; hand < HandCount; ++hand) {
        table.tricks[hand][NoTrump] = static_cast<std::uint8_t>(results.resTable[4][hand]);
        for (std::size_t suit = 0; suit < SuitCount; ++suit)
            table.tricks[hand][trumpsOf(static_cast<Suit>(suit))] =
                static_cast<std::uint8_t>(results.resTable[suit][hand]);
    }
    parResultsDealer par{};
    ddTableResults input = results;
    check(DealerPar(&input, &par, static_cast<int>(dealerOfBoard(boardNumber)),
                    libraryVulnerability(vulnerabilityOfBoard(boardNumber))));
    table.parScore = par.score;
    for (int i = 0; i < par.number; ++i) table.parContracts.emplace_back(par.contracts[i]);
    return table;
}

}  // namespace

void checkDoubleDummyAvailable() {}

std::vector<DoubleDummyTable> solveDoubleDummy(std::span<const DoubleDummyBoard> boards,
                                               WorkProgress* progress) {
    setUpLibraryThreads();
    std::vector<DoubleDummyTable> tables;
    tables.reserve(boards.size());
    // The library's structures hold up to 200 deals each: too large for the stack.
    auto deals = std::make_unique<ddTableDeals>();
    auto results = std::make_unique<ddTablesRes>();
    auto pars = std::make_unique<allParResults>();
    int allDenominations[DDS_STRAINS] = {0, 0, 0, 0, 0};
    constexpr int NoPar = -1;  // par is computed per board below, with its dealer
    beginProgress(progress, "Boards solved", boards.size());
    while (tables.size() < boards.size()) {
        if (progress && progress->cancelRequested()) throw EWorkCancelled();
        const std::span<const DoubleDummyBoard> batch =
            boards.subspan(tables.size(), std::min(DoubleDummyBatchSize, boards.size() - tables.size()));
        deals->noOfTables = static_cast<int>(batch.size());
        for (std::size_t i = 0; i < batch.size(); ++i) deals->deals[i] = libraryDeal(batch[i]);
        int solved;
        {
            const InterruptsDeferred blocked;  // threads the library starts for this call
            solved = CalcAllTables(deals.get(), NoPar, allDenominations, results.get(), pars.get());
        }
        check(solved);
        for (std::size_t i = 0; i < batch.size(); ++i)
            tables.push_back(tableOf(results->results[i], batch[i].boardNumber));
        advanceProgress(progress, tables.size());
    }
    return tables;
}

}  // namespace quorvex
