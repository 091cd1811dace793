#pragma once
// The converter driver: reads the main deal file back once for all selected formats and writes
// one file per set, in the order of the output-format table.
#include <string>
#include <vector>

#include "common/staged_files.h"
#include "engine/main_deal_file.h"
#include "formats/conversion_settings.h"
#include "formats/set_file_writer.h"

namespace quorvex {

// Writes every selected format's set files under temporary names staged in `files`.
// The first failure stops the remaining writers with its exception. Each board the
// writers read is also given once to `alsoEachBoard`; returns false when no format was
// selected, so no board was read.
bool ConvertMainDealFile(const ConversionSettings& settings, StagedFiles& files,
                         const BoardLineVisitor& alsoEachBoard = {});

// Converts and publishes: every set file reaches its final name, or (on a failure) none
// does. Returns the paths of the files written, in the order written.
std::vector<std::string> ConvertMainDealFile(const ConversionSettings& settings);

// The set files a conversion with `header`'s counts writes, in the order written.
std::vector<std::string> setFilePaths(const ConversionSettings& settings, const MainDealHeader& header);

}  // namespace quorvex
