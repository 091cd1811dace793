#pragma once
// One Generate run: deal every board into the main deal file, solve the boards double
// dummy when asked, convert them into the selected formats, write the hand records,
// duplication sheets and curtain cards asked for and, when asked, analyse them. The window
// and the command line both fill RunSettings and call runGeneration, so the same inputs
// give the same files.
//
// A run is all or nothing. Everything is checked before the first board is dealt; every
// file is written under a temporary name in its own folder and renamed into place only
// when the whole run has succeeded; a run that fails leaves every folder as it was.
// A run holds a lock on each folder it writes into, so two runs never mix their files.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/error_texts.h"
#include "common/io_error.h"
#include "common/staged_files.h"
#include "common/work_progress.h"
#include "engine/deal_numbering.h"
#include "engine/double_dummy_table.h"
#include "engine/main_deal_file.h"
#include "formats/conversion_settings.h"

namespace quorvex {

class DealStream;
class FolderLock;

struct RunSettings {
    MainDealHeader counts;          // written in the main deal file's header
    ConversionSettings conversion;  // formats, identity text, folders, base file name
    bool analysis = true;
    bool doubleDummy = false;     // tables and par into the PBN files and hand records
    bool handRecords = false;     // one HTML document per set
    bool dealingSheets = false;   // duplication sheets, one HTML document per set
    bool curtainCards = false;    // curtain cards, one HTML document per set
    char decimalSeparator = '.';  // of the report's percentages
    std::string reportFile;       // the report's lines are also written here (CR LF); empty: not
    // Set files and a report file that exist already are replaced; otherwise the run
    // refuses them (the main deal file, the program's working file, is always replaced).
    bool replaceExisting = true;

    // The boards a run deals: every board of every set.
    std::uint32_t totalBoards() const { return std::uint32_t{counts.setCount} * counts.boardsPerSet; }
};

struct RunResult {
    std::string mainDealFile;
    std::vector<std::string> filesWritten;  // converted files and printed documents, in the order written
    // The first set's first printed document (hand records, else duplication sheets, else
    // curtain cards); empty when none were written.
    std::string firstDocument;
    std::vector<std::string> report;  // the analysis report's lines; empty without analysis
};

// Raised when the RIPEMD-160 hash class is not registered.
struct EHashUnitMissing : std::runtime_error {
    EHashUnitMissing() : std::runtime_error(error_text::FailedToCreateHashUnit) {}
};

// Raised before dealing when set files or the report exist and may not be replaced;
// names the first of them.
struct EFilesExist : EInOutError {
    EFilesExist(const std::string& firstPath, std::size_t count)
        : EInOutError(80, error_text::FileExists, firstPath), count(count) {}
    std::size_t count;
};

// Raised before dealing when two of the run's files (the report, the main deal file, a set
// file, the entropy log, a folder's lock file) would be the same file; names it.
struct EFileWrittenTwice : EInOutError {
    explicit EFileWrittenTwice(const std::string& path)
        : EInOutError(80, error_text::FileWrittenTwice, path) {}
};

// Raised before a conversion whose output would be the very file it reads; names it.
struct EOutputIsInput : EInOutError {
    explicit EOutputIsInput(const std::string& path) : EInOutError(80, error_text::OutputIsInput, path) {}
};

class GenerationRun {
public:
    // Checks everything: the hash class; the names; every folder exists; every path (also
    // the temporary ones) fits the file system; no file twice; no final name that is not a
    // regular file; existing set and report files (unless replaceExisting). Then locks
    // every folder the run writes into, finishes the publishing a killed run left there
    // and removes its temporary files.
    explicit GenerationRun(const RunSettings& settings);

    // A conversion: a run that writes `boards`, the one set of settings.counts, instead of
    // dealing, with the same checks (bar the hash class and the identity, which here only
    // names the event), writers and publishing. Its main deal file is only the writers'
    // input: written under a temporary name in the output folder and never published.
    // `doubleDummy`, one table per board or none, is printed instead of solving again.
    GenerationRun(const RunSettings& settings, std::vector<ByHandDeal> boards,
                  std::vector<DoubleDummyTable> doubleDummy);
    ~GenerationRun();
    GenerationRun(const GenerationRun&) = delete;
    GenerationRun& operator=(const GenerationRun&) = delete;

    // Deals, converts and analyses into temporary files. Nothing has a final name yet.
    // `progress`, when given, follows the run through its activities: "Boards dealt", with
    // double dummy "Boards solved", "Files written" and, with the analysis, "Boards
    // analysed"; cancelling it ends the
    // run with EWorkCancelled and, like any failure, leaves the folders as they were.
    RunResult deal(DealStream& stream, WorkProgress* progress = nullptr);
    // The same for a conversion: writes the boards instead of dealing them.
    RunResult convert(WorkProgress* progress = nullptr);
    // Renames every file of the run into place.
    void publish();

private:
    void checkAndLock();
    RunResult dealIntoTemporaries(DealStream& stream, WorkProgress* progress);
    RunResult convertIntoTemporaries(WorkProgress* progress);
    // Solves double dummy when wanted, writes the set files and printed documents and, when
    // asked, the analysis, all from the main deal file `conversion` names.
    void writeFromMainDealFile(ConversionSettings& conversion, RunResult& result, WorkProgress* progress);

    RunSettings settings_;
    bool dealing_ = true;
    std::vector<ByHandDeal> boards_;             // a conversion's boards
    std::vector<DoubleDummyTable> doubleDummy_;  // solved or given, one per board, or none
    std::string mainDealFile_;
    StagedFiles scratch_;  // a conversion's main deal file, removed when the run ends
    std::vector<std::unique_ptr<FolderLock>> locks_;
    StagedFiles files_;
};

// The whole run: check and lock, deal, publish. Any failure leaves the folders as they were.
RunResult runGeneration(DealStream& stream, const RunSettings& settings, WorkProgress* progress = nullptr);

// The set files and report of a run with these settings that exist already.
std::vector<std::string> existingRunFiles(const RunSettings& settings);

}  // namespace quorvex
