#include "engine/valid_board_line.h"

#include <cstdint>

#include "common/conversion_error.h"
#include "common/range_error.h"
#include "engine/board_line.h"
#include "engine/cards.h"

namespace quorvex {

// Checks the fields in reading order, so the error names the first defect.
ValidBoardLine::ValidBoardLine(std::string line) : line_(std::move(line)) {
    std::uint64_t seen = 0;
    int previous = 0;
    for (int field = 0; field < CardsPerDeal; ++field) {
        if (field % CardsPerHand == 0) previous = 0;
        const int card = twoDigitNumber(line_, 2 * static_cast<std::size_t>(field));
        if (card <= previous || card > CardsPerDeal || ((seen >> card) & 1) != 0) throw ERangeError();
        seen |= std::uint64_t{1} << card;
        cards_[static_cast<std::size_t>(field)] = static_cast<std::uint8_t>(card);
        previous = card;
    }
    if (line_.size() != BoardLineLength) throw EConvertError(std::string_view(line_).substr(BoardLineLength));
}

}  // namespace quorvex
