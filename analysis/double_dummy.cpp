#include "analysis/double_dummy.h"

#include <dds/dll.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "common/interrupt_cleanup.h"
#include "engine/board_rotation.h"

namespace quorvex {

namespace {

// The most tables the library solves in one call, from its own header.
constexpr std::size_t LibraryTablesPerCall = MAXNOOFTABLES;
static_assert(LibraryTablesPerCall >= 4, "batches of a few tables per call");

// A table's typical solving time on one core of a desktop computer of the last decade.
constexpr std::chrono::milliseconds TableTimeOnOneCore{500};

std::size_t coreCount() { return std::max(1u, std::thread::hardware_concurrency()); }

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

// The library lists strains spades, hearts, diamonds, clubs, no trump: its strain of each
// Denomination.
constexpr std::array<std::size_t, DenominationCount> LibraryStrains = {4, 0, 1, 2, 3};

DoubleDummyTable tableOf(const ddTableResults& results, unsigned boardNumber) {
    DoubleDummyTable table;
    for (std::size_t hand = 0; hand < HandCount; ++hand)
        for (std::size_t d = 0; d < DenominationCount; ++d)
            table.tricks[hand][d] = static_cast<std::uint8_t>(results.resTable[LibraryStrains[d]][hand]);
    setPar(table, boardNumber);
    return table;
}

}  // namespace

void checkDoubleDummyAvailable() {}

void setPar(DoubleDummyTable& table, unsigned boardNumber) {
    ddTableResults tricks{};
    for (std::size_t hand = 0; hand < HandCount; ++hand)
        for (std::size_t d = 0; d < DenominationCount; ++d)
            tricks.resTable[LibraryStrains[d]][hand] = table.tricks[hand][d];
    parResultsDealer par{};
    check(DealerPar(&tricks, &par, static_cast<int>(dealerOfBoard(boardNumber)),
                    libraryVulnerability(vulnerabilityOfBoard(boardNumber))));
    table.parScore = par.score;
    table.parContracts.clear();
    for (int i = 0; i < par.number; ++i) table.parContracts.emplace_back(par.contracts[i]);
}

std::size_t doubleDummyBatchSize() {
    return std::clamp<std::size_t>(2 * coreCount(), 4, LibraryTablesPerCall);
}

std::chrono::seconds estimatedDoubleDummyTime(std::size_t boards) {
    return std::chrono::ceil<std::chrono::seconds>(TableTimeOnOneCore * boards / coreCount());
}

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
    const std::size_t batchSize = doubleDummyBatchSize();
    beginProgress(progress, "Boards solved", boards.size());
    while (tables.size() < boards.size()) {
        if (progress && progress->cancelRequested()) throw EWorkCancelled();
        const std::span<const DoubleDummyBoard> batch =
            boards.subspan(tables.size(), std::min(batchSize, boards.size() - tables.size()));
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
