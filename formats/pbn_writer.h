#pragma once
// Portable Bridge Notation 2.1 in export format: one file per set, one game per board,
// carrying the board number, Law 2 dealer and vulnerability, the deal from the dealer's
// seat and, when computed, the double-dummy tricks and par.
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "common/staged_files.h"
#include "engine/double_dummy_table.h"
#include "engine/valid_board_line.h"
#include "formats/conversion_settings.h"
#include "formats/set_file_writer.h"

namespace quorvex {

inline constexpr std::string_view PbnExtension = ".pbn";

// Declarers in the order the double-dummy tags list them.
inline constexpr Hand PbnTableDeclarers[] = {North, South, East, West};

// The two comment lines that open a file in export format, with their CR LF.
inline constexpr std::string_view PbnFileStart = "% PBN 2.1\r\n% EXPORT\r\n";

// The game of one board: the 15 mandatory tags in their order, then the supplemental tags
// in alphabetical order, every line ending in CR LF. `event` is the identity text; a null
// `doubleDummy` leaves out the double-dummy tags.
std::string pbnGame(std::string_view event, std::chrono::year_month_day date, unsigned boardNumber,
                    const ValidBoardLine& board, const DoubleDummyTable* doubleDummy);

// The format for the shared reading of the main deal file (see writeSetFiles).
std::unique_ptr<SetFileFormat> pbnSetFileFormat(const ConversionSettings& settings);

// One file per set, extension ".pbn", games separated by one empty line. Uses the
// settings' identity text, run date and double-dummy tables (one per board of the run,
// or none).
void writePbnFiles(const ConversionSettings& settings, StagedFiles& files);

}  // namespace quorvex
