#include "formats/dup_writer.h"

#include <algorithm>
#include <charconv>

#include "formats/put_text.h"

namespace quorvex {

namespace {
constexpr std::size_t LargestSetSize = 999;
static_assert(DupSetSizeFieldLength == 3, "the largest set size fills the field");
}  // namespace

char* writeDupSetSizeField(std::size_t boardsPerSet, char* at) {
    char* const end = at + DupSetSizeFieldLength;
    std::fill(std::to_chars(at, end, std::min(boardsPerSet, LargestSetSize)).ptr, end, ' ');
    return end;
}

char* writeDupRecord(const ValidBoardLine& board, std::uint16_t boardsPerSet, char* at) {
    at = std::copy_n(board.text().data(), ThreeHandsDigitsLength, at);
    at = writeMarkedHandTexts(board, at);
    at = putText(at, DupMarker);
    return writeDupSetSizeField(boardsPerSet, at);
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
