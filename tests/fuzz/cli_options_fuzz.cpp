// The dealer's command line, every command: the input is split at zero bytes into arguments.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    try {
        const quorvex::CommandLine commandLine = quorvex::parseCommandLine(arguments);
        if (const auto* deal = std::get_if<quorvex::DealCommand>(&commandLine))
            if (deal->options.numberOfSets < 1 || deal->options.boardsPerSet < 1) __builtin_trap();
        if (const auto* convert = std::get_if<quorvex::ConvertCommand>(&commandLine))
            if (convert->file.empty() || convert->options.outputFolder.empty()) __builtin_trap();
        if (const auto* check = std::get_if<quorvex::CheckCommand>(&commandLine))
            if (check->files.empty()) __builtin_trap();
        if (const auto* audit = std::get_if<quorvex::AuditCommand>(&commandLine))
            if (!(audit->alpha > 0 && audit->alpha <= 0.5)) __builtin_trap();
    } catch (const quorvex::UsageError&) {
    }
    return 0;
}
