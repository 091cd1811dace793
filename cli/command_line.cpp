#include "cli/command_line.h"

#include <algorithm>

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

std::string nameValue(std::string_view option, const std::string& text, NameUse use) {
    if (const auto breach = nameRuleBreach(text, use))
        throw UsageError("option " + std::string(option) + " " + *breach + ", not '" + text + "'");
    return text;
}

// A replayed text must look recorded: every recorded text holds 39 numbers, so at least 39
// digits. An empty or short text (an unset shell variable) would deal predictable boards.
std::string entropyTextValue(const std::string& text) {
    const auto digits = std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (text.find_first_not_of("0123456789-") != std::string::npos || digits < EntropyNumbersInText)
        throw UsageError(
            "option --entropy-text needs a recorded entropy text: digits and minus signs only, "
            "at least " +
            std::to_string(EntropyNumbersInText) + " digits, not '" + text + "'");
    return text;
}

int countValue(std::string_view option, const std::string& text) {
    // The normal limit is checked once every option is read, since --test-mode widens it.
    return static_cast<int>(wholeNumberValue(option, text, 1, TestModeCountLimit));
}

template <typename Settings>
Option<Settings> helpOption() {
    return {{"--help", "", "show this help"},
            [](Settings& settings, const std::string&) { settings.help = true; }};
}

// The options of the written files: where, which formats, under which names, with what.
// Dealing and convert take them alike.
std::vector<Option<CliOptions>> outputOptions() {
    const std::string limit = std::to_string(FirstSetNumberLimit);
    return {
        {{"--first-set", "N",
          "number of the first set, 1.." + limit + " (default " + std::to_string(DefaultFirstSetNumber) +
              ")"},
         [](CliOptions& o, const std::string& v) {
             o.firstSetNumber = static_cast<int>(wholeNumberValue("--first-set", v, 1, FirstSetNumberLimit));
         }},
        {{"--name", "TEXT",
          std::string("base file name (same characters as --id, may be empty); default ") +
              DefaultBaseFileName},
         [](CliOptions& o, const std::string& v) {
             o.baseFileName = nameValue("--name", v, NameUse::BaseFileName);
         }},
        {{"--out", "DIR", "output folder of the set files; default: the current folder\n(convert needs it)"},
         [](CliOptions& o, const std::string& v) { o.outputFolder = pathValue("--out", v, "a folder"); }},
        {{"--formats", "LIST", "comma-separated from " + formatNames(",") + ", or all (default) or none"},
         [](CliOptions& o, const std::string& v) { o.formats = formatList(v); }},
        {{"--double-dummy", "", "add double-dummy tricks and par to the PBN files and hand records"},
         [](CliOptions& o, const std::string&) { o.doubleDummy = true; }},
        {{"--hand-records", "", "write printable hand records, one HTML document per set"},
         [](CliOptions& o, const std::string&) { o.handRecords = true; }},
        {{"--dealing-sheets", "",
          "write duplication sheets to deal boards by hand, one HTML document per set"},
         [](CliOptions& o, const std::string&) { o.dealingSheets = true; }},
        {{"--curtain-cards", "", "write curtain cards, a slip per seat and board, one HTML document per set"},
         [](CliOptions& o, const std::string&) { o.curtainCards = true; }},
        {{"--force", "", "replace set files and a report file that exist already"},
         [](CliOptions& o, const std::string&) { o.force = true; }},
        {{"--quiet", "", "print nothing on success"},
         [](CliOptions& o, const std::string&) { o.quiet = true; }},
    };
}

