#include "formats/deep_finesse_writer.h"

#include <algorithm>
#include <charconv>

#include "engine/cards.h"
#include "formats/hand_text.h"
#include "formats/record_files.h"
#include "formats/set_file_writer.h"

namespace quorvex {

namespace {

char* put(char* at, std::string_view text) { return std::copy(text.begin(), text.end(), at); }

// `hand` from `column` of the line that starts at `line`, after blanks from `at`.
char* putHandAtColumn(char* line, char* at, std::size_t column, const ValidBoardLine& board, int hand) {
    char* const start = std::max(at, line + column - 1);
    std::fill(at, start, ' ');
    return writeDeepFinesseHandText(board, hand, start);
}

}  // namespace

char* writeDeepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board, char* at) {
    char* line = at;
    at = put(at, "Deal: ");
    at = std::to_chars(at, at + 10, boardNumber).ptr;  // at most 10 digits, before column 39
    at = putHandAtColumn(line, at, DeepFinesseNorthWestColumn, board, North);
    line = at = put(at, "\r\n");
    at = put(at, "Contract: 3NT");
    at = putHandAtColumn(line, at, DeepFinesseEastColumn, board, East);
    at = putHandAtColumn(line, at, DeepFinesseSouthColumn, board, South);
    line = at = put(at, "\r\n");
    at = put(at, "OnLead: East");
    at = putHandAtColumn(line, at, DeepFinesseNorthWestColumn, board, West);
    return put(at, DeepFinesseLastLines);
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
