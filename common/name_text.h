#pragma once
// The characters allowed in the identity text and the base file name: both end up in file
// names, so only letters, digits, spaces and hyphens may enter them, by any way of input.
#include <optional>
#include <string>
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

// Where a name goes: the identity names the main deal file and may not be empty (it would
// make a hidden ".qvw"); the base file name starts the set files' names and may be empty.
enum class NameUse { Identity, BaseFileName };

// Why `text` cannot be used as that name, or nothing when it can: characters outside the
// rule above, an empty identity, a space at the start or the end (also a name of spaces
// only), or a device name of Windows (CON, PRN, AUX, NUL, COM1 to
// COM9, LPT1 to LPT9, in any case), which would open the device instead of a file.
// The dealer and the window both refuse a name with this text.
std::optional<std::string> nameRuleBreach(std::string_view text, NameUse use);

}  // namespace quorvex
