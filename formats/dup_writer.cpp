#include "formats/dup_writer.h"

#include <algorithm>

#include "formats/hand_text.h"
#include "formats/record_files.h"

namespace quorvex {

namespace {
constexpr std::size_t LargestSetSize = 999;
}  // namespace

std::string dupSetSizeField(std::size_t boardsPerSet) {
    std::string field = std::to_string(std::min<std::size_t>(boardsPerSet, LargestSetSize));
    field.resize(DupRecordLength - ThreeHandsDigitsLength - MarkedHandTextsLength - DupMarker.size(), ' ');
    return field;
}

void appendDupRecord(const ValidBoardLine& board, std::uint16_t boardsPerSet, std::string& out) {
    out += board.text().substr(0, ThreeHandsDigitsLength);
    appendMarkedHandTexts(board, out);
    out += DupMarker;
    out += dupSetSizeField(boardsPerSet);
}

std::unique_ptr<SetFileFormat> dupSetFileFormat(const ConversionSettings&) {
    return recordSetFileFormat(
        DupExtension, [](const ValidBoardLine& board, const MainDealHeader& header, unsigned,
                         std::string& record) { appendDupRecord(board, header.boardsPerSet, record); });
}

void WriteDupFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *dupSetFileFormat(settings), files);
}

}  // namespace quorvex
