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

std::unique_ptr<SetFileFormat> briSetFileFormat(const ConversionSettings&) {
    return recordSetFileFormat(
        BriExtension, [](const ValidBoardLine& board, const MainDealHeader&) { return briRecord(board); });
}

std::unique_ptr<SetFileFormat> dgeSetFileFormat(const ConversionSettings&) {
    return recordSetFileFormat(
        DgeExtension, [](const ValidBoardLine& board, const MainDealHeader&) { return dgeRecord(board); });
}

void WriteBriFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *briSetFileFormat(settings), files);
}

void WriteDgeFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *dgeSetFileFormat(settings), files);
}

}  // namespace quorvex
