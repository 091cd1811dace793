#include "formats/deep_finesse_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "engine/cards.h"
#include "formats/hand_text.h"
#include "formats/record_files.h"
#include "formats/set_file_writer.h"

namespace quorvex {

namespace {

// `hand` from `column` (counted from 1) of the line that starts at `lineStart`.
void appendHandAtColumn(std::string& out, std::size_t lineStart, std::size_t column,
                        const ValidBoardLine& board, int hand) {
    out.resize(std::max(out.size(), lineStart + column - 1), ' ');
    appendDeepFinesseHandText(board, hand, out);
}

}  // namespace

void appendDeepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board, std::string& out) {
    // Hands stand at fixed columns: North and West from column 39, East from 22, South from 56.
    std::size_t line = out.size();
    out += "Deal: ";
    std::array<char, 10> number;
    out.append(number.data(), std::to_chars(number.begin(), number.end(), boardNumber).ptr);
    appendHandAtColumn(out, line, 39, board, North);

    out += "\r\n";
    line = out.size();
    out += "Contract: 3NT";
    appendHandAtColumn(out, line, 22, board, East);
    appendHandAtColumn(out, line, 56, board, South);

    out += "\r\n";
    line = out.size();
    out += "OnLead: East";
    appendHandAtColumn(out, line, 39, board, West);
    out += "\r\nLead: Any\r\n\r\n";
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
