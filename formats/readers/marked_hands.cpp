#include "formats/readers/marked_hands.h"

#include <string>

#include "formats/hand_text.h"
#include "formats/readers/deal_file_error.h"

namespace quorvex {

namespace {

constexpr std::array<std::string_view, SuitCount> SuitMarkNames = {
    "spade mark (byte 6)", "heart mark (byte 3)", "diamond mark (byte 4)", "club mark (byte 5)"};

std::string byteText(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    if (value >= 0x21 && value < 0x7f) return "'" + std::string(1, byte) + "'";
    return "byte " + std::to_string(value);
}

}  // namespace

void giveMarkedHands(std::string_view bytes, DealBuilder& builder) {
    std::size_t at = 0;
    for (std::size_t hand = 0; hand < HandCount; ++hand) {
        for (std::size_t suit = 0; suit < SuitCount; ++suit) {
            if (at >= bytes.size() || bytes[at] != SuitMarks[suit])
                throw BoardDefect(std::string(HandNames[hand]) + "'s hand text lacks the " +
                                  std::string(SuitMarkNames[suit]) + " at offset " + std::to_string(at));
            for (++at; at < bytes.size(); ++at) {
                const char byte = bytes[at];
                if (byte >= SuitMarks[1] && byte <= SuitMarks[0]) break;  // bytes 3..6: the next mark
                const int card = cardOfRankLetter(byte, suit);
                if (card == 0)
                    throw BoardDefect(byteText(byte) + " in " + std::string(HandNames[hand]) +
                                      "'s hand text is no rank letter");
                builder.give(card, hand);
            }
        }
    }
    if (at != bytes.size()) throw BoardDefect("the hand texts hold more than four hands");
}

}  // namespace quorvex
