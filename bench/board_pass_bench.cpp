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

// Writes each board's record as the writers do, into a block started again once it passes
// 64 KiB.
template <class Write>
void writeRecords(benchmark::State& state, std::size_t room, Write write) {
    std::vector<char> block((1 << 16) + room);
    for (auto _ : state) {
        char* at = block.data();
        for (std::size_t board = 0; board < boards().size(); ++board) {
            at = write(board, boards()[board], at);
            if (at >= block.data() + (1 << 16)) at = block.data();
        }
    }
    benchmark::DoNotOptimize(block.data());
    state.SetItemsProcessed(state.iterations() * Boards);
}

void BM_DupRecord(benchmark::State& state) {
    writeRecords(state, DupRecordLength, [](std::size_t, const ValidBoardLine& board, char* at) {
        return writeDupRecord(board, 1000, at);
    });
}
BENCHMARK(BM_DupRecord);

void BM_BriRecord(benchmark::State& state) {
    writeRecords(state, BriDgeRecordLength, [](std::size_t, const ValidBoardLine& board, char* at) {
        return writeBriRecord(board, at);
    });
}
BENCHMARK(BM_BriRecord);

void BM_DgeRecord(benchmark::State& state) {
    writeRecords(state, BriDgeRecordLength, [](std::size_t, const ValidBoardLine& board, char* at) {
        return writeDgeRecord(board, at);
    });
}
BENCHMARK(BM_DgeRecord);

void BM_DeepFinesseLines(benchmark::State& state) {
    writeRecords(state, DeepFinesseBoardLinesRoom,
                 [](std::size_t index, const ValidBoardLine& board, char* at) {
                     return writeDeepFinesseBoardLines(static_cast<unsigned>(index % 1000 + 1), board, at);
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
