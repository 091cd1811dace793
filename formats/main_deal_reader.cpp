#include "formats/main_deal_reader.h"

#include "common/conversion_error.h"
#include "common/range_error.h"
#include "engine/main_deal_file.h"

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

} // namespace

TextFileReader OpenMainDealReader(const ConversionSettings& settings) {
    return TextFileReader(MainDealFilePath(settings.programFolder, settings.identityText));
}

MainDealHeader ParseMainDealHeader(std::string_view line) {
    const std::size_t blank = line.find(' ');
    const std::size_t pair = line.find("  ");
    MainDealHeader header;
    header.setCount = headerValue(between(line, 0, blank));
    header.boardsPerSet = headerValue(between(line, blank + 1, pair));
    header.firstSetNumber = headerValue(line.substr(pair + 1, 5));
    return header;
}

MainDealHeader ReadMainDealHeader(TextFileReader& reader) {
    return ParseMainDealHeader(reader.readLine());
}

ValidBoardLine ReadBoardLine(TextFileReader& reader) {
    return ValidBoardLine(reader.readLine());
}

} // namespace quorvex
