#include "formats/bri_dge_writers.h"

#include <algorithm>

#include "formats/hand_text.h"
#include "formats/record_files.h"

namespace quorvex {

namespace {

// The zero bytes that end a record whose text ends at `at`.
char* zerosToRecordEnd(char* recordStart, char* at) {
    char* const end = recordStart + BriDgeRecordLength;
    std::fill(at, end, '\0');
    return end;
}

}  // namespace

char* writeBriRecord(const ValidBoardLine& board, char* at) {
    char* const text = std::copy_n(board.text().data(), ThreeHandsDigitsLength, at);
    return zerosToRecordEnd(at, std::fill_n(text, BriBlankCount, ' '));
}

char* writeDgeRecord(const ValidBoardLine& board, char* at) {
    return zerosToRecordEnd(at, writeMarkedHandTexts(board, at));
}

std::unique_ptr<SetFileFormat> briSetFileFormat(const ConversionSettings&) {
    return recordSetFileFormat(BriExtension, BriDgeRecordLength,
                               [](const ValidBoardLine& board, const MainDealHeader&, unsigned, char* at) {
                                   return writeBriRecord(board, at);
                               });
}

std::unique_ptr<SetFileFormat> dgeSetFileFormat(const ConversionSettings&) {
    return recordSetFileFormat(DgeExtension, BriDgeRecordLength,
                               [](const ValidBoardLine& board, const MainDealHeader&, unsigned, char* at) {
                                   return writeDgeRecord(board, at);
                               });
}

void WriteBriFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *briSetFileFormat(settings), files);
}

void WriteDgeFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *dgeSetFileFormat(settings), files);
}

}  // namespace quorvex
