#pragma once
// Reads a deal file of any format the program writes, chosen by its extension: the main
// deal file (.qvw), .dlm, .dup, .bri, .dge, Deep Finesse (.txt) and PBN (.pbn).
#include <string>
#include <string_view>

#include "formats/readers/read_board.h"

namespace quorvex {

// Every board of the file, in the file's order. Raises DealFileError for an unknown
// extension, a folder, FIFO or device, a file larger than the largest file of its format,
// a malformed file or a board number given twice in one set, EInOutError when the file
// cannot be read.
DealFile readDealFile(const std::string& path);

// The same from bytes already read; `path` names the format and the file in messages.
DealFile readDealFileBytes(const std::string& path, std::string_view bytes);

// The same, handing each board to `visit` as soon as it is read and keeping none, so that
// memory does not grow with the boards of a main deal file. Returns the file without boards.
DealFile visitDealFile(const std::string& path, const BoardVisitor& visit);

}  // namespace quorvex
