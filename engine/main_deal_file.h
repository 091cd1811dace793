#pragma once
// The main deal file: the one place where a run's boards are stored. A header line
// "<sets> <boards per set>  <first set>" and then one 104-digit board line per board,
// every line ending in CR LF. Every output format and the analysis read it back.
#include "hash/hash_registry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

class DealStream;

inline constexpr std::string_view MainDealFileExtension = ".qvw";

// The main deal file lives in the program folder and is named after the identity text.
std::string MainDealFilePath(std::string_view programFolder, std::string_view identityText);

struct RunCounts {
    int numberOfSets = 1;
    int boardsPerSet = 32;
    int firstSetNumber = 1;
};

// The header line without its line end.
std::string MainDealHeaderLine(const RunCounts& counts);

// Creates (truncating) the file at `path`, writes the header and `totalBoards` board lines
// drawn from `stream`, and closes it. Memory use does not grow with the number of boards.
void WriteMainDealFile(const std::string& path, const RunCounts& counts, std::uint32_t totalBoards,
                       DealStream& stream, HashClass cls);

} // namespace quorvex
