#pragma once
// A board line of the main deal file that has been checked to describe one whole deal,
// so that no writer can turn a damaged line into a file a dealing machine would accept.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/board_line.h"

namespace quorvex {

class ValidBoardLine {
public:
    // Takes a line as read from the main deal file and checks it field by field, in
    // reading order. A field that is not two decimal digits (including a line cut short,
    // or the empty line read past the end of the file) and characters after the 104th
    // raise the conversion error with the offending text. A card number that does not fit
    // raises ERangeError: outside 1..52, seen before (another card would have no hand), or
    // not above the previous card of its hand (every hand ascends, which lists each suit
    // from the ace down).
    explicit ValidBoardLine(std::string_view line);

    // The 104 digits: hands North, East, South, West, 13 ascending card numbers each.
    std::string_view text() const { return {digits_.data(), digits_.size()}; }

    // The card number (1..52) of field 0..51.
    int card(std::size_t field) const { return cards_[field]; }

private:
    bool readWholeDeal();
    void findFirstDefect(std::string_view line) const;

    std::array<char, BoardLineLength> digits_{};
    std::array<std::uint8_t, 52> cards_{};  // read once: every writer asks for every card
};

}  // namespace quorvex
