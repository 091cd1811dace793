#pragma once
// How an error's text is shown to a director: a full stop is added when the text ends in
// a letter or digit (any character whose code is above that of "."), so "Disk full"
// reads "Disk full." while "Failed to create hash unit." stays as it is.
#include <string>
#include <string_view>

namespace quorvex {

inline std::string displayedErrorText(std::string_view text) {
    std::string shown(text);
    if (!shown.empty() && static_cast<unsigned char>(shown.back()) > static_cast<unsigned char>('.')) shown += '.';
    return shown;
}

} // namespace quorvex
