// The yardstick of the double-dummy benchmark: the boards of a main deal file solved by
// calling the DDS library's batch function directly, as many tables per call as the
// library takes, with par for each board's dealer and vulnerability - what a run with
// double dummy asks of the library, without anything of the program around it.
// Usage: dds_direct FILE.qvw
#include <dds/dll.h>

#include <cstdio>
#include <memory>

#include "engine/board_rotation.h"
#include "formats/readers/deal_file_reader.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dds_direct FILE.qvw\n");
        return 2;
    }
    const quorvex::DealFile file = quorvex::readDealFile(argv[1]);
    SetMaxThreads(0);
    auto deals = std::make_unique<ddTableDeals>();
    auto results = std::make_unique<ddTablesRes>();
    auto pars = std::make_unique<allParResults>();
    int allDenominations[DDS_STRAINS] = {0, 0, 0, 0, 0};
    constexpr int vulnerabilityCodes[4] = {0, 2, 3, 1};  // the library's: none, both, NS, EW
    long parTotal = 0;
    for (std::size_t first = 0; first < file.boards.size(); first += MAXNOOFTABLES) {
        const std::size_t count = std::min<std::size_t>(MAXNOOFTABLES, file.boards.size() - first);
        deals->noOfTables = static_cast<int>(count);
        for (std::size_t i = 0; i < count; ++i) {
            deals->deals[i] = {};
            const quorvex::ByHandDeal& deal = file.boards[first + i].deal;
            for (std::size_t field = 0; field < deal.size(); ++field)
                deals->deals[i].cards[field / 13][(deal[field] - 1) / 13] |= 1u
                                                                             << (14 - (deal[field] - 1) % 13);
        }
        if (CalcAllTables(deals.get(), -1, allDenominations, results.get(), pars.get()) != RETURN_NO_FAULT)
            return 1;
        for (std::size_t i = 0; i < count; ++i) {
            const unsigned number = file.boards[first + i].number;
            parResultsDealer par{};
            if (DealerPar(&results->results[i], &par, static_cast<int>(quorvex::dealerOfBoard(number)),
                          vulnerabilityCodes[quorvex::vulnerabilityOfBoard(number)]) != RETURN_NO_FAULT)
                return 1;
            parTotal += par.score;
        }
    }
    std::printf("%zu boards solved, par total %ld\n", file.boards.size(), parTotal);
    return 0;
}
