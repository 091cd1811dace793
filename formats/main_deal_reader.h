#pragma once
// Reading the main deal file back: its header line and its board lines, one at a time.
#include "common/text_file.h"
#include "formats/conversion_settings.h"
#include "formats/valid_board_line.h"

#include <cstdint>
#include <string_view>

namespace quorvex {

struct MainDealHeader {
    std::uint16_t setCount = 0;
    std::uint16_t boardsPerSet = 0;
    std::uint16_t firstSetNumber = 0;
};

// Opens the main deal file of the settings' identity text in the program folder.
// A missing file raises EInOutError "File not found".
TextFileReader OpenMainDealReader(const ConversionSettings& settings);

// Header text "<sets> <boards per set>  <first set>": the fields end at the first blank and
// at the first pair of blanks; the first set number is read from up to 5 characters
// starting at the second blank of the pair. A field that is not an integer (also a field
// missing because a blank is missing) raises the conversion error; a value outside
// 1..65535 raises ERangeError, since a zero count would silently produce empty files.
MainDealHeader ParseMainDealHeader(std::string_view line);

// Reads and parses line 1.
MainDealHeader ReadMainDealHeader(TextFileReader& reader);

// Reads the next board line; past the end of the file that is the empty line, which
// fails the check like any other damaged line.
ValidBoardLine ReadBoardLine(TextFileReader& reader);

} // namespace quorvex
