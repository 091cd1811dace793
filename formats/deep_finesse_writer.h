#pragma once
// The Deep Finesse text file: five lines per board with the hands at fixed columns and a
// fixed contract and opening lead.
#include <string_view>
#include <vector>

#include "common/staged_files.h"
#include "engine/valid_board_line.h"
#include "formats/conversion_settings.h"
#include "formats/hand_text.h"
#include "formats/set_file_writer.h"

namespace quorvex {

// Writes the five lines of one board from `at`, each ending in CR LF, and returns where they
// end: "Deal: " and the board number with North from column 39; "Contract: 3NT" with East
// from column 22 and South from column 56; "OnLead: East" with West from column 39;
// "Lead: Any"; an empty line. It may use DeepFinesseBoardLinesRoom bytes from `at`.
char* writeDeepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board, char* at);

// The columns (counted from 1) where the hands start: North and West at 39, East at 22 and
// South at 56.
inline constexpr std::size_t DeepFinesseNorthWestColumn = 39, DeepFinesseEastColumn = 22,
                             DeepFinesseSouthColumn = 56;
inline constexpr std::string_view DeepFinesseLastLines = "\r\nLead: Any\r\n\r\n";

// The longest five lines: each hand text at its column (every text before a column is
// shorter than the room it has), three line ends and the last lines; and the 13 bytes a hand
// text may write past its end.
inline constexpr std::size_t DeepFinesseBoardLinesRoom =
    (DeepFinesseNorthWestColumn - 1) + (DeepFinesseSouthColumn - 1) + (DeepFinesseNorthWestColumn - 1) +
    3 * LongestDeepFinesseHandText + 2 * 2 + DeepFinesseLastLines.size() + RanksPerSuit;

inline constexpr std::string_view DeepFinesseExtension = ".txt";

// The format for the shared reading of the main deal file (see writeSetFiles).
std::unique_ptr<SetFileFormat> deepFinesseSetFileFormat(const ConversionSettings& settings);

// One file per set.
void WriteDeepFinesseFiles(const ConversionSettings& settings, StagedFiles& files);

}  // namespace quorvex
