#include "run/generation_run.h"

#include "analysis/analysis_report.h"
#include "engine/deal_stream.h"
#include "formats/convert_main_deal_file.h"

namespace quorvex {

RunResult runGeneration(DealStream& stream, const RunSettings& settings) {
    const HashClass cls = seedingHashClass();
    if (!cls) throw EHashUnitMissing();

    const ConversionSettings& conversion = settings.conversion;
    RunResult result;
    result.mainDealFile = mainDealFilePath(conversion.programFolder, conversion.identityText);
    writeMainDealFile(result.mainDealFile, settings.counts, settings.totalBoards, stream, cls);
    result.filesWritten = ConvertMainDealFile(conversion);
    if (settings.analysis)
        result.report =
            AddToMemo(DoSetAnalysis(result.mainDealFile), conversion.identityText, settings.decimalSeparator);
    return result;
}

}  // namespace quorvex
