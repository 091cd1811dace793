#pragma once
// The Duplimate .dup file: one 156-byte record per board, no separators.
#include <cstdint>
#include <string>
#include <vector>

#include "common/staged_files.h"
#include "engine/valid_board_line.h"
#include "formats/conversion_settings.h"
#include "formats/hand_text.h"
#include "formats/record_files.h"
#include "formats/set_file_writer.h"

namespace quorvex {

inline constexpr std::string_view DupExtension = ".dup";
inline constexpr std::size_t DupRecordLength = 156;
inline constexpr std::string_view DupMarker = "YN1  1 ";  // after the marked hand texts

inline constexpr std::size_t DupSetSizeFieldLength =
    DupRecordLength - ThreeHandsDigitsLength - MarkedHandTextsLength - DupMarker.size();

// Writes the set size field that ends a record from `at` (DupSetSizeFieldLength bytes) and
// returns where it ends: left-aligned, blank-padded to the record's end. The machine reads
// fixed 156-byte records, so a set size above 999 (test mode only) is written 999.
char* writeDupSetSizeField(std::size_t boardsPerSet, char* at);

// Writes a record of DupRecordLength bytes from `at` and returns where it ends: North's,
// East's and South's card numbers (78 digits), the four marked hand texts, "YN1  1 " and
// the set size field.
char* writeDupRecord(const ValidBoardLine& board, std::uint16_t boardsPerSet, char* at);

// The format for the shared reading of the main deal file (see writeSetFiles).
std::unique_ptr<SetFileFormat> dupSetFileFormat(const ConversionSettings& settings);

// One file per set.
void WriteDupFiles(const ConversionSettings& settings, StagedFiles& files);

}  // namespace quorvex
