#pragma once
// Options of the command-line dealer.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/product.h"
#include "formats/output_formats.h"

namespace quorvex {

// A bad command line: the message names the offending option.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct CliOptions {
    std::string identityText = DefaultIdentityText;
    std::optional<std::string> entropyText;  // replayed text; none = fresh entropy
    int numberOfSets = DefaultNumberOfSets;
    int boardsPerSet = DefaultBoardsPerSet;
    int firstSetNumber = DefaultFirstSetNumber;
    std::uint32_t skipBoards = 0;
    std::string baseFileName = DefaultBaseFileName;
    std::string outputFolder = ".";
    std::optional<std::string> workFolder;  // defaults to the output folder
    FormatSelection formats = allFormats();
    bool analysis = false;
    bool doubleDummy = false;
    bool handRecords = false;
    bool dealingSheets = false;
    bool curtainCards = false;
    std::optional<std::string> reportFile;
    bool testMode = false;
    bool force = false;        // replace existing set files and report
    bool showEntropy = false;  // print the fresh entropy text
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// Parses and validates everything before anything is written.
CliOptions parseCliOptions(const std::vector<std::string>& arguments);

// quorvex-deal convert FILE [options]: the file and the dealer's options of the written
// files (--out, --formats, --name, --first-set, --double-dummy, --hand-records,
// --dealing-sheets, --curtain-cards, --force, --quiet), read as the dealer reads them.
struct ConvertOptions {
    std::string file;
    CliOptions options;
};
ConvertOptions parseConvertOptions(const std::vector<std::string>& arguments);

// The text of --help.
std::string cliUsage();

}  // namespace quorvex
