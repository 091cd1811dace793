#include "formats/bri_dge_writers.h"

#include "formats/hand_text.h"
#include "formats/record_files.h"

namespace quorvex {

std::string briRecord(const ValidBoardLine& board) {
    std::string record;
    record.reserve(BriDgeRecordLength);
    record += board.text().substr(0, ThreeHandsDigitsLength);
    record.append(BriBlankCount, ' ');
    record.resize(BriDgeRecordLength, '\0');
    return record;
}

std::string dgeRecord(const ValidBoardLine& board) {
    std::string record;
    record.reserve(BriDgeRecordLength);
    appendMarkedHandTexts(board, record);
    record.resize(BriDgeRecordLength, '\0');
    return record;
}

void WriteBriFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeRecordFiles(
        settings, BriExtension,
        [](const ValidBoardLine& board, const MainDealHeader&) { return briRecord(board); }, files);
}

void WriteDgeFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeRecordFiles(
        settings, DgeExtension,
        [](const ValidBoardLine& board, const MainDealHeader&) { return dgeRecord(board); }, files);
}

}  // namespace quorvex
