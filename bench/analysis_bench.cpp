// Speed of the board analysis over a main deal file of 1,000,000 random boards, and of
// building the report from its totals.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>

#include "analysis/analysis_report.h"
#include "analysis/board_analysis.h"
#include "random_board_lines.h"

namespace {

using namespace quorvex;

constexpr int MillionBoards = 1000000;

std::string writeRandomMainDealFile(int boards) {
    const std::string path = (std::filesystem::temp_directory_path() / "quorvex-analysis-bench.qvw").string();
    std::ofstream file(path, std::ios::binary);
    file << "1000 1000  1\r\n";
    bench::forRandomBoardLines(boards, [&file](const std::string& line) { file << line << "\r\n"; });
    return path;
}

void BM_AnalyseMillionBoards(benchmark::State& state) {
    const std::string path = writeRandomMainDealFile(MillionBoards);
    for (auto _ : state) benchmark::DoNotOptimize(DoSetAnalysis(path));
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * MillionBoards);
}
BENCHMARK(BM_AnalyseMillionBoards)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Report(benchmark::State& state) {
    AnalysisResult result;
    result.BoardsAnalysed = MillionBoards;
    std::mt19937 random(7);
    for (std::uint32_t& count : result.totals.ShapeCount) count = random() % 1000000;
    for (std::uint32_t& count : result.totals.LengthCount) count = random() % 4000000;
    for (auto _ : state) benchmark::DoNotOptimize(AddToMemo(result, "Bench", '.'));
}
BENCHMARK(BM_Report)->Unit(benchmark::kMicrosecond);

}  // namespace
