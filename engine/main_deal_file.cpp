#include "engine/main_deal_file.h"

#include "common/conversion_error.h"
#include "common/paths.h"
#include "common/range_error.h"
#include "engine/board_line.h"
#include "engine/deal_numbering.h"
#include "engine/deal_stream.h"

namespace quorvex {

namespace {

std::uint16_t headerValue(std::string_view field) {
    const int value = strToInt(field);
    if (value < 1 || value > 65535) throw ERangeError();
    return static_cast<std::uint16_t>(value);
}

// The characters from `from` up to (not including) `to`; empty when `to` lies before `from`
// or is missing, as a copy of negative length gives nothing.
std::string_view between(std::string_view line, std::size_t from, std::size_t to) {
    if (to == std::string_view::npos || to < from) return {};
    return line.substr(from, to - from);
}

}  // namespace

std::string mainDealFilePath(std::string_view programFolder, std::string_view identityText) {
    std::string name(identityText);
    name += MainDealFileExtension;
    return joinPath(programFolder, name);
}

std::string mainDealHeaderLine(const MainDealHeader& header) {
    return std::to_string(header.setCount) + ' ' + std::to_string(header.boardsPerSet) + "  " +
           std::to_string(header.firstSetNumber);
}

MainDealHeader parseMainDealHeader(std::string_view line) {
    const std::size_t blank = line.find(' ');
    const std::size_t pair = line.find("  ");
    MainDealHeader header;
    header.setCount = headerValue(between(line, 0, blank));
    header.boardsPerSet = headerValue(between(line, blank + 1, pair));
    header.firstSetNumber = headerValue(line.substr(pair + 1, 5));
    return header;
}

namespace {

// The header, then `totalBoards` board lines of the deals `nextDeal` gives in turn.
template <typename NextDeal>
void writeBoards(const std::string& path, const MainDealHeader& header, std::uint32_t totalBoards,
                 NextDeal nextDeal, WorkProgress* progress) {
    FileWriter file(path);
    file.writeLine(mainDealHeaderLine(header));
    char line[BoardLineLength];
    for (std::uint32_t board = 0; board < totalBoards; ++board) {
        formatBoardLine(nextDeal(board), line);
        file.writeLine(std::string_view(line, BoardLineLength));
        advanceProgress(progress, board + 1);
    }
    file.close();
}

}  // namespace

void writeMainDealFile(const std::string& path, const MainDealHeader& header, std::uint32_t totalBoards,
                       DealStream& stream, HashClass cls, WorkProgress* progress) {
    writeBoards(
        path, header, totalBoards,
        [&](std::uint32_t) {
            return internalDealToByHand(dealNumberToInternalDeal(stream.nextDealNumber(cls)));
        },
        progress);
}

void writeMainDealFile(const std::string& path, const MainDealHeader& header,
                       std::span<const ByHandDeal> boards) {
    writeBoards(
        path, header, static_cast<std::uint32_t>(boards.size()),
        [&](std::uint32_t board) -> const ByHandDeal& { return boards[board]; }, nullptr);
}

TextFileReader OpenMainDealReader(std::string_view programFolder, std::string_view identityText) {
    return TextFileReader(mainDealFilePath(programFolder, identityText));
}

MainDealHeader ReadMainDealHeader(TextFileReader& reader) { return parseMainDealHeader(reader.readLine()); }

ValidBoardLine readBoardLine(TextFileReader& reader) { return ValidBoardLine(reader.readLine()); }

}  // namespace quorvex
