#include "formats/valid_board_line.h"

#include "common/conversion_error.h"
#include "common/range_error.h"

#include <cstdint>

namespace quorvex {

namespace {
constexpr std::size_t CardsPerDeal = 52;
constexpr std::size_t LineLength = 2 * CardsPerDeal;
} // namespace

ValidBoardLine::ValidBoardLine(std::string line) : line_(std::move(line)) {
    std::uint64_t seen = 0;
    for (std::size_t field = 0; field < CardsPerDeal; ++field) {
        const int card = twoDigitNumber(line_, 2 * field);
        if (card < 1 || card > 52) throw ERangeError();
        const std::uint64_t bit = std::uint64_t{1} << card;
        if (seen & bit) throw ERangeError();
        seen |= bit;
    }
    if (line_.size() > LineLength) throw EConvertError(std::string_view(line_).substr(LineLength));
}

} // namespace quorvex
