#include "formats/readers/main_deal_file_reader.h"

#include <algorithm>

#include "engine/board_line.h"
#include "engine/main_deal_file.h"
#include "formats/readers/card_digits.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/excerpt.h"

namespace quorvex {

namespace {

// Longer than any header the program writes ("65535 65535  65535"), short enough to quote.
constexpr std::size_t LongestHeader = 32;

ByHandDeal decodeBoardLine(std::string_view line) {
    if (line.size() != BoardLineLength)
        throw BoardDefect("the board line has " + std::to_string(line.size()) + " characters, not 104");
    DealBuilder builder;
    giveCardDigits(line, builder);
    return builder.deal();
}

MainDealHeader headerOf(const std::string& path, std::string_view line) {
    if (line.size() > LongestHeader)
        throw DealFileError(path, "header",
                            escapedControls(excerpt(line) + " is too long for a header line"));
    try {
        return parseMainDealHeader(line);
    } catch (const std::exception& error) {
        const std::string_view field = faultyMainDealHeaderField(line);
        throw DealFileError(path, "header",
                            (field.empty() ? "" : std::string(field) + ": ") + escapedControls(error.what()));
    }
}

}  // namespace

DealFile readMainDealFile(const std::string& path, TextLines& lines, const BoardVisitor& visit) {
    std::string_view line;
    if (!lines.next(line)) throw DealFileError(path, "", "the file is empty");
    const MainDealHeader header = headerOf(path, line);
    DealFile file;
    file.path = path;
    file.setCount = header.setCount;
    const unsigned total = unsigned{header.setCount} * header.boardsPerSet;
    ReadBoard board;
    for (unsigned index = 0; index < total; ++index) {
        board.set = header.firstSetNumber + index / header.boardsPerSet;
        board.number = index % header.boardsPerSet + 1;
        if (!lines.next(line))
            throw DealFileError(
                path, boardLabel(file, board),
                "the file ends here; its header promises " + std::to_string(total) + " boards");
        try {
            board.deal = decodeBoardLine(line);
        } catch (const BoardDefect& defect) {
            throw DealFileError(path, boardLabel(file, board), defect.what());
        }
        visit(file, board);
    }
    if (lines.next(line))
        throw DealFileError(
            path, "",
            "lines follow the last of the " + std::to_string(total) + " boards its header promises");
    return file;
}

DealFile readMainDealFile(const std::string& path, std::string_view bytes) {
    TextLines lines(bytes);
    std::vector<ReadBoard> boards;
    boards.reserve(bytes.size() / BoardLineLength);
    DealFile file = readMainDealFile(
        path, lines, [&boards](const DealFile&, const ReadBoard& board) { boards.push_back(board); });
    file.boards = std::move(boards);
    return file;
}

}  // namespace quorvex
