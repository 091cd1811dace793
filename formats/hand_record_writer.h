#pragma once
// Hand records: one self-contained HTML document per set that any browser shows and
// prints, with every board's dealer, vulnerability, the four hands in the compass layout
// with their high-card points and, when computed, the double-dummy tricks and par.
#include <string>
#include <vector>

#include "common/staged_files.h"
#include "engine/double_dummy_table.h"
#include "engine/valid_board_line.h"
#include "formats/conversion_settings.h"

namespace quorvex {

inline constexpr std::string_view HandRecordExtension = ".html";

// The block of one board; a null `doubleDummy` leaves out the tricks and par.
std::string handRecordBoard(unsigned boardNumber, const ValidBoardLine& board,
                            const DoubleDummyTable* doubleDummy);

// One document per set, `<base><set>.html`, titled with the identity text, the set number
// and the run date; with the settings' double-dummy tables when there are any.
void writeHandRecordFiles(const ConversionSettings& settings, StagedFiles& files);

}  // namespace quorvex
