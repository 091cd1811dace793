#pragma once
// Fixed-width text fields of the Deep Finesse file and the analysis report.
#include <string>
#include <string_view>

namespace quorvex {

// `text` cut or filled with `fill` to exactly `width` characters. An empty text or a
// zero width is a caller's mistake and raises ERangeError.
std::string PadToWidth(std::string_view text, unsigned width, char fill = ' ');

}  // namespace quorvex
