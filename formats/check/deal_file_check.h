#pragma once
// The trust questions a director asks after dealing, answered from the files alone: can
// every file be read, is any deal there twice (within a file, across the files given,
// across sets), is any deal degenerate, do Dealer and Vulnerable follow the rotation of
// the Laws, and do the formats of one set agree with each other.
#include <cstddef>
#include <string>
#include <vector>

namespace quorvex {

struct CheckedFile {
    std::string path;
    std::size_t boards = 0;  // 0 when the file could not be read
    bool readable = false;
};

struct DealFileCheck {
    std::vector<CheckedFile> files;     // in the order given
    std::vector<std::string> problems;  // each "file: board N: what" (or "file: what")
    std::size_t distinctDeals = 0;      // across all files: one set in six formats is its boards once
    std::size_t copiesOfEachDeal = 0;   // how often every deal was read, when all equally often; else 0
};

// Set files with the same name apart from the extension ("QVW-01.dlm", "QVW-01.dup") are
// taken as one set in several formats: they are compared with each other, not counted as
// repeats of each other. A set file named for set N ("QVW-07.dlm") that holds set N of a
// main deal file given (as many boards, at least half of them equal) is compared with it
// board for board. Every other deal found twice is a problem. The files are read one board
// at a time: what is kept of each board is a small fixed-size record, never its text.
DealFileCheck checkDealFiles(const std::vector<std::string>& paths);

// The check as a director reads it: "<file>: <n> boards" for each readable file, every
// problem, and a closing line with the count of problems, or without problems the counts
// of files, boards and distinct deals ("6 files, 192 boards: 32 distinct deals, each in 6
// files"). With `problemsOnly`, just the
// problems.
std::vector<std::string> checkReportLines(const DealFileCheck& check, bool problemsOnly);

}  // namespace quorvex
