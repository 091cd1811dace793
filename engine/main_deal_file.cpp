#include "engine/main_deal_file.h"

#include <array>

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

namespace {

// The texts of the three header fields: sets, boards per set, first set.
std::array<std::string_view, 3> headerFields(std::string_view line) {
    const std::size_t blank = line.find(' ');
    const std::size_t pair = line.find("  ");
    return {between(line, 0, blank), between(line, blank + 1, pair), line.substr(pair + 1, 5)};
}

}  // namespace

MainDealHeader parseMainDealHeader(std::string_view line) {
    const std::array<std::string_view, 3> fields = headerFields(line);
    MainDealHeader header;
    header.setCount = headerValue(fields[0]);
    header.boardsPerSet = headerValue(fields[1]);
    header.firstSetNumber = headerValue(fields[2]);
    return header;
}

std::string_view faultyMainDealHeaderField(std::string_view line) {
    constexpr std::array<std::string_view, 3> Names = {"the number of sets", "the boards per set",
                                                       "the first set number"};
    const std::array<std::string_view, 3> fields = headerFields(line);
    for (std::size_t field = 0; field < fields.size(); ++field) {
        try {
            headerValue(fields[field]);
        } catch (const std::exception&) {
            return Names[field];
        }
    }
    return {};
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

ValidBoardLine readBoardLine(TextFileReader& reader) { return ValidBoardLine(reader.nextLine()); }

}  // namespace quorvex
