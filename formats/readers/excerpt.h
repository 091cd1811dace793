#pragma once
// A piece of a file's text as a message quotes it: short, in single quotes, and harmless
// on a terminal or in the window.
#include <cstddef>
#include <string>
#include <string_view>

namespace quorvex {

// Excerpts stop after this many bytes of the file, marked "...".
inline constexpr std::size_t ExcerptLength = 40;

// `text` in `quote` marks, cut to ExcerptLength bytes, each control byte (NUL, ESC, BEL,
// CR, DEL ...) written as \xHH so that a file cannot clear the screen, retitle the
// terminal or cut the message short where it is shown.
std::string excerpt(std::string_view text, char quote = '\'');

// `text` whole, each control byte written as \xHH: for messages that carry a file's bytes.
std::string escapedControls(std::string_view text);

}  // namespace quorvex
