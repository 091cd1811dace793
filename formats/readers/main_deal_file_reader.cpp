#include "formats/readers/main_deal_file_reader.h"

#include <algorithm>

#include "engine/board_line.h"
#include "engine/main_deal_file.h"
#include "formats/readers/card_digits.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/file_bytes.h"

namespace quorvex {

namespace {

ByHandDeal decodeBoardLine(std::string_view line) {
    if (line.size() != BoardLineLength)
        throw BoardDefect("the board line has " + std::to_string(line.size()) + " characters, not 104");
    DealBuilder builder;
    giveCardDigits(line, builder);
    return builder.deal();
}

}  // namespace

DealFile readMainDealFile(const std::string& path, std::string_view bytes) {
    TextLines lines(bytes);
    std::string_view line;
    if (!lines.next(line)) throw DealFileError(path, "", "the file is empty");
    MainDealHeader header;
    try {
        header = parseMainDealHeader(line);
    } catch (const std::exception& error) {
        throw DealFileError(path, "header", error.what());
    }
    DealFile file;
    file.path = path;
    file.setCount = header.setCount;
    const unsigned total = unsigned{header.setCount} * header.boardsPerSet;
    file.boards.reserve(std::min<std::size_t>(total, bytes.size() / BoardLineLength));
    for (unsigned index = 0; index < total; ++index) {
        ReadBoard board;
        board.set = header.firstSetNumber + index / header.boardsPerSet;
        board.number = index % header.boardsPerSet + 1;
        const std::string where = boardLabel(file, board);
        if (!lines.next(line))
            throw DealFileError(
                path, where, "the file ends here; its header promises " + std::to_string(total) + " boards");
        try {
            board.deal = decodeBoardLine(line);
        } catch (const BoardDefect& defect) {
            throw DealFileError(path, where, defect.what());
        }
        file.boards.push_back(board);
    }
    if (lines.next(line))
        throw DealFileError(
            path, "",
            "lines follow the last of the " + std::to_string(total) + " boards its header promises");
    return file;
}

}  // namespace quorvex
