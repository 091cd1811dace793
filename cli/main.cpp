// quorvex-deal: the command-line dealer. It runs exactly the core code the window runs, so
// the same identity, entropy text and settings give byte-identical files.
#include <cerrno>
#include <iostream>
#include <memory>
#include <new>
#include <variant>

#include "cli/command_line.h"
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
    settings.dealingSheets = options.dealingSheets;
    settings.curtainCards = options.curtainCards;
    settings.decimalSeparator = '.';
    settings.reportFile = options.reportFile.value_or("");
    settings.replaceExisting = options.force;
    return settings;
}

// Publishes with the interrupts held back. One that came meanwhile came too late to cancel
// anything: the files are in place and the run has succeeded, so it says so and ends well.
void publishHoldingInterrupts(GenerationRun& run) {
    int late = 0;
    {
        InterruptsDeferred deferred;
        run.publish();
        late = deferred.takePending();
    }
    if (late != 0)
        std::cerr
            << "quorvex-deal: " << interruptName(late)
            << " came while the files were being published, too late to cancel; the run has completed.\n";
}

bool printsOnStandardOutput(const CliOptions& options) {
    return !options.quiet || (options.analysis && !options.reportFile);
}

// A command that has something to print fails at once when standard output is closed.
void requireStandardOutput(bool outputOpen) {
    if (!outputOpen) throw ioErrorFromErrno(EBADF, StandardOutputName);
}

int deal(const CliOptions& options, bool outputOpen) {
    registerHashClasses();
    const RunSettings settings = runSettingsOf(options);
    if (printsOnStandardOutput(options)) requireStandardOutput(outputOpen);

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
    // Everything the run prints is out before its files are published: output that cannot
    // be written fails the run while the folders are still as they were.
    if (options.analysis && !options.reportFile)
        for (const std::string& line : result.report) std::cout << line << '\n';
    if (!options.quiet) {
        if (!options.entropyText) {
            if (options.showEntropy)
                std::cout << "Entropy text (logged): " << entropyText << '\n';
            else
                std::cout << "Entropy text logged in " << logPath << '\n';
        }
        std::cout << "Boards dealt: " << settings.totalBoards() << " (draw counter now "
                  << stream.drawCounter() << ")\n";
        std::cout << "Wrote " << result.mainDealFile << '\n';
        for (const std::string& file : result.filesWritten) std::cout << "Wrote " << file << '\n';
        if (options.reportFile) std::cout << "Wrote " << *options.reportFile << '\n';
    }
    flushStandardOutput();
    publishHoldingInterrupts(run);
    closeStandardOutput();
    return 0;
}

// Writes the boards of `path` as one set, through the same run as dealt boards.
int convert(const std::string& path, const CliOptions& options, bool outputOpen) {
    if (!options.quiet) requireStandardOutput(outputOpen);
    const DealFile file = readDealFile(path);
    for (const std::string& warning : conversionWarnings(file))
        std::cerr << "quorvex-deal: warning: " << warning << '\n';
    const std::unique_ptr<GenerationRun> run =
        conversionRun(file, conversionSettingsOf(file, runSettingsOf(options)));
    WorkProgress progress;
    RunResult result;
    {
        const RunProgressDisplay display(progress, !options.quiet);
        result = run->convert(&progress);
    }
    if (!options.quiet)
        for (const std::string& written : result.filesWritten) std::cout << "Wrote " << written << '\n';
    flushStandardOutput();  // before publishing, as for a dealing run
    publishHoldingInterrupts(*run);
    closeStandardOutput();
    return 0;
}

// Every failure of every command is printed here, as "quorvex-deal[ command]: [path: ]text";
// returns the exit status: 2 for a usage error, 1 for any other.
int reportFailure(const std::string& command, const std::string& path, const std::string& text, int status) {
    std::cerr << "quorvex-deal" << (command.empty() ? "" : " " + command) << ": "
              << (path.empty() ? "" : path + ": ") << text << '\n';
    return status;
}

// The name the messages of a command start with: none for dealing.
std::string commandName(const CommandLine& commandLine) {
    return std::visit(
        [](const auto& command) -> std::string {
            if constexpr (requires { std::decay_t<decltype(command)>::Name; })
                return std::decay_t<decltype(command)>::Name;
            return "";
        },
        commandLine);
}

int run(const CommandLine& commandLine, bool outputOpen) {
    if (const auto* dealing = std::get_if<DealCommand>(&commandLine))
        return deal(dealing->options, outputOpen);
    if (const auto* conversion = std::get_if<ConvertCommand>(&commandLine))
        return convert(conversion->file, conversion->options, outputOpen);
    requireStandardOutput(outputOpen);
    int status = 0;
    if (const auto* check = std::get_if<CheckCommand>(&commandLine))
        status = runCheckCommand(*check);
    else if (const auto* audit = std::get_if<AuditCommand>(&commandLine))
        status = runAuditCommand(*audit);
    else
        std::cout << std::get<PrintCommand>(commandLine).text;
    closeStandardOutput();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const bool outputOpen = guardStandardStreams();
    installInterruptCleanup();
    CommandLine commandLine;
    try {
        commandLine = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const CommandLineError& error) {
        return reportFailure(error.command, {}, error.what(), 2);
    }
    const std::string command = commandName(commandLine);
    try {
        return run(commandLine, outputOpen);
    } catch (const EFileWrittenTwice& error) {
        return reportFailure(command, error.path(),
                             displayedErrorText(error.what()) + " (check --report, --out and --work-dir)", 2);
    } catch (const EOutputIsInput& error) {
        return reportFailure(command, error.path(),
                             displayedErrorText(error.what()) + " (choose another --out or --name)", 2);
    } catch (const EFilesExist& error) {
        const std::string existing = error.count == 1
                                         ? "1 file of this run exists"
                                         : std::to_string(error.count) + " files of this run exist";
        return reportFailure(command, error.path(),
                             displayedErrorText(error.what()) + " (" + existing + "; --force replaces them)",
                             1);
    } catch (const EWorkCancelled& cancelled) {
        std::cerr << cancelled.what() << '\n';
        return 1;
    } catch (const EInOutError& error) {
        return reportFailure(command, error.path(), displayedErrorText(error.what()), 1);
    } catch (const std::bad_alloc&) {
        return reportFailure(command, {}, displayedErrorText(error_text::OutOfMemory), 1);
    } catch (const std::exception& error) {
        return reportFailure(command, {}, displayedErrorText(error.what()), 1);
    }
}
