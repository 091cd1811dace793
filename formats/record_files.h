#pragma once
// The formats whose files hold nothing but each board's record in turn: the fixed-length
// records of .dup, .bri and .dge (no line ends) and the five lines of the Deep Finesse file.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/staged_files.h"
#include "engine/cards.h"
#include "engine/main_deal_file.h"
#include "formats/conversion_settings.h"
#include "formats/set_file_writer.h"

namespace quorvex {

// The .dup and .bri records open with North's, East's and South's card numbers, two digits
// each, as the board line holds them; West holds the rest.
inline constexpr std::size_t ThreeHandsDigitsLength = 3 * CardsPerHand * 2;

// Writes the record of `board`, board `boardNumber` (from 1) of its set, from `at` and
// returns where it ends; it may use the format's longest record's room whatever its length.
using RecordOfBoard = char* (*)(const ValidBoardLine& board, const MainDealHeader& header,
                                unsigned boardNumber, char* at);

// The format of files with the extension holding the record of each board in turn, one
// file per set, where no record uses more than `longestRecord` bytes of room. Records are
// written straight into blocks of at least a file's buffer, which go to the file as they are
// (no copy into the file's own buffer); closing the file reports any failure.
std::unique_ptr<SetFileFormat> recordSetFileFormat(std::string_view extension, std::size_t longestRecord,
                                                   RecordOfBoard record);

}  // namespace quorvex
