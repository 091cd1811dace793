// Cost of turning one valid deal number into its board line, the per-board work of a
// generation run besides drawing the number.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/board_line.h"
#include "engine/deal_numbering.h"

namespace {

using namespace quorvex;

// Uniform valid numbers, so that the branch pattern is that of real runs.
std::vector<MpInt> randomDealNumbers(std::size_t count) {
    std::mt19937_64 rng(1);
    std::vector<MpInt> numbers;
    while (numbers.size() < count) {
        MpInt number;
        for (auto& byte : number.bytes) byte = static_cast<std::uint8_t>(rng());
        if (isValidHandNumber(number)) numbers.push_back(number);
    }
    return numbers;
}

void BM_DealNumberToInternalDeal(benchmark::State& state) {
    const std::vector<MpInt> numbers = randomDealNumbers(4096);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dealNumberToInternalDeal(numbers[i++ % numbers.size()]));
    }
}
BENCHMARK(BM_DealNumberToInternalDeal);

void BM_InternalDealToByHand(benchmark::State& state) {
    std::vector<InternalDeal> internals;
    for (const MpInt& number : randomDealNumbers(4096)) internals.push_back(dealNumberToInternalDeal(number));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(internalDealToByHand(internals[i++ % internals.size()]));
    }
}
BENCHMARK(BM_InternalDealToByHand);

void BM_NumberToBoardLine(benchmark::State& state) {
    const std::vector<MpInt> numbers = randomDealNumbers(4096);
    char line[BoardLineLength];
    std::size_t i = 0;
    for (auto _ : state) {
        const ByHandDeal deal = internalDealToByHand(dealNumberToInternalDeal(numbers[i++ % numbers.size()]));
        formatBoardLine(deal, line);
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(BM_NumberToBoardLine);

}  // namespace
