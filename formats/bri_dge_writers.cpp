#include "formats/bri_dge_writers.h"

#include "formats/hand_text.h"
#include "formats/record_files.h"

namespace quorvex {

void appendBriRecord(const ValidBoardLine& board, std::string& out) {
    const std::size_t start = out.size();
    out += board.text().substr(0, ThreeHandsDigitsLength);
    out.append(BriBlankCount, ' ');
    out.resize(start + BriDgeRecordLength, '\0');
}

void appendDgeRecord(const ValidBoardLine& board, std::string& out) {
    const std::size_t start = out.size();
    appendMarkedHandTexts(board, out);
    out.resize(start + BriDgeRecordLength, '\0');
}

std::unique_ptr<SetFileFormat> briSetFileFormat(const ConversionSettings&) {
    return recordSetFileFormat(BriExtension, [](const ValidBoardLine& board, const MainDealHeader&, unsigned,
                                                std::string& record) { appendBriRecord(board, record); });
}

std::unique_ptr<SetFileFormat> dgeSetFileFormat(const ConversionSettings&) {
    return recordSetFileFormat(DgeExtension, [](const ValidBoardLine& board, const MainDealHeader&, unsigned,
                                                std::string& record) { appendDgeRecord(board, record); });
}

void WriteBriFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *briSetFileFormat(settings), files);
}

void WriteDgeFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *dgeSetFileFormat(settings), files);
}

}  // namespace quorvex
