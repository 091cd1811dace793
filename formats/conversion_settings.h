#pragma once
// Everything the format converters need from the window or the command line, as plain values.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/product.h"
#include "common/work_progress.h"
#include "engine/deal_numbering.h"
#include "formats/output_formats.h"

namespace quorvex {

// Boards that came from somewhere else than a dealing run (a file read back), written as
// one set.
struct BoardList {
    std::uint16_t firstSetNumber = 1;
    std::vector<ByHandDeal> deals;  // boards 1, 2, ... of the set
};

struct ConversionSettings {
    FormatSelection formats = allFormats();
    std::string identityText;   // names the main deal file
    std::string programFolder;  // holds the main deal file
    std::string outputFolder;   // receives the converted files
    std::string baseFileName = DefaultBaseFileName;
    // When set, the converters write these boards instead of reading the main deal file.
    std::shared_ptr<const BoardList> boards;
    WorkProgress* progress = nullptr;  // advanced by every file written, when given
};

}  // namespace quorvex
