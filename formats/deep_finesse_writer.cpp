#include "formats/deep_finesse_writer.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "engine/cards.h"
#include "formats/hand_text.h"
#include "formats/put_text.h"
#include "formats/record_files.h"
#include "formats/set_file_writer.h"

namespace quorvex {

namespace {

// Blanks up to `column` from `line`, then `label` at the line's start: a fixed count of
// blanks is a few stores where a count that depends on the label would be a call.
char* startLine(char* line, std::size_t column, std::string_view label) {
    std::memset(line, ' ', column - 1);
    putText(line, label);
    return line + column - 1;
}

}  // namespace

char* writeDeepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board, char* at) {
    constexpr std::string_view DealLabel = "Deal: ";
    char* column = startLine(at, DeepFinesseNorthWestColumn, DealLabel);
    std::to_chars(at + DealLabel.size(), column, boardNumber);  // at most 10 digits, before column 39
    at = putText(writeDeepFinesseHandText(board, North, column), "\r\n");
    char* const line = at;
    column = startLine(line, DeepFinesseSouthColumn, "Contract: 3NT");
    at = writeDeepFinesseHandText(board, East, line + DeepFinesseEastColumn - 1);
    // East may have written 13 bytes past its end, up to South's first: blanks again there,
    // and South over any that reach it.
    std::memset(at, ' ', RanksPerSuit);
    at = putText(writeDeepFinesseHandText(board, South, column), "\r\n");
    column = startLine(at, DeepFinesseNorthWestColumn, "OnLead: East");
    return putText(writeDeepFinesseHandText(board, West, column), DeepFinesseLastLines);
}

std::unique_ptr<SetFileFormat> deepFinesseSetFileFormat(const ConversionSettings&) {
    return recordSetFileFormat(DeepFinesseExtension, DeepFinesseBoardLinesRoom,
                               [](const ValidBoardLine& board, const MainDealHeader&, unsigned boardNumber,
                                  char* at) { return writeDeepFinesseBoardLines(boardNumber, board, at); });
}

void WriteDeepFinesseFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *deepFinesseSetFileFormat(settings), files);
}

}  // namespace quorvex
