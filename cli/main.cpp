// quorvex-deal: the command-line dealer. It runs exactly the core code the window runs, so
// the same identity, entropy text and settings give byte-identical files.
#include <cerrno>
#include <iostream>

#include "cli/cli_options.h"
#include "cli/deal_file_commands.h"
#include "cli/fresh_entropy.h"
#include "cli/run_progress_display.h"
#include "cli/standard_output.h"
#include "common/date_text.h"
#include "common/error_texts.h"
#include "common/interrupt_cleanup.h"
#include "common/io_error.h"
#include "common/text_file.h"
#include "engine/deal_stream.h"
#include "entropy/entropy_log.h"
#include "formats/check/board_problems.h"
#include "formats/readers/deal_file_reader.h"
#include "hash/hash_registry.h"
#include "run/deal_file_conversion.h"
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
    conversion.runDate = localToday();
    settings.analysis = options.analysis;
    settings.doubleDummy = options.doubleDummy;
    settings.handRecords = options.handRecords;
    settings.decimalSeparator = '.';
    settings.reportFile = options.reportFile.value_or("");
    settings.replaceExisting = options.force;
    return settings;
}

bool printsOnStandardOutput(const CliOptions& options) {
    return !options.quiet || (options.analysis && !options.reportFile);
}

int deal(const CliOptions& options, bool outputOpen) {
    registerHashClasses();
    const RunSettings settings = runSettingsOf(options);
    if (!outputOpen && printsOnStandardOutput(options)) throw ioErrorFromErrno(EBADF, StandardOutputName);

    // Everything is checked and every folder locked before the entropy is logged or a
    // board dealt.
    GenerationRun run(settings);
    const std::string logPath = entropyLogPath(settings.conversion.programFolder);
    std::string entropyText;
    if (options.entropyText) {
        entropyText = *options.entropyText;
    } else {
        entropyText = freshEntropyText();
        appendEntropyLog(settings.conversion.programFolder, entropyText);
    }

    DealStream stream;
    stream.seed(seedingHashClass(), options.identityText, entropyText);
    for (std::uint32_t skipped = 0; skipped < options.skipBoards; ++skipped)
        stream.nextDealNumber(seedingHashClass());

    WorkProgress progress;
    RunResult result;
    {
        const RunProgressDisplay display(progress, !options.quiet);
        result = run.deal(stream, &progress);
    }
    if (options.analysis && !options.reportFile) {
        for (const std::string& line : result.report) std::cout << line << '\n';
        flushStandardOutput();  // a report that cannot be shown fails the run before its files are published
    }
    run.publish();

    if (!options.quiet) {
        if (!options.entropyText) {
            if (options.showEntropy)
                std::cout << "Entropy text (logged): " << entropyText << '\n';
            else
                std::cout << "Entropy text logged in " << logPath << '\n';
        }
        std::cout << "Boards dealt: " << settings.totalBoards << " (draw counter now " << stream.drawCounter()
                  << ")\n";
        std::cout << "Wrote " << result.mainDealFile << '\n';
        for (const std::string& file : result.filesWritten) std::cout << "Wrote " << file << '\n';
        if (options.reportFile) std::cout << "Wrote " << *options.reportFile << '\n';
    }
    closeStandardOutput();
    return 0;
}

// Writes the boards of `path` as one set, through the same run as dealt boards.
int convert(const std::string& path, const CliOptions& options, bool outputOpen) {
    if (!outputOpen && !options.quiet) throw ioErrorFromErrno(EBADF, StandardOutputName);
    const DealFile file = readDealFile(path);
    for (const std::string& warning : conversionWarnings(file))
        std::cerr << "quorvex-deal: warning: " << warning << '\n';
    WorkProgress progress;
    RunResult result;
    {
        const RunProgressDisplay display(progress, !options.quiet);
        result = convertDealFile(file, conversionSettingsOf(file, runSettingsOf(options)), &progress);
    }
    if (!options.quiet)
        for (const std::string& written : result.filesWritten) std::cout << "Wrote " << written << '\n';
    closeStandardOutput();
    return 0;
}

void printError(const std::exception& error, const std::string& path, const std::string& hint = {}) {
    std::cerr << "quorvex-deal: " << (path.empty() ? "" : path + ": ") << displayedErrorText(error.what())
              << hint << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    const bool outputOpen = guardStandardStreams();
    installInterruptCleanup();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (const std::optional<int> status = runDealFileCommand(arguments)) return *status;
    const bool converting = !arguments.empty() && arguments.front() == "convert";
    CliOptions options;
    std::string fileToConvert;
    try {
        if (converting) {
            ConvertOptions convertOptions =
                parseConvertOptions(std::vector<std::string>(arguments.begin() + 1, arguments.end()));
            options = std::move(convertOptions.options);
            fileToConvert = std::move(convertOptions.file);
        } else {
            options = parseCliOptions(arguments);
        }
    } catch (const UsageError& error) {
        std::cerr << "quorvex-deal: " << error.what() << '\n';
        return 2;
    }
    try {
        if (options.help || options.version) {
            std::cout << (options.help ? cliUsage() : versionText() + '\n');
            closeStandardOutput();
            return 0;
        }
        return converting ? convert(fileToConvert, options, outputOpen) : deal(options, outputOpen);
    } catch (const EFileWrittenTwice& error) {
        printError(error, error.path(), " (check --report, --out and --work-dir)");
        return 2;
    } catch (const EFilesExist& error) {
        const std::string existing = error.count == 1
                                         ? "1 file of this run exists"
                                         : std::to_string(error.count) + " files of this run exist";
        printError(error, error.path(), " (" + existing + "; --force replaces them)");
        return 1;
    } catch (const EWorkCancelled& cancelled) {
        std::cerr << cancelled.what() << '\n';
        return 1;
    } catch (const EInOutError& error) {
        printError(error, error.path());
        return 1;
    } catch (const std::exception& error) {
        printError(error, {});
        return 1;
    }
}
