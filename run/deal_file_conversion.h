#pragma once
// Converting a deal file read back (a PBN from another program, a .dlm): its boards are
// written as one set by a generation run that writes them instead of dealing, so they
// reach the same writers with the same guarantees: everything checked first, the folders
// locked, the files staged and published together, existing files not replaced unless
// the settings allow it.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "common/product.h"
#include "formats/readers/read_board.h"
#include "run/generation_run.h"

namespace quorvex {

// Most boards one converted set may hold: as many as a set of a dealing run.
inline constexpr std::size_t LargestConvertedSet = NormalCountLimit;

// The file's boards in board-number order. Raises DealFileError unless the file holds one
// set numbered 1..N without gaps, N at most LargestConvertedSet.
std::vector<const ReadBoard*> boardsOfOneSet(const DealFile& file);

// The settings of the conversion of `file` from the caller's run settings (formats,
// folders, base name, first set number, double dummy, hand records, replaceExisting):
// one set of the file's boards, no analysis, the event and date the file states (else
// the file's name and the caller's date). Files are written into the output folder only.
RunSettings conversionSettingsOf(const DealFile& file, const RunSettings& settings);

// The checked and locked run that writes the boards of `file` with `converted`, settings
// made by conversionSettingsOf; its convert() and then publish() do the work. Raises
// EOutputIsInput, whatever replaceExisting says, when an output is the file itself (the
// same file, by whatever name).
std::unique_ptr<GenerationRun> conversionRun(const DealFile& file, const RunSettings& converted);

// The whole conversion: conversionRun, convert and publish. The result names the files
// written, in the order written. `progress` as in GenerationRun::deal.
RunResult convertDealFile(const DealFile& file, const RunSettings& converted,
                          WorkProgress* progress = nullptr);

}  // namespace quorvex
