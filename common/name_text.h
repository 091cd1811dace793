#pragma once
// The characters allowed in the identity text and the base file name: both end up in file
// names, so only letters, digits, spaces and hyphens may enter them, by any way of input.
#include <string_view>

namespace quorvex {

constexpr bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '-';
}

constexpr bool isNameText(std::string_view text) {
    for (char c : text)
        if (!isNameCharacter(c)) return false;
    return true;
}

}  // namespace quorvex
