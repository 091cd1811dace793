#include "formats/bri_dge_writers.h"

#include "formats/hand_text.h"
#include "formats/record_files.h"

namespace quorvex {

std::string BriRecord(const ValidBoardLine& board) {
    std::string record;
    record.reserve(BriDgeRecordLength);
    record += board.text().substr(0, 78);
    record.append(32, ' ');
    record.resize(BriDgeRecordLength, '\0');
    return record;
}

std::string DgeRecord(const ValidBoardLine& board) {
    std::string record;
    record.reserve(BriDgeRecordLength);
    AppendMarkedHandTexts(board, record);
    record.resize(BriDgeRecordLength, '\0');
    return record;
}

void WriteBriFiles(const ConversionSettings& settings, std::vector<std::string>& written) {
    WriteRecordFiles(settings, BriExtension,
                     [](const ValidBoardLine& board, const MainDealHeader&) { return BriRecord(board); },
                     written);
}

void WriteDgeFiles(const ConversionSettings& settings, std::vector<std::string>& written) {
    WriteRecordFiles(settings, DgeExtension,
                     [](const ValidBoardLine& board, const MainDealHeader&) { return DgeRecord(board); },
                     written);
}

} // namespace quorvex
