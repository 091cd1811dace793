#pragma once
// The .bri and .dge files: one 128-byte record per board, no separators.
#include <string>
#include <vector>

#include "common/staged_files.h"
#include "engine/valid_board_line.h"
#include "formats/conversion_settings.h"
#include "formats/set_file_writer.h"

namespace quorvex {

inline constexpr std::string_view BriExtension = ".bri";
inline constexpr std::string_view DgeExtension = ".dge";
inline constexpr std::size_t BriDgeRecordLength = 128;
inline constexpr std::size_t BriBlankCount = 32;  // after the card numbers of a .bri record

// Write a record of BriDgeRecordLength bytes from `at` and return where it ends:
// North's, East's and South's card numbers (78 digits), 32 blanks, 18 zero bytes;
char* writeBriRecord(const ValidBoardLine& board, char* at);
// the four marked hand texts (68 bytes), 60 zero bytes.
char* writeDgeRecord(const ValidBoardLine& board, char* at);

// The format for the shared reading of the main deal file (see writeSetFiles).
std::unique_ptr<SetFileFormat> briSetFileFormat(const ConversionSettings& settings);
std::unique_ptr<SetFileFormat> dgeSetFileFormat(const ConversionSettings& settings);

// One file per set each.
void WriteBriFiles(const ConversionSettings& settings, StagedFiles& files);
void WriteDgeFiles(const ConversionSettings& settings, StagedFiles& files);

}  // namespace quorvex
