#pragma once
// Reads a deal file of any format the program writes, chosen by its extension: the main
// deal file (.qvw), .dlm, .dup, .bri, .dge, Deep Finesse (.txt) and PBN (.pbn).
#include <string>
#include <string_view>

#include "formats/readers/read_board.h"

namespace quorvex {

// Every board of the file, in the file's order. Raises DealFileError for an unknown
// extension, a malformed file or a board number given twice in one set, EInOutError when
// the file cannot be read.
DealFile readDealFile(const std::string& path);

// The same from bytes already read; `path` names the format and the file in messages.
DealFile readDealFileBytes(const std::string& path, std::string_view bytes);

}  // namespace quorvex
