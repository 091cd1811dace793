#pragma once
// The record formats (.dup, .bri, .dge): one fixed-length record per board, no header,
// no trailer, no line ends.
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

// Appends the record of `board` to `record`.
using RecordOfBoard = void (*)(const ValidBoardLine& board, const MainDealHeader& header,
                               std::string& record);

// The format of files with the extension holding the record of each board in turn,
// one file per set. Records are not flushed one by one: the file's buffer goes out when it
// fills and when the file is closed, which reports any failure.
std::unique_ptr<SetFileFormat> recordSetFileFormat(std::string_view extension, RecordOfBoard record);

}  // namespace quorvex
