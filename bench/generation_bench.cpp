// Speed of dealing: one board (draw until valid + unrank + board line) against the digests it
// consumes, and a whole run of 1,000,000 boards written to the main deal file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "engine/board_line.h"
#include "engine/deal_numbering.h"
#include "engine/deal_stream.h"
#include "engine/main_deal_file.h"

namespace {

using namespace quorvex;

HashClass ripemd160() {
    registerHashClasses();
    return FindHashClass("THash_RipeMD160");
}

// Reports digests per board so the board cost can be compared with the digest cost.
void BM_OneBoard(benchmark::State& state) {
    const HashClass cls = ripemd160();
    DealStream stream;
    stream.seed(cls, "YourID", "1234567890");
    char line[BoardLineLength];
    for (auto _ : state) {
        const ByHandDeal deal = internalDealToByHand(dealNumberToInternalDeal(stream.nextDealNumber(cls)));
        formatBoardLine(deal, line);
        benchmark::DoNotOptimize(line);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["digests_per_board"] =
        static_cast<double>(stream.drawCounter()) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_OneBoard);

void BM_MillionBoardsToMainDealFile(benchmark::State& state) {
    const HashClass cls = ripemd160();
    const std::string path = (std::filesystem::temp_directory_path() / "quorvex-bench.qvw").string();
    for (auto _ : state) {
        DealStream stream;
        stream.seed(cls, "YourID", "1234567890");
        writeMainDealFile(path, {1000, 1000, 1}, 1000000, stream, cls);
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_MillionBoardsToMainDealFile)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
