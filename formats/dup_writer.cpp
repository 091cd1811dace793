#include "formats/dup_writer.h"

#include <algorithm>

#include "formats/hand_text.h"
#include "formats/record_files.h"

namespace quorvex {

namespace {
constexpr unsigned LargestSetSize = 999;
}  // namespace

std::string dupRecord(const ValidBoardLine& board, std::uint16_t boardsPerSet) {
    std::string record;
    record.reserve(DupRecordLength);
    record += board.text().substr(0, 78);
    appendMarkedHandTexts(board, record);
    record += "YN1  1 ";
    record += std::to_string(std::min<unsigned>(boardsPerSet, LargestSetSize));
    record.resize(DupRecordLength, ' ');
    return record;
}

void WriteDupFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeRecordFiles(
        settings, DupExtension,
        [](const ValidBoardLine& board, const MainDealHeader& header) {
            return dupRecord(board, header.boardsPerSet);
        },
        files);
}

}  // namespace quorvex
