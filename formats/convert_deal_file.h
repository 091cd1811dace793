#pragma once
// Writing the boards of a file read back (a PBN from another program, a .dlm) in the
// chosen formats, as one set, with the same writers as a dealing run.
#include <cstdint>
#include <string>
#include <vector>

#include "formats/conversion_settings.h"
#include "formats/readers/read_board.h"

namespace quorvex {

// Most boards one set may hold: the number a dealing run allows per set.
inline constexpr std::size_t LargestConvertedSet = 99;

// The file's boards in board-number order as set `firstSetNumber`. Raises DealFileError
// unless the file holds one set numbered 1..N without gaps, N at most 99.
BoardList oneSetOf(const DealFile& file, std::uint16_t firstSetNumber);

// The set files the settings' formats would write for a set (to refuse replacing them).
std::vector<std::string> setFilesOf(const ConversionSettings& settings, std::uint16_t setNumber);

// Reads `path` and writes its boards with `settings` (formats, output folder, base name);
// returns the files written, in the order written.
std::vector<std::string> convertDealFile(const std::string& path, ConversionSettings settings,
                                         std::uint16_t firstSetNumber);

}  // namespace quorvex
