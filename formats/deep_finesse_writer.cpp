#include "formats/deep_finesse_writer.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "engine/cards.h"
#include "formats/hand_text.h"
#include "formats/record_files.h"
#include "formats/set_file_writer.h"

namespace quorvex {

namespace {

// The columns (counted from 1) where the hands start: North and West at 39, East at 22 and
// South at 56.
constexpr std::size_t NorthWestColumn = 39, EastColumn = 22, SouthColumn = 56;
constexpr std::string_view LastLines = "\r\nLead: Any\r\n\r\n";
// The longest five lines: each hand text at its column (every text before a column is
// shorter than the room it has), three line ends and the last lines.
constexpr std::size_t LongestBoardLines = (NorthWestColumn - 1) + (SouthColumn - 1) + (NorthWestColumn - 1) +
                                          3 * LongestDeepFinesseHandText + 2 * 2 + LastLines.size();

char* put(char* at, std::string_view text) { return std::copy(text.begin(), text.end(), at); }

// `hand` from `column` of the line that starts at `line`, after blanks from `at`.
char* putHandAtColumn(char* line, char* at, std::size_t column, const ValidBoardLine& board, int hand) {
    char* const start = std::max(at, line + column - 1);
    std::fill(at, start, ' ');
    return writeDeepFinesseHandText(board, hand, start);
}

}  // namespace

void appendDeepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board, std::string& out) {
    appendWithSlack(out, LongestBoardLines, [boardNumber, &board](char* at) {
        char* line = at;
        at = put(at, "Deal: ");
        at = std::to_chars(at, at + 10, boardNumber).ptr;  // at most 10 digits, before column 39
        at = putHandAtColumn(line, at, NorthWestColumn, board, North);
        line = at = put(at, "\r\n");
        at = put(at, "Contract: 3NT");
        at = putHandAtColumn(line, at, EastColumn, board, East);
        at = putHandAtColumn(line, at, SouthColumn, board, South);
        line = at = put(at, "\r\n");
        at = put(at, "OnLead: East");
        at = putHandAtColumn(line, at, NorthWestColumn, board, West);
        return put(at, LastLines);
    });
}

std::unique_ptr<SetFileFormat> deepFinesseSetFileFormat(const ConversionSettings&) {
    return recordSetFileFormat(DeepFinesseExtension, [](const ValidBoardLine& board, const MainDealHeader&,
                                                        unsigned boardNumber, std::string& lines) {
        appendDeepFinesseBoardLines(boardNumber, board, lines);
    });
}

void WriteDeepFinesseFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *deepFinesseSetFileFormat(settings), files);
}

}  // namespace quorvex
