#pragma once
// Reads every board of a main deal file (.qvw): the header's sets of boards, one 104-digit
// board line each.
#include <string>
#include <string_view>

#include "formats/readers/file_bytes.h"
#include "formats/readers/read_board.h"

namespace quorvex {

// Board numbers restart at 1 in every set; each board carries its set number. Raises
// DealFileError for a damaged header, a damaged board line, fewer board lines than the
// header promises, or lines after the last one it promises.
DealFile readMainDealFile(const std::string& path, std::string_view bytes);

// The same line by line from `lines`, handing each board to `visit` and keeping none.
// Returns the file without boards.
DealFile readMainDealFile(const std::string& path, TextLines& lines, const BoardVisitor& visit);

}  // namespace quorvex
