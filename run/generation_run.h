#pragma once
// One Generate run: deal every board into the main deal file, convert it into the
// selected formats and, when asked, analyse it. The window and the command line both
// fill RunSettings and call runGeneration, so the same inputs give the same files.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/error_texts.h"
#include "engine/main_deal_file.h"
#include "formats/conversion_settings.h"

namespace quorvex {

class DealStream;

struct RunSettings {
    MainDealHeader counts;           // written in the main deal file's header
    std::uint32_t totalBoards = 32;  // boards dealt: sets x boards per set as the caller keeps it
    ConversionSettings conversion;   // formats, identity text, folders, base file name
    bool analysis = true;
    char decimalSeparator = '.';  // of the report's percentages
};

struct RunResult {
    std::string mainDealFile;
    std::vector<std::string> filesWritten;  // converted files, in the order written
    std::vector<std::string> report;        // the analysis report's lines; empty without analysis
};

// Raised when the RIPEMD-160 hash class is not registered.
struct EHashUnitMissing : std::runtime_error {
    EHashUnitMissing() : std::runtime_error(error_text::FailedToCreateHashUnit) {}
};

// Stops at the first failure with its exception; files finished before stay as written.
// `progress`, when given, follows the run through its activities: "Boards dealt",
// "Files written" and, with the analysis, "Boards analysed".
RunResult runGeneration(DealStream& stream, const RunSettings& settings, WorkProgress* progress = nullptr);

}  // namespace quorvex