std::vector<Option<CliOptions>> dealOptions() {
    const std::string limit = std::to_string(NormalCountLimit);
    const std::string testLimit = std::to_string(TestModeCountLimit);
    std::vector<Option<CliOptions>> options = {
        {{"--id", "TEXT",
          std::string("identity text (letters, digits, spaces, hyphens); default ") + DefaultIdentityText},
         [](CliOptions& o, const std::string& v) {
             o.identityText = nameValue("--id", v, NameUse::Identity);
         }},
        {{"--entropy-text", "TEXT",
          "replay a recorded entropy text (at least " + std::to_string(EntropyNumbersInText) +
              " digits); default: fresh\nentropy from the operating system, appended to the entropy "
              "log\nInt160.qvs"},
         [](CliOptions& o, const std::string& v) { o.entropyText = entropyTextValue(v); }},
        {{"--show-entropy", "", "also print the fresh entropy text (it is always logged)"},
         [](CliOptions& o, const std::string&) { o.showEntropy = true; }},
        {{"--sets", "N",
          "number of sets, 1.." + limit + " (default " + std::to_string(DefaultNumberOfSets) + ")"},
         [](CliOptions& o, const std::string& v) { o.numberOfSets = countValue("--sets", v); }},
        {{"--boards", "N",
          "boards per set, 1.." + limit + " (default " + std::to_string(DefaultBoardsPerSet) + ")"},
         [](CliOptions& o, const std::string& v) { o.boardsPerSet = countValue("--boards", v); }},
        {{"--test-mode", "", "allow up to " + testLimit + " sets and " + testLimit + " boards per set"},
         [](CliOptions& o, const std::string&) { o.testMode = true; }},
        {{"--skip-boards", "N", "deal and discard N boards first, to reproduce a later run"},
         [](CliOptions& o, const std::string& v) {
             o.skipBoards =
                 static_cast<std::uint32_t>(wholeNumberValue("--skip-boards", v, 0, MaximumSkippedBoards));
         }},
        {{"--work-dir", "DIR", "folder of the main deal file and the entropy log; default: --out"},
         [](CliOptions& o, const std::string& v) { o.workFolder = pathValue("--work-dir", v, "a folder"); }},
        {{"--analysis", "", "analyse the boards and print the report"},
         [](CliOptions& o, const std::string&) { o.analysis = true; }},
        {{"--report", "FILE", "analyse the boards and write the report to FILE"},
         [](CliOptions& o, const std::string& v) {
             o.reportFile = pathValue("--report", v, "a file name");
             o.analysis = true;
         }},
    };
    for (Option<CliOptions>& option : outputOptions()) options.push_back(std::move(option));
    options.push_back(helpOption<CliOptions>());
    options.push_back(
        {{"--version", "", "show the version"}, [](CliOptions& o, const std::string&) { o.version = true; }});
    return options;
}

std::vector<Option<CliOptions>> convertOptions() {
    std::vector<Option<CliOptions>> options = outputOptions();
    options.push_back(helpOption<CliOptions>());
    return options;
}

std::vector<Option<CheckCommand>> checkOptions() {
    return {{{"--quiet", "", "print only the problems"},
             [](CheckCommand& c, const std::string&) { c.quiet = true; }},
            helpOption<CheckCommand>()};
}

// The limits of --alpha as the usage and the messages print them.
constexpr char AuditAlphaRange[] = "from 0.000000001 to 0.5";

std::vector<Option<AuditCommand>> auditOptions() {
    return {{{"--alpha", "A",
              std::string("significance level of every test, ") + AuditAlphaRange + " (default 0.001)"},
             [](AuditCommand& c, const std::string& v) {
                 c.alpha = decimalValue("--alpha", v, SmallestAuditAlpha, LargestAuditAlpha, AuditAlphaRange);
             }},
            helpOption<AuditCommand>()};
}

struct HelpRequest {
    bool help = false;
};

std::vector<Option<HelpRequest>> helpOptions() { return {helpOption<HelpRequest>()}; }

CliOptions dealOptionsOf(const std::vector<std::string>& arguments) {
    CliOptions options;
    if (const auto operands = applyArguments(dealOptions(), arguments, options); !operands.empty())
        throw UsageError((operands.front().starts_with("-") ? "unknown option '" : "unknown command '") +
                         operands.front() + "'");
    const int limit = countLimit(options.testMode);
    const std::string testModeLimit = " (" + std::to_string(TestModeCountLimit) + " with --test-mode)";
    if (options.numberOfSets > limit)
        throw UsageError("option --sets allows at most " + std::to_string(limit) + testModeLimit);
    if (options.boardsPerSet > limit)
        throw UsageError("option --boards allows at most " + std::to_string(limit) + testModeLimit);
    return options;
}

// One command: its name, the words after it in its usage line, what it does, its options
// as the usage shows them, and how its arguments are read.
struct Command {
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;
    std::vector<OptionEntry> (*options)();
    CommandLine (*parse)(const std::vector<std::string>& arguments);
};

CommandLine printUsage(std::string_view command);

