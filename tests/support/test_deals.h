#pragma once
// Hand-checked board lines and small helpers shared by the tests of every layer.
#include <string>
#include <vector>

namespace quorvex::testing {

// North every spade, East every heart, South every diamond, West every club.
inline const std::string OneSuitEachDeal =
    "01020304050607080910111213"
    "14151617181920212223242526"
    "27282930313233343536373839"
    "40414243444546474849505152";

// Card c belongs to hand (c - 1) mod 4.
inline const std::string RoundRobinDeal =
    "01050913172125293337414549"
    "02061014182226303438424650"
    "03071115192327313539434751"
    "04081216202428323640444852";

// North void in spades, East in hearts, South in diamonds, West in clubs.
inline const std::string OneVoidEachDeal =
    "14151617182728293040414243"
    "01020304313233343544454647"
    "05060708192021224849505152"
    "09101112132324252636373839";

// The text of the error of type Error that `run` raises; another outcome gives a text
// that matches no expectation.
template <class Error, class Run>
std::string failureOf(Run run) {
    try {
        run();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error of the expected type";
}

// Text lines joined with CR LF after each, as the system writes them.
inline std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace quorvex::testing
