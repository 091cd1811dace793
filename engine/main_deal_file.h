#pragma once
// The main deal file: the one place where a run's boards are stored, and the only way
// they are read back. A header line "<sets> <boards per set>  <first set>" and then one
// 104-digit board line per board, every line ending in CR LF. Every output format and
// the analysis read it through the reader below.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/text_file.h"
#include "common/work_progress.h"
#include "engine/deal_numbering.h"
#include "engine/valid_board_line.h"
#include "hash/hash_class.h"

namespace quorvex {

class DealStream;

inline constexpr std::string_view MainDealFileExtension = ".qvw";

// The main deal file lives in the program folder and is named after the identity text.
std::string mainDealFilePath(std::string_view programFolder, std::string_view identityText);

// The counts of the header line: they tell the readers how the boards form sets.
struct MainDealHeader {
    std::uint16_t setCount = 1;
    std::uint16_t boardsPerSet = 32;
    std::uint16_t firstSetNumber = 1;
};

// The header line without its line end.
std::string mainDealHeaderLine(const MainDealHeader& header);

// Header text "<sets> <boards per set>  <first set>": the fields end at the first blank and
// at the first pair of blanks; the first set number is read from up to 5 characters
// starting at the second blank of the pair. A field that is not an integer (also a field
// missing because a blank is missing) raises the conversion error; a value outside
// 1..65535 raises ERangeError, since a zero count would silently produce empty files.
MainDealHeader parseMainDealHeader(std::string_view line);

// The field of a header line that parseMainDealHeader refuses, as a director reads it ("the
// number of sets", "the boards per set", "the first set number"); empty when it reads the line.
std::string_view faultyMainDealHeaderField(std::string_view line);

// Creates (truncating) the file at `path`, writes the header and `totalBoards` board lines
// drawn from `stream`, and closes it. Memory use does not grow with the number of boards.
// `progress`, when given, is advanced by every board written.
void writeMainDealFile(const std::string& path, const MainDealHeader& header, std::uint32_t totalBoards,
                       DealStream& stream, HashClass cls, WorkProgress* progress = nullptr);

// The same with the given boards in place of dealt ones (boards read back from a file).
void writeMainDealFile(const std::string& path, const MainDealHeader& header,
                       std::span<const ByHandDeal> boards);

// Opens the main deal file of `identityText` in `programFolder` for reading.
// A missing file raises EInOutError "File not found".
TextFileReader OpenMainDealReader(std::string_view programFolder, std::string_view identityText);

// Reads and parses line 1.
MainDealHeader ReadMainDealHeader(TextFileReader& reader);

// Reads and checks the next board line; past the end of the file that is the empty line,
// which fails the check like any other damaged line.
ValidBoardLine readBoardLine(TextFileReader& reader);

}  // namespace quorvex
