// What one pass over the boards costs per board in memory, with no file in the way: checking
// a board line, each writer's record of it, and the analysis's count. The conversion of a
// run is these plus reading and writing the files.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "analysis/board_analysis.h"
#include "formats/bri_dge_writers.h"
#include "formats/deep_finesse_writer.h"
#include "formats/dup_writer.h"
#include "random_board_lines.h"

namespace {

using namespace quorvex;

constexpr int Boards = 10000;

const std::vector<std::string>& lines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> made;
        bench::forRandomBoardLines(Boards, [&made](const std::string& line) { made.push_back(line); });
        return made;
    }();
    return lines;
}

const std::vector<ValidBoardLine>& boards() {
    static const std::vector<ValidBoardLine> boards(lines().begin(), lines().end());
    return boards;
}

void BM_CheckBoardLine(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& line : lines()) benchmark::DoNotOptimize(ValidBoardLine(line));
    state.SetItemsProcessed(state.iterations() * Boards);
}
BENCHMARK(BM_CheckBoardLine);

// Appends each board's record as the writers do, into a block emptied once it passes 64 KiB.
template <class Append>
void appendRecords(benchmark::State& state, Append append) {
    std::string block;
    for (auto _ : state)
        for (std::size_t board = 0; board < boards().size(); ++board) {
            append(board, boards()[board], block);
            if (block.size() >= 1 << 16) block.clear();
        }
    benchmark::DoNotOptimize(block.data());
    state.SetItemsProcessed(state.iterations() * Boards);
}

void BM_DupRecord(benchmark::State& state) {
    appendRecords(state, [](std::size_t, const ValidBoardLine& board, std::string& out) {
        appendDupRecord(board, 1000, out);
    });
}
BENCHMARK(BM_DupRecord);

void BM_BriRecord(benchmark::State& state) {
    appendRecords(state, [](std::size_t, const ValidBoardLine& board, std::string& out) {
        appendBriRecord(board, out);
    });
}
BENCHMARK(BM_BriRecord);

void BM_DgeRecord(benchmark::State& state) {
    appendRecords(state, [](std::size_t, const ValidBoardLine& board, std::string& out) {
        appendDgeRecord(board, out);
    });
}
BENCHMARK(BM_DgeRecord);

void BM_DeepFinesseLines(benchmark::State& state) {
    appendRecords(state, [](std::size_t index, const ValidBoardLine& board, std::string& out) {
        appendDeepFinesseBoardLines(static_cast<unsigned>(index % 1000 + 1), board, out);
    });
}
BENCHMARK(BM_DeepFinesseLines);

void BM_TallyBoard(benchmark::State& state) {
    BoardTally tally;
    for (auto _ : state)
        for (const ValidBoardLine& board : boards()) tally.add(board);
    benchmark::DoNotOptimize(tally.result());
    state.SetItemsProcessed(state.iterations() * Boards);
}
BENCHMARK(BM_TallyBoard);

}  // namespace
