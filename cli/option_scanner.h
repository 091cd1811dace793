#pragma once
// The one grammar of every command of the dealer, after the GNU conventions:
//   --option value and --option=value for every option that takes a value;
//   a value that starts with "--" is taken only in the "=" form, so an option never
//   swallows the next option (--name --force is a usage error, not a file "--force01.dlm");
//   "--" ends the options, so a file named "--x.pbn" can be given after it; there are no
//   one-letter options, so "-x.pbn" is a file anywhere;
//   an option given twice is a usage error, not "the last one wins".
// A command is a table of Option rows; adding an option to a command is one row.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// A bad command line: the message names the offending option or argument.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One option as the scanner and the usage text see it.
struct OptionEntry {
    std::string name;   // "--sets"
    std::string value;  // the value's name in the usage text ("N"); empty for a switch
    std::string help;   // one line or more of the usage text
};

struct ScannedOption {
    std::size_t row;    // index of the option in the table scanned with
    std::string value;  // empty for a switch
};

struct ScannedArguments {
    std::vector<ScannedOption> options;  // in the order given
    std::vector<std::string> operands;   // every other argument, in order
};

// Splits `arguments` into the options of `table` and operands; throws UsageError for an
// unknown option, a missing or superfluous value, or an option given twice.
ScannedArguments scanArguments(const std::vector<std::string>& arguments,
                               const std::vector<OptionEntry>& table);

// The option rows of a usage text: the name and value in one column, the help beside it.
std::string optionLines(const std::vector<OptionEntry>& table);

// Checks of option values; each message names the option and the limits.
long long wholeNumberValue(std::string_view option, const std::string& text, long long low, long long high);
// A decimal number from `low` to `high`, both printed with `limits` ("from 0.000000001 to 0.5").
double decimalValue(std::string_view option, const std::string& text, double low, double high,
                    std::string_view limits);
// A path, `what` being "a folder" or "a file": an empty one (an unset shell variable) would
// put files where nobody meant them.
const std::string& pathValue(std::string_view option, const std::string& text, std::string_view what);

// An option of a command whose settings are a `Settings`: its entry and what it sets.
template <typename Settings>
struct Option {
    OptionEntry entry;
    void (*apply)(Settings& settings, const std::string& value);
};

template <typename Settings>
std::vector<OptionEntry> entriesOf(const std::vector<Option<Settings>>& table) {
    std::vector<OptionEntry> entries;
    for (const Option<Settings>& option : table) entries.push_back(option.entry);
    return entries;
}

// Scans `arguments` with `table` and applies each option given, in the order given, to
// `settings`; returns the operands.
template <typename Settings>
std::vector<std::string> applyArguments(const std::vector<Option<Settings>>& table,
                                        const std::vector<std::string>& arguments, Settings& settings) {
    ScannedArguments scanned = scanArguments(arguments, entriesOf(table));
    for (const ScannedOption& option : scanned.options) table[option.row].apply(settings, option.value);
    return std::move(scanned.operands);
}

}  // namespace quorvex
