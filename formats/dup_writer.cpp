#include "formats/dup_writer.h"

#include "formats/hand_text.h"
#include "formats/record_files.h"

#include <algorithm>

namespace quorvex {

namespace {
constexpr unsigned LargestSetSize = 999;
} // namespace

std::string DupRecord(const ValidBoardLine& board, std::uint16_t boardsPerSet) {
    std::string record;
    record.reserve(DupRecordLength);
    record += board.text().substr(0, 78);
    AppendMarkedHandTexts(board, record);
    record += "YN1  1 ";
    record += std::to_string(std::min<unsigned>(boardsPerSet, LargestSetSize));
    record.resize(DupRecordLength, ' ');
    return record;
}

void WriteDupFiles(const ConversionSettings& settings, std::vector<std::string>& written) {
    WriteRecordFiles(settings, DupExtension,
                     [](const ValidBoardLine& board, const MainDealHeader& header) {
                         return DupRecord(board, header.boardsPerSet);
                     },
                     written);
}

} // namespace quorvex
