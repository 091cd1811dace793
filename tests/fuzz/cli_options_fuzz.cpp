// The dealer's command line, for dealing and for convert: the input is split at zero bytes
// into arguments.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    try {
        const quorvex::CliOptions options = quorvex::parseCliOptions(arguments);
        if (options.numberOfSets < 1 || options.boardsPerSet < 1) __builtin_trap();
    } catch (const quorvex::UsageError&) {
    }
    try {
        const quorvex::ConvertOptions convert = quorvex::parseConvertOptions(arguments);
        if (convert.file.empty() || convert.options.firstSetNumber < 1) __builtin_trap();
    } catch (const quorvex::UsageError&) {
    }
    return 0;
}
