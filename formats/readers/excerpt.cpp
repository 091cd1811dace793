#include "formats/readers/excerpt.h"

namespace quorvex {

std::string escapedControls(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            escaped += "\\x";
            escaped += Hex[byte >> 4];
            escaped += Hex[byte & 0xF];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string excerpt(std::string_view text, char quote) {
    return quote + escapedControls(text.substr(0, ExcerptLength)) +
           (text.size() > ExcerptLength ? "..." : "") + quote;
}

}  // namespace quorvex
