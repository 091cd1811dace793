#include "cli/cli_options.h"

#include <algorithm>
#include <charconv>

#include "common/name_text.h"
#include "entropy/entropy_text.h"

namespace quorvex {

namespace {

// "dlm,dup,bri,dge,df,pbn": the names --formats takes, in writing order.
std::string formatNames(std::string_view separator) {
    std::string names;
    for (const OutputFormat& format : OutputFormats) {
        if (!names.empty()) names += separator;
        names += format.name;
    }
    return names;
}

// Reads options as "--option value" or "--option=value".
class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    bool more() const { return next_ < arguments_.size(); }

    // The next option's name; a value given as "--option=value" is kept for valueOf.
    std::string takeOption() {
        std::string option = arguments_[next_++];
        inlineValue_.reset();
        const std::size_t equals = option.find('=');
        if (option.starts_with("--") && equals != std::string::npos) {
            inlineValue_ = option.substr(equals + 1);
            option.resize(equals);
        }
        return option;
    }

    const std::string& valueOf(const std::string& option) {
        if (inlineValue_) return *inlineValue_;
        if (!more()) throw UsageError("option " + option + " needs a value");
        return arguments_[next_++];
    }

    // A switch given a value ("--quiet=1") is a mistake, not a switch.
    void noValue(const std::string& option) const {
        if (inlineValue_) throw UsageError("option " + option + " takes no value");
    }

    long long numberOf(const std::string& option, long long low, long long high) {
        const std::string& text = valueOf(option);
        long long value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
            throw UsageError("option " + option + " needs a whole number from " + std::to_string(low) +
                             " to " + std::to_string(high) + ", not '" + text + "'");
        return value;
    }

private:
    const std::vector<std::string>& arguments_;
    std::size_t next_ = 0;
    std::optional<std::string> inlineValue_;
};

std::string nameText(ArgumentReader& reader, const std::string& option, NameUse use) {
    const std::string& text = reader.valueOf(option);
    if (const auto breach = nameRuleBreach(text, use))
        throw UsageError("option " + option + " " + *breach + ", not '" + text + "'");
    return text;
}

// An empty folder would put the files at the file-system root, since paths join with a separator.
std::string folder(ArgumentReader& reader, const std::string& option) {
    const std::string& text = reader.valueOf(option);
    if (text.empty()) throw UsageError("option " + option + " needs a folder, not an empty text");
    return text;
}

// A replayed text must look recorded: every recorded text holds 39 numbers, so at least 39
// digits. An empty or short text (an unset shell variable) would deal predictable boards.
std::string entropyText(ArgumentReader& reader) {
    const std::string& text = reader.valueOf("--entropy-text");
    const auto digits = std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (text.find_first_not_of("0123456789-") != std::string::npos || digits < EntropyNumbersInText)
        throw UsageError(
            "option --entropy-text needs a recorded entropy text: digits and minus signs only, "
            "at least " +
            std::to_string(EntropyNumbersInText) + " digits, not '" + text + "'");
    return text;
}

FormatSelection formatList(const std::string& list) {
    if (list == "all") return allFormats();
    FormatSelection selection;
    if (list == "none") return selection;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string name = list.substr(start, comma - start);
        const std::optional<std::size_t> format = findOutputFormat(name);
        if (!format)
            throw UsageError("option --formats: unknown format '" + name + "' (use " + formatNames(", ") +
                             ", all or none)");
        selection.set(*format);
        if (comma == std::string::npos) return selection;
        start = comma + 1;
    }
}

// The switch of the written files an option sets, or none: dealing and converting take them.
bool* outputFlagOf(CliOptions& options, const std::string& option) {
    if (option == "--double-dummy") return &options.doubleDummy;
    if (option == "--hand-records") return &options.handRecords;
    if (option == "--dealing-sheets") return &options.dealingSheets;
    if (option == "--curtain-cards") return &options.curtainCards;
    if (option == "--force") return &options.force;
    if (option == "--quiet") return &options.quiet;
    return nullptr;
}

// The switch an option sets, or none.
bool* flagOf(CliOptions& options, const std::string& option) {
    if (option == "--analysis") return &options.analysis;
    if (option == "--test-mode") return &options.testMode;
    if (option == "--show-entropy") return &options.showEntropy;
    if (option == "--help") return &options.help;
    if (option == "--version") return &options.version;
    return outputFlagOf(options, option);
}

// Reads an option of the written files (where, which formats, under which names, with
// what); false for any other option.
bool readOutputOption(ArgumentReader& reader, const std::string& option, CliOptions& options) {
    if (option == "--first-set")
        options.firstSetNumber = static_cast<int>(reader.numberOf(option, 1, FirstSetNumberLimit));
    else if (option == "--name")
        options.baseFileName = nameText(reader, option, NameUse::BaseFileName);
    else if (option == "--out")
        options.outputFolder = folder(reader, option);
    else if (option == "--formats")
        options.formats = formatList(reader.valueOf(option));
    else
        return false;
    return true;
}

}  // namespace

