#pragma once
// The Deep Finesse text file: five lines per board with the hands at fixed columns and a
// fixed contract and opening lead.
#include <string>
#include <vector>

#include "common/staged_files.h"
#include "engine/valid_board_line.h"
#include "formats/conversion_settings.h"
#include "formats/set_file_writer.h"

namespace quorvex {

// Appends the five lines of one board, each ending in CR LF: "Deal: " and the board number
// with North from column 39; "Contract: 3NT" with East from column 22 and South from column
// 56; "OnLead: East" with West from column 39; "Lead: Any"; an empty line.
void appendDeepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board, std::string& out);

inline constexpr std::string_view DeepFinesseExtension = ".txt";

// The format for the shared reading of the main deal file (see writeSetFiles).
std::unique_ptr<SetFileFormat> deepFinesseSetFileFormat(const ConversionSettings& settings);

// One file per set.
void WriteDeepFinesseFiles(const ConversionSettings& settings, StagedFiles& files);

}  // namespace quorvex
