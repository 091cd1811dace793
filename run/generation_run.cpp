#include "run/generation_run.h"

#include "analysis/analysis_report.h"
#include "analysis/double_dummy.h"
#include "engine/deal_stream.h"
#include "formats/convert_main_deal_file.h"
#include "formats/hand_record_writer.h"

namespace quorvex {

namespace {

// Every board of the main deal file with its number within its set.
std::vector<DoubleDummyBoard> boardsToSolve(const ConversionSettings& conversion) {
    TextFileReader reader = OpenMainDealReader(conversion.programFolder, conversion.identityText);
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

}  // namespace

RunResult runGeneration(DealStream& stream, const RunSettings& settings, WorkProgress* progress) {
    const HashClass cls = seedingHashClass();
    if (!cls) throw EHashUnitMissing();

    ConversionSettings conversion = settings.conversion;
    conversion.progress = progress;
    RunResult result;
    result.mainDealFile = mainDealFilePath(conversion.programFolder, conversion.identityText);
    beginProgress(progress, "Boards dealt", settings.totalBoards);
    writeMainDealFile(result.mainDealFile, settings.counts, settings.totalBoards, stream, cls, progress);

    // Solved once, for whichever outputs print it; not at all when none does.
    const bool pbnWritten = conversion.formats.test(findOutputFormat("pbn").value());
    std::vector<DoubleDummyTable> tables;
    if (settings.doubleDummy && (pbnWritten || settings.handRecords)) {
        tables = solveDoubleDummy(boardsToSolve(conversion), progress);
        conversion.doubleDummy = tables;
    }
    const std::size_t kinds = conversion.formats.count() + (settings.handRecords ? 1 : 0);
    beginProgress(progress, "Files written", kinds * settings.counts.setCount);
    result.filesWritten = ConvertMainDealFile(conversion);
    if (settings.handRecords) {
        const std::size_t first = result.filesWritten.size();
        writeHandRecordFiles(conversion, result.filesWritten);
        result.handRecordDocument = result.filesWritten.at(first);
    }
    if (settings.analysis) {
        beginProgress(progress, "Boards analysed", settings.totalBoards);
        result.report = AddToMemo(DoSetAnalysis(result.mainDealFile, progress), conversion.identityText,
                                  settings.decimalSeparator);
    }
    return result;
}

}  // namespace quorvex
