#include "formats/dup_writer.h"

#include <algorithm>
#include <charconv>

namespace quorvex {

namespace {
constexpr std::size_t LargestSetSize = 999;
static_assert(DupSetSizeFieldLength == 3, "the largest set size fills the field");
}  // namespace

std::array<char, DupSetSizeFieldLength> dupSetSizeField(std::size_t boardsPerSet) {
    std::array<char, DupSetSizeFieldLength> field;
    field.fill(' ');
    std::to_chars(field.data(), field.data() + field.size(), std::min(boardsPerSet, LargestSetSize));
    return field;
}

char* writeDupRecord(const ValidBoardLine& board, std::uint16_t boardsPerSet, char* at) {
    at = std::copy_n(board.text().data(), ThreeHandsDigitsLength, at);
    at = writeMarkedHandTexts(board, at);
    at = std::copy(DupMarker.begin(), DupMarker.end(), at);
    const std::array<char, DupSetSizeFieldLength> field = dupSetSizeField(boardsPerSet);
    return std::copy(field.begin(), field.end(), at);
}

std::unique_ptr<SetFileFormat> dupSetFileFormat(const ConversionSettings&) {
    return recordSetFileFormat(DupExtension, DupRecordLength,
                               [](const ValidBoardLine& board, const MainDealHeader& header, unsigned,
                                  char* at) { return writeDupRecord(board, header.boardsPerSet, at); });
}

void WriteDupFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *dupSetFileFormat(settings), files);
}

}  // namespace quorvex
