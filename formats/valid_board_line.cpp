#include "formats/valid_board_line.h"

#include "common/conversion_error.h"
#include "common/range_error.h"

#include <cstdint>

namespace quorvex {

namespace {

constexpr std::size_t CardsPerHand = 13;
constexpr std::size_t CardsPerDeal = 52;
constexpr std::size_t LineLength = 2 * CardsPerDeal;

} // namespace

// Checks the fields in reading order, so the error names the first defect.
ValidBoardLine::ValidBoardLine(std::string line) : line_(std::move(line)) {
    std::uint64_t seen = 0;
    int previous = 0;
    for (std::size_t field = 0; field < CardsPerDeal; ++field) {
        if (field % CardsPerHand == 0) previous = 0;
        const int card = twoDigitNumber(line_, 2 * field);
        if (card <= previous || card > 52 || ((seen >> card) & 1) != 0) throw ERangeError();
        seen |= std::uint64_t{1} << card;
        previous = card;
    }
    if (line_.size() != LineLength) throw EConvertError(std::string_view(line_).substr(LineLength));
}

} // namespace quorvex
