// quorvex-deal: the command-line dealer. It runs exactly the core code the window runs, so
// the same identity, entropy text and settings give byte-identical files.
#include <iostream>

#include "cli/cli_options.h"
#include "cli/deal_file_commands.h"
#include "cli/fresh_entropy.h"
#include "common/error_texts.h"
#include "common/io_error.h"
#include "common/text_file.h"
#include "engine/deal_stream.h"
#include "entropy/entropy_log.h"
#include "hash/hash_registry.h"
#include "run/generation_run.h"

namespace {

using namespace quorvex;

RunSettings runSettingsOf(const CliOptions& options) {
    RunSettings settings;
    settings.counts = {static_cast<std::uint16_t>(options.numberOfSets),
                       static_cast<std::uint16_t>(options.boardsPerSet),
                       static_cast<std::uint16_t>(options.firstSetNumber)};
    settings.totalBoards =
        static_cast<std::uint32_t>(options.numberOfSets) * static_cast<std::uint32_t>(options.boardsPerSet);
    ConversionSettings& conversion = settings.conversion;
    conversion.formats = options.formats;
    conversion.identityText = options.identityText;
    conversion.programFolder = options.workFolder.value_or(options.outputFolder);
    conversion.outputFolder = options.outputFolder;
    conversion.baseFileName = options.baseFileName;
    settings.analysis = options.analysis;
    settings.decimalSeparator = '.';
    return settings;
}

void writeReport(const std::vector<std::string>& report, const CliOptions& options) {
    if (!options.reportFile) {
        for (const std::string& line : report) std::cout << line << '\n';
        return;
    }
    FileWriter file(*options.reportFile);
    for (const std::string& line : report) file.writeLine(line);
    file.close();
}

int deal(const CliOptions& options) {
    registerHashClasses();
    const RunSettings settings = runSettingsOf(options);
    const HashClass cls = seedingHashClass();
    if (!cls) throw EHashUnitMissing();

    std::string entropyText;
    if (options.entropyText) {
        entropyText = *options.entropyText;
    } else {
        entropyText = freshEntropyText();
        appendEntropyLog(settings.conversion.programFolder, entropyText);
    }

    DealStream stream;
    stream.seed(cls, options.identityText, entropyText);
    for (std::uint32_t skipped = 0; skipped < options.skipBoards; ++skipped) stream.nextDealNumber(cls);

    const RunResult result = runGeneration(stream, settings);
    if (options.analysis) writeReport(result.report, options);

    if (!options.quiet) {
        if (!options.entropyText) std::cout << "Entropy text (logged): " << entropyText << '\n';
        std::cout << "Boards dealt: " << settings.totalBoards << " (draw counter now " << stream.drawCounter()
                  << ")\n";
        std::cout << "Wrote " << result.mainDealFile << '\n';
        for (const std::string& file : result.filesWritten) std::cout << "Wrote " << file << '\n';
        if (options.reportFile) std::cout << "Wrote " << *options.reportFile << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = runDealFileCommand(std::vector<std::string>(argv + 1, argv + argc)))
        return *status;
    CliOptions options;
    try {
        options = parseCliOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "quorvex-deal: " << error.what() << '\n';
        return 2;
    }
    if (options.help) {
        std::cout << cliUsage();
        return 0;
    }
    if (options.version) {
        std::cout << versionText() << '\n';
        return 0;
    }
    try {
        return deal(options);
    } catch (const EInOutError& error) {
        std::cerr << "quorvex-deal: " << (error.path().empty() ? "" : error.path() + ": ")
                  << displayedErrorText(error.what()) << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "quorvex-deal: " << displayedErrorText(error.what()) << '\n';
        return 1;
    }
}
