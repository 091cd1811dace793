#pragma once
// The two ways the writers show a hand in rank letters: behind the suit-mark bytes of the
// record formats, and with blanks and "-" for voids in the Deep Finesse file.
#include <array>
#include <cstddef>
#include <string>

#include "engine/cards.h"
#include "engine/valid_board_line.h"

namespace quorvex {

// Bytes put before the spade, heart, diamond and club holdings; in code page 437 they
// show as the four suit symbols.
inline constexpr std::array<char, SuitCount> SuitMarks = {'\x06', '\x03', '\x04', '\x05'};

inline constexpr std::size_t MarkedHandTextLength = 17;  // four marks, thirteen letters
inline constexpr std::size_t MarkedHandTextsLength = HandCount * MarkedHandTextLength;

// Appends North's, East's, South's and West's marked texts one after the other.
// A void leaves its mark followed directly by the next mark.
void appendMarkedHandTexts(const ValidBoardLine& board, std::string& out);

// Appends one hand (0 North .. 3 West) as Deep Finesse shows it: the spade, heart, diamond
// and club holdings joined by one blank, a void written "-".
void appendDeepFinesseHandText(const ValidBoardLine& board, int hand, std::string& out);

// The longest Deep Finesse hand text: thirteen letters, three blanks and three voids.
inline constexpr std::size_t LongestDeepFinesseHandText = CardsPerHand + 3 + 3;

// The same text written at `at`; returns where it ends. May write 13 bytes past its end.
char* writeDeepFinesseHandText(const ValidBoardLine& board, int hand, char* at);

// Appends what `write` writes from the position it is given, at most `most` bytes, to `out`;
// `write` returns where its text ends and may write 13 bytes past that. The Deep Finesse
// texts are written this way, straight into their record, not built apart and then copied.
template <class Write>
void appendWithSlack(std::string& out, std::size_t most, Write write) {
    const std::size_t start = out.size();
    out.resize(start + most + RanksPerSuit);
    const char* const end = write(out.data() + start);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace quorvex