std::string cliUsage() {
    const std::string limit = std::to_string(NormalCountLimit);
    return std::string(
               "Usage: quorvex-deal [options]\n"
               "       quorvex-deal check [--quiet] FILE...\n"
               "       quorvex-deal convert FILE --out DIR [--formats LIST] [--name TEXT] [--first-set N]\n"
               "                    [--double-dummy] [--hand-records] [--dealing-sheets] [--curtain-cards]\n"
               "                    [--force] [--quiet]\n"
               "       quorvex-deal audit [--alpha A] FILE...\n"
               "Deals random bridge boards into the main deal file and converts them for dealing machines;\n"
               "checks, converts and audits deal files read back (.qvw, .dlm, .dup, .bri, .dge, .txt, "
               ".pbn).\n"
               "\n"
               "  --id TEXT            identity text (letters, digits, spaces, hyphens); default ") +
           DefaultIdentityText +
           "\n"
           "  --entropy-text TEXT  replay a recorded entropy text (at least 39 digits); default: fresh\n"
           "                       entropy from the operating system, appended to the entropy log\n"
           "                       Int160.qvs\n"
           "  --show-entropy       also print the fresh entropy text (it is always logged)\n"
           "  --sets N             number of sets, 1.." +
           limit + " (default " + std::to_string(DefaultNumberOfSets) +
           ")\n"
           "  --boards N           boards per set, 1.." +
           limit + " (default " + std::to_string(DefaultBoardsPerSet) +
           ")\n"
           "  --first-set N        number of the first set, 1.." +
           std::to_string(FirstSetNumberLimit) + " (default " + std::to_string(DefaultFirstSetNumber) +
           ")\n"
           "  --test-mode          allow up to " +
           std::to_string(TestModeCountLimit) + " sets and " + std::to_string(TestModeCountLimit) +
           " boards per set\n"
           "  --skip-boards N      deal and discard N boards first, to reproduce a later run\n"
           "  --name TEXT          base file name (same characters as --id); default " +
           DefaultBaseFileName +
           "\n"
           "  --out DIR            output folder for the converted files; default: current folder\n"
           "  --work-dir DIR       folder of the main deal file and the entropy log; default: --out\n"
           "  --formats LIST       comma-separated from " +
           formatNames(",") +
           ", or all (default) or none\n"
           "  --double-dummy       add double-dummy tricks and par to the PBN files and hand records\n"
           "  --hand-records       write printable hand records, one HTML document per set\n"
           "  --dealing-sheets     write duplication sheets to deal the boards by hand, one HTML\n"
           "                       document per set\n"
           "  --curtain-cards      write curtain cards, a slip per seat of every board, one HTML\n"
           "                       document per set\n"
           "  --analysis           analyse the boards and print the report\n"
           "  --report FILE        analyse the boards and write the report to FILE\n"
           "  --force              replace set files and a report file that exist already\n"
           "  --quiet              print nothing on success\n"
           "  --help               show this help\n"
           "  --version            show the version\n"
           "Every option taking a value also accepts the form --option=value. A run that fails\n"
           "leaves every folder as it was.\n";
}

CliOptions parseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    ArgumentReader reader(arguments);
    // Counts are checked after all options are read, since --test-mode widens their limits.
    long long sets = options.numberOfSets, boards = options.boardsPerSet;
    while (reader.more()) {
        const std::string option = reader.takeOption();
        if (option == "--id")
            options.identityText = nameText(reader, option, NameUse::Identity);
        else if (option == "--entropy-text")
            options.entropyText = entropyText(reader);
        else if (option == "--sets")
            sets = reader.numberOf(option, 1, TestModeCountLimit);
        else if (option == "--boards")
            boards = reader.numberOf(option, 1, TestModeCountLimit);
        else if (option == "--skip-boards")
            options.skipBoards = static_cast<std::uint32_t>(reader.numberOf(option, 0, 1000000000));
        else if (option == "--work-dir")
            options.workFolder = folder(reader, option);
        else if (readOutputOption(reader, option, options))
            continue;
        else if (option == "--report")
            options.reportFile = reader.valueOf(option), options.analysis = true;
        else if (bool* flag = flagOf(options, option)) {
            reader.noValue(option);
            *flag = true;
        } else
            throw UsageError("unknown option '" + option + "' (see --help)");
    }
    const long long limit = countLimit(options.testMode);
    const std::string testModeLimit = " (" + std::to_string(TestModeCountLimit) + " with --test-mode)";
    if (sets > limit)
        throw UsageError("option --sets allows at most " + std::to_string(limit) + testModeLimit);
    if (boards > limit)
        throw UsageError("option --boards allows at most " + std::to_string(limit) + testModeLimit);
    options.numberOfSets = static_cast<int>(sets);
    options.boardsPerSet = static_cast<int>(boards);
    return options;
}

}  // namespace quorvex

namespace quorvex {

ConvertOptions parseConvertOptions(const std::vector<std::string>& arguments) {
    ConvertOptions convert;
    convert.options.outputFolder.clear();  // required: no set files land in a folder by chance
    ArgumentReader reader(arguments);
    while (reader.more()) {
        const std::string option = reader.takeOption();
        if (readOutputOption(reader, option, convert.options)) continue;
        if (bool* flag = outputFlagOf(convert.options, option)) {
            reader.noValue(option);
            *flag = true;
        } else if (option.starts_with("-") && option != "-") {
            throw UsageError("convert: unknown option '" + option + "' (see --help)");
        } else if (!convert.file.empty()) {
            throw UsageError("convert takes one file, not '" + convert.file + "' and '" + option + "'");
        } else {
            convert.file = option;
        }
    }
    if (convert.file.empty()) throw UsageError("convert needs the file to convert (see --help)");
    if (convert.options.outputFolder.empty()) throw UsageError("convert needs --out DIR (see --help)");
    return convert;
}

}  // namespace quorvex
