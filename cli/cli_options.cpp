#include "cli/cli_options.h"

#include <charconv>

#include "common/name_text.h"

namespace quorvex {

namespace {

// "dlm,dup,bri,dge,df": the names --formats takes, in writing order.
std::string formatNames(std::string_view separator) {
    std::string names;
    for (const OutputFormat& format : OutputFormats) {
        if (!names.empty()) names += separator;
        names += format.name;
    }
    return names;
}

class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    bool more() const { return next_ < arguments_.size(); }
    const std::string& take() { return arguments_[next_++]; }

    const std::string& valueOf(const std::string& option) {
        if (!more()) throw UsageError("option " + option + " needs a value");
        return take();
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
};

std::string nameText(ArgumentReader& reader, const std::string& option) {
    const std::string& text = reader.valueOf(option);
    if (!isNameText(text))
        throw UsageError("option " + option + " accepts only letters, digits, spaces and hyphens, not '" +
                         text + "'");
    return text;
}

// An empty folder would put the files at the file-system root, since paths join with a separator.
std::string folder(ArgumentReader& reader, const std::string& option) {
    const std::string& text = reader.valueOf(option);
    if (text.empty()) throw UsageError("option " + option + " needs a folder, not an empty text");
    return text;
}

std::string entropyText(ArgumentReader& reader) {
    const std::string& text = reader.valueOf("--entropy-text");
    if (text.find_first_not_of("0123456789-") != std::string::npos)
        throw UsageError("option --entropy-text accepts only digits and minus signs, not '" + text + "'");
    return text;
}

}  // namespace

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

std::string cliUsage() {
    const std::string limit = std::to_string(NormalCountLimit);
    return std::string(
               "Usage: quorvex-deal [options]\n"
               "       quorvex-deal check [--quiet] FILE...\n"
               "       quorvex-deal convert FILE --out DIR [--formats LIST] [--name BASE] [--first-set N] "
               "[--force] [--quiet]\n"
               "       quorvex-deal audit [--alpha A] FILE...\n"
               "Deals random bridge boards into the main deal file and converts them for dealing machines;\n"
               "checks, converts and audits deal files read back (.qvw, .dlm, .dup, .bri, .dge, .txt, "
               ".pbn).\n"
               "\n"
               "  --id TEXT            identity text (letters, digits, spaces, hyphens); default ") +
           DefaultIdentityText +
           "\n"
           "  --entropy-text TEXT  replay a recorded entropy text; default: fresh entropy from the\n"
           "                       operating system, appended to the entropy log Int160.qvs\n"
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
           "  --analysis           analyse the boards and print the report\n"
           "  --report FILE        analyse the boards and write the report to FILE\n"
           "  --quiet              print nothing on success\n"
           "  --help               show this help\n"
           "  --version            show the version\n";
}

CliOptions parseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    ArgumentReader reader(arguments);
    // Counts are checked after all options are read, since --test-mode widens their limits.
    long long sets = options.numberOfSets, boards = options.boardsPerSet;
    while (reader.more()) {
        const std::string option = reader.take();
        if (option == "--id")
            options.identityText = nameText(reader, option);
        else if (option == "--entropy-text")
            options.entropyText = entropyText(reader);
        else if (option == "--sets")
            sets = reader.numberOf(option, 1, TestModeCountLimit);
        else if (option == "--boards")
            boards = reader.numberOf(option, 1, TestModeCountLimit);
        else if (option == "--first-set")
            options.firstSetNumber = static_cast<int>(reader.numberOf(option, 1, FirstSetNumberLimit));
        else if (option == "--skip-boards")
            options.skipBoards = static_cast<std::uint32_t>(reader.numberOf(option, 0, 1000000000));
        else if (option == "--name")
            options.baseFileName = nameText(reader, option);
        else if (option == "--out")
            options.outputFolder = folder(reader, option);
        else if (option == "--work-dir")
            options.workFolder = folder(reader, option);
        else if (option == "--formats")
            options.formats = formatList(reader.valueOf(option));
        else if (option == "--analysis")
            options.analysis = true;
        else if (option == "--report")
            options.reportFile = reader.valueOf(option), options.analysis = true;
        else if (option == "--test-mode")
            options.testMode = true;
        else if (option == "--quiet")
            options.quiet = true;
        else if (option == "--help")
            options.help = true;
        else if (option == "--version")
            options.version = true;
        else
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
