#include "run/generation_run.h"

#include "analysis/analysis_report.h"
#include "engine/deal_stream.h"
#include "formats/convert_main_deal_file.h"

namespace quorvex {

RunResult runGeneration(DealStream& stream, const RunSettings& settings, WorkProgress* progress) {
    const HashClass cls = seedingHashClass();
    if (!cls) throw EHashUnitMissing();

    ConversionSettings conversion = settings.conversion;
    conversion.progress = progress;
    RunResult result;
    result.mainDealFile = mainDealFilePath(conversion.programFolder, conversion.identityText);
    beginProgress(progress, "Boards dealt", settings.totalBoards);
    writeMainDealFile(result.mainDealFile, settings.counts, settings.totalBoards, stream, cls, progress);
    beginProgress(progress, "Files written", conversion.formats.count() * settings.counts.setCount);
    result.filesWritten = ConvertMainDealFile(conversion);
    if (settings.analysis) {
        beginProgress(progress, "Boards analysed", settings.totalBoards);
        result.report = AddToMemo(DoSetAnalysis(result.mainDealFile, progress), conversion.identityText,
                                  settings.decimalSeparator);
    }
    return result;
}

}  // namespace quorvex
