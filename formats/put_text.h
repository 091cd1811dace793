#pragma once
// Writers that build their bytes in place, with no string in between, put each piece of text
// where the last one ended.
#include <algorithm>
#include <string_view>

namespace quorvex {

// Copies `text` to `at` and returns where it ends.
inline char* putText(char* at, std::string_view text) { return std::copy(text.begin(), text.end(), at); }

}  // namespace quorvex
