#include "common/name_text.h"

#include <array>

#include "common/ascii_case.h"

namespace quorvex {

namespace {

// Windows opens a device for these names whatever extension follows, in any case (and with
// trailing blanks, which the rule refuses anyway).
bool isDeviceName(std::string_view text) {
    std::string name;
    for (char c : text) name += asciiUpper(c);
    static constexpr std::array<std::string_view, 4> Devices = {"CON", "PRN", "AUX", "NUL"};
    for (std::string_view device : Devices)
        if (name == device) return true;
    return name.size() == 4 && (name.starts_with("COM") || name.starts_with("LPT")) && name[3] >= '1' &&
           name[3] <= '9';
}

}  // namespace

std::optional<std::string> nameRuleBreach(std::string_view text, NameUse use) {
    if (!isNameText(text)) return "accepts only letters, digits, spaces and hyphens";
    if (text.empty() && use == NameUse::Identity) return "must not be empty";
    // Blanks at either end are invisible in a file name and Windows drops trailing ones.
    if (!text.empty() && (text.front() == ' ' || text.back() == ' '))
        return "must not begin or end with a space";
    if (isDeviceName(text)) return "must not be a device name of Windows (" + std::string(text) + ")";
    return std::nullopt;
}

}  // namespace quorvex
