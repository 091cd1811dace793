#pragma once
// The converter driver: reads the main deal file back once per selected format and writes
// one file per set, in the order of the output-format table.
#include <string>
#include <vector>

#include "formats/conversion_settings.h"

namespace quorvex {

// Returns the paths of the files written, in the order written. The first failure stops
// the remaining writers with its exception.
std::vector<std::string> ConvertMainDealFile(const ConversionSettings& settings);

}  // namespace quorvex
