#include "cli/option_scanner.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quorvex {

namespace {

std::size_t rowOf(std::string_view name, const std::vector<OptionEntry>& table) {
    for (std::size_t row = 0; row < table.size(); ++row)
        if (table[row].name == name) return row;
    throw UsageError("unknown option '" + std::string(name) + "'");
}

}  // namespace

ScannedArguments scanArguments(const std::vector<std::string>& arguments,
                               const std::vector<OptionEntry>& table) {
    ScannedArguments scanned;
    std::vector<bool> given(table.size(), false);
    for (std::size_t next = 0; next < arguments.size(); ++next) {
        const std::string& argument = arguments[next];
        if (argument == "--") {
            scanned.operands.insert(scanned.operands.end(), arguments.begin() + next + 1, arguments.end());
            break;
        }
        // There are no one-letter options, so "-x.pbn" (and "-") is a file as it always was.
        if (!argument.starts_with("--")) {
            scanned.operands.push_back(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::size_t row = rowOf(std::string_view(argument).substr(0, equals), table);
        const OptionEntry& entry = table[row];
        if (given[row]) throw UsageError("option " + entry.name + " is given twice");
        given[row] = true;
        ScannedOption option{row, {}};
        if (entry.value.empty()) {
            if (equals != std::string::npos) throw UsageError("option " + entry.name + " takes no value");
        } else if (equals != std::string::npos) {
            option.value = argument.substr(equals + 1);
        } else if (next + 1 < arguments.size() && !arguments[next + 1].starts_with("--")) {
            option.value = arguments[++next];
        } else {
            throw UsageError("option " + entry.name + " needs a value (" + entry.value + "; write " +
                             entry.name + "=VALUE for a value starting with --)");
        }
        scanned.options.push_back(std::move(option));
    }
    return scanned;
}

std::string optionLines(const std::vector<OptionEntry>& table) {
    constexpr std::size_t HelpColumn = 23;
    std::string lines;
    for (const OptionEntry& option : table) {
        std::string head = "  " + option.name + (option.value.empty() ? "" : " " + option.value);
        head.resize(std::max(head.size() + 2, HelpColumn), ' ');
        std::size_t start = 0;
        do {
            const std::size_t end = option.help.find('\n', start);
            lines += head + option.help.substr(start, end - start) + '\n';
            head.assign(HelpColumn, ' ');
            start = end == std::string::npos ? end : end + 1;
        } while (start != std::string::npos);
    }
    return lines;
}

long long wholeNumberValue(std::string_view option, const std::string& text, long long low, long long high) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw UsageError("option " + std::string(option) + " needs a whole number from " +
                         std::to_string(low) + " to " + std::to_string(high) + ", not '" + text + "'");
    return value;
}

double decimalValue(std::string_view option, const std::string& text, double low, double high,
                    std::string_view limits) {
    char* end = nullptr;
    const double value = text.empty() ? NAN : std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(value >= low && value <= high))
        throw UsageError("option " + std::string(option) + " needs a number " + std::string(limits) +
                         ", not '" + text + "'");
    return value;
}

const std::string& pathValue(std::string_view option, const std::string& text, std::string_view what) {
    if (text.empty())
        throw UsageError("option " + std::string(option) + " needs " + std::string(what) +
                         ", not an empty text");
    return text;
}

}  // namespace quorvex
