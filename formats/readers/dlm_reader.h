#pragma once
// Reads a Duplimate .dlm file: its [Document] keys and the packed deals of the boards from
// "From board" to "To board". The placeholder boards that fill the file up to board 99 are
// not boards of the set and are not returned, though their checksums are checked too.
#include <string>
#include <string_view>

#include "formats/readers/read_board.h"

namespace quorvex {

// Raises DealFileError for a line that is no key=value pair or section, a key given twice,
// a missing or malformed From board, To board or Checksum, a board of the set missing, a
// board text that is not 26 letters a..p and three digits, a wrong checksum, or letters
// that do not make a deal.
DealFile readDlmFile(const std::string& path, std::string_view bytes);

}  // namespace quorvex
