#pragma once
// The command line of the dealer: one table of commands (dealing, the default; check;
// convert; audit; help), each with its table of options, read with one grammar
// (option_scanner.h) into plain values before anything is read or written.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/option_scanner.h"
#include "common/product.h"
#include "formats/output_formats.h"

namespace quorvex {

// The options of a dealing run; convert takes those of the written files.
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

// The significance level of an audit unless --alpha says otherwise, and its limits: the
// report prints the level with nine decimals, so a smaller one would read "0".
inline constexpr double DefaultAuditAlpha = 0.001;
inline constexpr double SmallestAuditAlpha = 0.000000001;
inline constexpr double LargestAuditAlpha = 0.5;

struct DealCommand {
    CliOptions options;
};
// The commands with a name of their own carry it (dealing has none on the command line).
struct CheckCommand {
    static constexpr char Name[] = "check";
    bool quiet = false;
    std::vector<std::string> files;
    bool help = false;
};
struct ConvertCommand {
    static constexpr char Name[] = "convert";
    std::string file;
    CliOptions options;  // the options of the written files
};
struct AuditCommand {
    static constexpr char Name[] = "audit";
    double alpha = DefaultAuditAlpha;
    std::vector<std::string> files;
    bool help = false;
};
// --help, --version and help COMMAND: a text to print.
struct PrintCommand {
    std::string text;
};
using CommandLine = std::variant<DealCommand, CheckCommand, ConvertCommand, AuditCommand, PrintCommand>;

// A usage error of one command: `command` is its name, empty for dealing.
struct CommandLineError : UsageError {
    CommandLineError(std::string command, const std::string& text)
        : UsageError(text), command(std::move(command)) {}
    std::string command;
};

// What the arguments after the program's name ask for; throws CommandLineError.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The options of a dealing run alone (the arguments hold no command name).
CliOptions parseCliOptions(const std::vector<std::string>& arguments);

// The options of the command named ("deal", "check", "convert", "audit", "help"), as the
// usage shows them; throws UsageError for an unknown name.
std::vector<OptionEntry> commandOptions(const std::string& command);

// The usage of every command (the text of --help), or of the command named.
std::string cliUsage();
std::string commandUsage(const std::string& command);

}  // namespace quorvex
