#pragma once
// Reads the record formats: .dup (156-byte records), .bri and .dge (128-byte records). The
// board number is the record's place in the file, counted from 1.
#include <string>
#include <string_view>

#include "formats/readers/read_board.h"

namespace quorvex {

// Each raises DealFileError naming the board for a file that is empty or not a whole
// number of records (a truncated file), a record whose deal is damaged, or fill bytes that
// are not the format's. A .dup record holds the deal twice, as card numbers and as hand
// texts, and the two must agree; its set size must be the number of records.
DealFile readDupFile(const std::string& path, std::string_view bytes);
DealFile readBriFile(const std::string& path, std::string_view bytes);
DealFile readDgeFile(const std::string& path, std::string_view bytes);

}  // namespace quorvex
