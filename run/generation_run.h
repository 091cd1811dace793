#pragma once
// One Generate run: deal every board into the main deal file, solve the boards double
// dummy when asked, convert them into the selected formats, write the hand records when
// asked and, when asked, analyse them. The window and the command line both
// fill RunSettings and call runGeneration, so the same inputs give the same files.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/error_texts.h"
#include "common/work_progress.h"
#include "engine/main_deal_file.h"
#include "formats/conversion_settings.h"

namespace quorvex {

class DealStream;

struct RunSettings {
    MainDealHeader counts;           // written in the main deal file's header
    std::uint32_t totalBoards = 32;  // boards dealt: sets x boards per set as the caller keeps it
    ConversionSettings conversion;   // formats, identity text, folders, base file name
    bool analysis = true;
    bool doubleDummy = false;     // tables and par into the PBN files and hand records
    bool handRecords = false;     // one HTML document per set
    char decimalSeparator = '.';  // of the report's percentages
};

struct RunResult {
    std::string mainDealFile;
    std::vector<std::string> filesWritten;  // converted files and hand records, in the order written
    std::string handRecordDocument;         // the first set's hand records; empty when none were written
    std::vector<std::string> report;        // the analysis report's lines; empty without analysis
};

// Raised when the RIPEMD-160 hash class is not registered.
struct EHashUnitMissing : std::runtime_error {
    EHashUnitMissing() : std::runtime_error(error_text::FailedToCreateHashUnit) {}
};

// Stops at the first failure with its exception; files finished before stay as written.
// `progress`, when given, follows the run through its activities: "Boards dealt", with
// double dummy "Boards solved", "Files written" and, with the analysis, "Boards analysed";
// its cancel stops the run at the next step like a failure, with EWorkCancelled.
RunResult runGeneration(DealStream& stream, const RunSettings& settings, WorkProgress* progress = nullptr);

}  // namespace quorvex
