#include "engine/main_deal_file.h"

#include "common/paths.h"
#include "common/text_file.h"
#include "engine/board_line.h"
#include "engine/deal_numbering.h"
#include "engine/deal_stream.h"

namespace quorvex {

std::string MainDealFilePath(std::string_view programFolder, std::string_view identityText) {
    std::string name(identityText);
    name += MainDealFileExtension;
    return joinPath(programFolder, name);
}

std::string MainDealHeaderLine(const RunCounts& counts) {
    return std::to_string(counts.numberOfSets) + ' ' + std::to_string(counts.boardsPerSet) + "  " +
           std::to_string(counts.firstSetNumber);
}

void WriteMainDealFile(const std::string& path, const RunCounts& counts, std::uint32_t totalBoards,
                       DealStream& stream, HashClass cls) {
    FileWriter file(path);
    file.writeLine(MainDealHeaderLine(counts));
    char line[BoardLineLength];
    for (std::uint32_t board = 0; board < totalBoards; ++board) {
        const ByHandDeal deal = internalDealToByHand(dealNumberToInternalDeal(stream.nextDealNumber(cls)));
        formatBoardLine(deal, line);
        file.writeLine(std::string_view(line, BoardLineLength));
    }
    file.close();
}

} // namespace quorvex
