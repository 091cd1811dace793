// Speed of converting a main deal file of 1000 sets x 1000 random boards into each output
// format, and into all five as one Generate run does.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>

#include "formats/convert_main_deal_file.h"
#include "random_board_lines.h"

namespace {

using namespace quorvex;

constexpr int Sets = 1000;
constexpr int BoardsPerSet = 1000;

// A program folder with "Bench.qvw" and an empty output folder, removed afterwards.
class BenchFolders {
public:
    BenchFolders()
        : root_(std::filesystem::temp_directory_path() /
                ("quorvex-formats-bench-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(root_ / "out");
        std::ofstream file(root_ / "Bench.qvw", std::ios::binary);
        file << Sets << ' ' << BoardsPerSet << "  1\r\n";
        bench::forRandomBoardLines(Sets * BoardsPerSet,
                                   [&file](const std::string& line) { file << line << "\r\n"; });
    }
    ~BenchFolders() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    ConversionSettings settings() const {
        ConversionSettings settings;
        settings.formats.reset();
        settings.identityText = "Bench";
        settings.programFolder = root_.string();
        settings.outputFolder = (root_ / "out").string();
        return settings;
    }

private:
    std::filesystem::path root_;
};

// Argument: the index of one output format, or the format count for all of them.
void BM_ConvertMillionBoards(benchmark::State& state) {
    static const BenchFolders folders;
    ConversionSettings settings = folders.settings();
    const auto chosen = static_cast<std::size_t>(state.range(0));
    if (chosen < OutputFormatCount)
        settings.formats.set(chosen);
    else
        settings.formats.set();
    for (auto _ : state) benchmark::DoNotOptimize(ConvertMainDealFile(settings));
    state.SetItemsProcessed(state.iterations() * Sets * BoardsPerSet);
}
BENCHMARK(BM_ConvertMillionBoards)
    ->DenseRange(0, OutputFormatCount)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace
