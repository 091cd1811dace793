#include "run/generation_run.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "analysis/analysis_report.h"
#include "analysis/board_analysis.h"
#include "analysis/double_dummy.h"
#include "common/ascii_case.h"
#include "common/folder_lock.h"
#include "common/name_text.h"
#include "common/path_limits.h"
#include "common/paths.h"
#include "common/resolved_paths.h"
#include "common/text_file.h"
#include "engine/deal_stream.h"
#include "entropy/entropy_log.h"
#include "formats/convert_main_deal_file.h"
#include "formats/curtain_card_writer.h"
#include "formats/dealing_sheet_writer.h"
#include "formats/hand_record_writer.h"
#include "formats/set_file_name.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

struct PrintedDocument {
    std::string_view extension;
    SetFilesWriter write;
};

// The printed documents a run writes, in the order written.
std::vector<PrintedDocument> printedDocuments(const RunSettings& settings) {
    std::vector<PrintedDocument> documents;
    if (settings.handRecords) documents.push_back({HandRecordExtension, writeHandRecordFiles});
    if (settings.dealingSheets) documents.push_back({DealingSheetExtension, writeDealingSheetFiles});
    if (settings.curtainCards) documents.push_back({CurtainCardExtension, writeCurtainCardFiles});
    return documents;
}

// The files a run writes besides the main deal file: set files, printed documents, then
// the report.
std::vector<std::string> outputFiles(const RunSettings& settings) {
    std::vector<std::string> files = setFilePaths(settings.conversion, settings.counts);
    const MainDealHeader& counts = settings.counts;
    for (const PrintedDocument& document : printedDocuments(settings))
        for (unsigned set = counts.firstSetNumber; set < counts.firstSetNumber + counts.setCount; ++set)
            files.push_back(SetFileName(settings.conversion.outputFolder, settings.conversion.baseFileName,
                                        set, document.extension));
    if (!settings.reportFile.empty()) files.push_back(settings.reportFile);
    return files;
}

// One spelling per file: the folder with its links resolved, then the name. Windows
// compares names without regard to case.
class FileKeys {
public:
    std::string keyOf(const std::string& path) {
        std::string key = resolved_.path(path);
#ifdef _WIN32
        std::transform(key.begin(), key.end(), key.begin(), asciiLower);
#endif
        return key;
    }
    std::string folderKeyOf(const std::string& folder) { return keyOf(joinPath(folder, "x")); }

private:
    ResolvedPaths resolved_;
};

// Every board of the main deal file with its number within its set.
std::vector<DoubleDummyBoard> boardsToSolve(const ConversionSettings& conversion) {
    TextFileReader reader(mainDealFileToRead(conversion));
    const MainDealHeader header = ReadMainDealHeader(reader);
    std::vector<DoubleDummyBoard> boards(std::size_t{header.setCount} * header.boardsPerSet);
    for (std::size_t index = 0; index < boards.size(); ++index) {
        const ValidBoardLine line = readBoardLine(reader);
        for (std::size_t field = 0; field < CardsPerDeal; ++field)
            boards[index].cards[field] = static_cast<std::uint8_t>(line.card(field));
        boards[index].boardNumber = static_cast<unsigned>(index % header.boardsPerSet) + 1;
    }
    return boards;
}

// Double dummy is solved once, for whichever outputs print it; not at all when none does.
bool solvesDoubleDummy(const RunSettings& settings) {
    const bool pbnWritten = settings.conversion.formats.test(findOutputFormat("pbn").value());
    return settings.doubleDummy && (pbnWritten || settings.handRecords);
}

void checkName(std::string_view name, NameUse use, const std::string& path) {
    if (nameRuleBreach(name, use)) throw ioErrorOfCode(io_code::PathNotFound, path);
}

}  // namespace

GenerationRun::GenerationRun(const RunSettings& settings) : settings_(settings) {
    if (!seedingHashClass()) throw EHashUnitMissing();
    const ConversionSettings& conversion = settings_.conversion;
    mainDealFile_ = mainDealFilePath(conversion.programFolder, conversion.identityText);
    checkName(conversion.identityText, NameUse::Identity, mainDealFile_);
    checkAndLock();
}

GenerationRun::GenerationRun(const RunSettings& settings, std::vector<ByHandDeal> boards,
                             std::vector<DoubleDummyTable> doubleDummy)
    : settings_(settings), dealing_(false), boards_(std::move(boards)), doubleDummy_(std::move(doubleDummy)) {
    const ConversionSettings& conversion = settings_.conversion;
    mainDealFile_ = mainDealFilePath(conversion.outputFolder, conversion.baseFileName);
    checkAndLock();
}

void GenerationRun::checkAndLock() {
    const ConversionSettings& conversion = settings_.conversion;
    checkName(conversion.baseFileName, NameUse::BaseFileName,
              joinPath(conversion.outputFolder, conversion.baseFileName));

    if (doubleDummy_.empty() && solvesDoubleDummy(settings_)) checkDoubleDummyAvailable();

    const std::vector<std::string> outputs = outputFiles(settings_);
    std::vector<std::string> folders = {conversion.programFolder, conversion.outputFolder};
    if (!settings_.reportFile.empty()) folders.push_back(folderOf(settings_.reportFile));
    for (const std::string& folder : folders) checkFolderExists(folder);

    // A conversion's main deal file only ever has its temporary name.
    std::vector<std::string> written = outputs;
    PathLimits limits;
    limits.check(temporaryPathOf(mainDealFile_));
    if (dealing_) written.push_back(mainDealFile_);
    for (const std::string& path : written) {
        limits.check(temporaryPathOf(path));
        // Without leave to replace them, the outputs are looked at once, under the lock, below.
        if (settings_.replaceExisting || path == mainDealFile_) checkRenameTarget(path);
    }

    // No file twice: the report onto the main deal file, a set file, the log or a lock file.
    FileKeys keys;
    std::vector<std::pair<std::string, std::string>> named;
    for (const std::string& path : written) named.emplace_back(keys.keyOf(path), path);
    named.emplace_back(keys.keyOf(entropyLogPath(conversion.programFolder)),
                       entropyLogPath(conversion.programFolder));
    std::map<std::string, std::string> lockedFolders;  // key -> folder as given
    for (const std::string& folder : folders) lockedFolders.emplace(keys.folderKeyOf(folder), folder);
    for (const auto& [key, folder] : lockedFolders)
        for (const char* name : {FolderLockFileName, PublishJournalFileName})
            named.emplace_back(keys.keyOf(joinPath(folder, name)), joinPath(folder, name));
    std::vector<std::pair<std::string, std::string>> sorted = named;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 1; i < sorted.size(); ++i)
        if (sorted[i].first == sorted[i - 1].first) {
            // Name the file as the director gave it: the report when it is involved.
            const std::string& path =
                sorted[i].second == settings_.reportFile ? sorted[i].second : sorted[i - 1].second;
            throw EFileWrittenTwice(path);
        }

    std::vector<std::string> locked;
    for (const auto& [key, folder] : lockedFolders) {
        locks_.push_back(std::make_unique<FolderLock>(folder));
        locked.push_back(folder);
    }
    // What a killed run left: first its publishing is finished, then its temporaries go.
    for (const std::string& folder : locked) finishInterruptedPublishing(folder, locked);
    for (const std::string& folder : locked) removeLeftoverTemporaries(folder);

    if (!settings_.replaceExisting) {
        const std::vector<std::string> existing = existingRunFiles(settings_);
        for (const std::string& path : existing) checkRenameTarget(path);  // a folder or link refused as such
        if (!existing.empty()) throw EFilesExist(existing.front(), existing.size());
    }
}

GenerationRun::~GenerationRun() = default;

namespace {

// Errors name the files the director knows, not their temporary names; a conversion's
// scratch main deal file, which the director never sees, is named by its folder.
template <typename Work>
RunResult withFinalPaths(Work work, const std::string& scratch = {}, const std::string& scratchFolder = {}) {
    try {
        return work();
    } catch (const EInOutError& error) {
        const std::string path = finalPathOf(error.path());
        throw EInOutError(error.code(), error.what(),
                          !scratch.empty() && path == scratch ? scratchFolder : path);
    }
}

}  // namespace

RunResult GenerationRun::deal(DealStream& stream, WorkProgress* progress) {
    if (!dealing_) throw std::logic_error("a conversion writes its boards, it does not deal");
    return withFinalPaths([&] { return dealIntoTemporaries(stream, progress); });
}

RunResult GenerationRun::convert(WorkProgress* progress) {
    if (dealing_) throw std::logic_error("a dealing run has no boards to write");
    return withFinalPaths([&] { return convertIntoTemporaries(progress); }, mainDealFile_,
                          settings_.conversion.outputFolder);
}

RunResult GenerationRun::dealIntoTemporaries(DealStream& stream, WorkProgress* progress) {
    RunResult result;
    result.mainDealFile = mainDealFile_;
    ConversionSettings conversion = settings_.conversion;
    conversion.progress = progress;
    conversion.mainDealFile = files_.stage(mainDealFile_);
    beginProgress(progress, "Boards dealt", settings_.totalBoards());
    writeMainDealFile(conversion.mainDealFile, settings_.counts, settings_.totalBoards(), stream,
                      seedingHashClass(), progress);
    writeFromMainDealFile(conversion, result, progress);
    return result;
}

RunResult GenerationRun::convertIntoTemporaries(WorkProgress* progress) {
    RunResult result;
    ConversionSettings conversion = settings_.conversion;
    conversion.progress = progress;
    conversion.mainDealFile = scratch_.stage(mainDealFile_);
    writeMainDealFile(conversion.mainDealFile, settings_.counts, boards_);
    writeFromMainDealFile(conversion, result, progress);
    return result;
}

void GenerationRun::writeFromMainDealFile(ConversionSettings& conversion, RunResult& result,
                                          WorkProgress* progress) {
    if (doubleDummy_.empty() && solvesDoubleDummy(settings_))
        doubleDummy_ = solveDoubleDummy(boardsToSolve(conversion), progress);
    conversion.doubleDummy = doubleDummy_;
    const std::vector<PrintedDocument> documents = printedDocuments(settings_);
    const std::size_t kinds = conversion.formats.count() + documents.size();
    beginProgress(progress, "Files written", kinds * settings_.counts.setCount);
    StagedFiles setFiles;  // on their own, so the progress counts set files only
    // The analysis takes the boards the formats read, when they read them.
    BoardTally tally;
    BoardLineVisitor analyse;
    if (settings_.analysis) analyse = [&tally](const ValidBoardLine& board) { tally.add(board); };
    const bool analysed = ConvertMainDealFile(conversion, setFiles, analyse) && settings_.analysis;
    const std::size_t firstDocument = setFiles.count();
    for (const PrintedDocument& document : documents) document.write(conversion, setFiles);
    if (!documents.empty()) result.firstDocument = setFiles.finalPaths().at(firstDocument);
    result.filesWritten = setFiles.finalPaths();
    files_.adopt(setFiles);
    if (settings_.analysis) {
        AnalysisResult analysis = tally.result();
        if (!analysed) {
            beginProgress(progress, "Boards analysed", settings_.totalBoards());
            analysis = DoSetAnalysis(conversion.mainDealFile, progress);
        }
        result.report = AddToMemo(analysis, conversion.identityText, settings_.decimalSeparator);
        if (!settings_.reportFile.empty()) {
            FileWriter report(files_.stage(settings_.reportFile), FileWriter::Mode::New);
            for (const std::string& line : result.report) report.writeLine(line);
            report.close();
        }
    }
}

void GenerationRun::publish() { files_.publish(); }

RunResult runGeneration(DealStream& stream, const RunSettings& settings, WorkProgress* progress) {
    GenerationRun run(settings);
    RunResult result = run.deal(stream, progress);
    run.publish();
    return result;
}

std::vector<std::string> existingRunFiles(const RunSettings& settings) {
    std::vector<std::string> existing;
    for (const std::string& path : outputFiles(settings))
        if (existsAsAnything(path)) existing.push_back(path);
    return existing;
}

}  // namespace quorvex
