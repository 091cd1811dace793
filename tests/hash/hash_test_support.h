#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::testing {

// Lower-case hexadecimal of a byte string, for comparing with published digests.
inline std::string hex(std::string_view bytes) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += Digits[c >> 4];
        hex += Digits[c & 15];
    }
    return hex;
}

inline std::string hex(const std::uint8_t* bytes, int length) {
    return hex(std::string_view(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length)));
}

// A reproducible byte pattern of any length: byte i is (7i + 3) mod 256.
inline std::vector<std::uint8_t> patternBytes(std::size_t length) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}

}  // namespace quorvex::testing