// check and audit: their options, then one deal file or more.
template <typename Settings>
CommandLine readFileCommand(std::string_view name, const std::vector<Option<Settings>>& table,
                            const std::vector<std::string>& arguments) {
    Settings settings;
    settings.files = applyArguments(table, arguments, settings);
    if (settings.help) return printUsage(name);
    if (settings.files.empty()) throw UsageError("name at least one deal file");
    return settings;
}

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"deal", "[deal] [options]",
         "Deals random bridge boards into the main deal file and converts them for dealing machines.",
         [] { return entriesOf(dealOptions()); },
         [](const std::vector<std::string>& arguments) -> CommandLine {
             CliOptions options = dealOptionsOf(arguments);
             if (options.help) return printUsage("deal");
             if (options.version) return PrintCommand{versionText() + '\n'};
             return DealCommand{std::move(options)};
         }},
        {CheckCommand::Name, "check [options] FILE...",
         "Reads deal files (.qvw, .dlm, .dup, .bri, .dge, .txt, .pbn) and reports each problem as\n"
         "\"file: board N: what\".",
         [] { return entriesOf(checkOptions()); },
         [](const std::vector<std::string>& arguments) {
             return readFileCommand<CheckCommand>(CheckCommand::Name, checkOptions(), arguments);
         }},
        {ConvertCommand::Name, "convert [options] --out DIR FILE",
         "Writes the boards of one deal file as one set, with the dealer's options of the written\nfiles.",
         [] { return entriesOf(convertOptions()); },
         [](const std::vector<std::string>& arguments) -> CommandLine {
             ConvertCommand convert;
             convert.options.outputFolder.clear();  // required: no set files land in a folder by chance
             std::vector<std::string> files = applyArguments(convertOptions(), arguments, convert.options);
             if (convert.options.help) return printUsage(ConvertCommand::Name);
             if (files.size() != 1)
                 throw UsageError(files.empty()
                                      ? "name the file to convert"
                                      : "convert takes one file, not " + std::to_string(files.size()));
             if (convert.options.outputFolder.empty()) throw UsageError("convert needs --out DIR");
             convert.file = std::move(files.front());
             return convert;
         }},
        {AuditCommand::Name, "audit [options] FILE...",
         "Tests all boards of the files against the exact probabilities of random dealing.",
         [] { return entriesOf(auditOptions()); },
         [](const std::vector<std::string>& arguments) {
             return readFileCommand<AuditCommand>(AuditCommand::Name, auditOptions(), arguments);
         }},
        {"help", "help [COMMAND]", "Shows the usage of the command named, or of every command.",
         [] { return entriesOf(helpOptions()); },
         [](const std::vector<std::string>& arguments) -> CommandLine {
             HelpRequest request;
             const std::vector<std::string> names = applyArguments(helpOptions(), arguments, request);
             if (request.help) return printUsage("help");
             if (names.size() > 1) throw UsageError("help takes one command name");
             return PrintCommand{names.empty() ? cliUsage() : commandUsage(names.front())};
         }},
    };
    return table;
}

const Command* findCommand(std::string_view name) {
    for (const Command& command : commands())
        if (command.name == name) return &command;
    return nullptr;
}

const Command& namedCommand(const std::string& name) {
    const Command* found = findCommand(name);
    if (!found) throw UsageError("unknown command '" + name + "'");
    return *found;
}

// Dealing is the program's default command, so its usage is the program's whole usage.
std::string usageOf(const Command& command) {
    if (command.name == "deal") return cliUsage();
    return "Usage: quorvex-deal " + std::string(command.synopsis) + "\n" + std::string(command.summary) +
           "\n\n" + optionLines(command.options());
}

CommandLine printUsage(std::string_view command) { return PrintCommand{commandUsage(std::string(command))}; }

}  // namespace

std::string cliUsage() {
    std::string text;
    for (const Command& command : commands())
        text += (text.empty() ? "Usage: quorvex-deal " : "  or:  quorvex-deal ") +
                std::string(command.synopsis) + '\n';
    text +=
        "Deals random bridge boards into the main deal file and converts them for dealing machines;\n"
        "checks, converts and audits deal files read back (.qvw, .dlm, .dup, .bri, .dge, .txt, .pbn).\n";
    for (const Command& command : commands()) {
        if (command.name == "help") continue;  // its one option is the --help every command has
        text += "\n" +
                (command.name == "deal" ? std::string("Dealing options (the default command)")
                                        : std::string(command.name) + " options") +
                ":\n" + optionLines(command.options());
    }
    return text +
           "\nEvery option taking a value also accepts the form --option=value, and a value starting\n"
           "with -- only in that form. An option is given at most once; -- ends the options.\n"
           "A run that fails leaves every folder as it was.\n";
}

std::vector<OptionEntry> commandOptions(const std::string& command) {
    return namedCommand(command).options();
}

std::string commandUsage(const std::string& command) { return usageOf(namedCommand(command)); }

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    const Command* command = arguments.empty() ? nullptr : findCommand(arguments.front());
    const std::vector<std::string> rest(arguments.begin() + (command ? 1 : 0), arguments.end());
    const std::string name = command ? std::string(command->name) : std::string();
    try {
        return (command ? *command : *findCommand("deal")).parse(rest);
    } catch (const UsageError& error) {
        const std::string see = name.empty() || name == "help" ? "--help" : "help " + name;
        throw CommandLineError(name, std::string(error.what()) + " (see quorvex-deal " + see + ")");
    }
}

CliOptions parseCliOptions(const std::vector<std::string>& arguments) { return dealOptionsOf(arguments); }

}  // namespace quorvex
