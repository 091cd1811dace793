#pragma once
// Fixed-width unsigned integers of 96 bits for all deal-number arithmetic.
// The value is held as 12 bytes, big-endian (byte 0 most significant), and every
// arithmetic operation wraps modulo 2^96.
#include <array>
#include <cstdint>
#include <string_view>

namespace quorvex {

struct MpInt {
    std::array<std::uint8_t, 12> bytes{};
};

void mpZero(MpInt& r);
void mpOne(MpInt& r);

// r = (a + b) mod 2^96; r may be the same object as an operand.
void mpAdd(MpInt a, MpInt b, MpInt& r);
// r = (a - b) mod 2^96; a smaller minuend wraps to a - b + 2^96.
void mpSub(MpInt a, MpInt b, MpInt& r);
// r = (a x b) mod 2^96.
void mpMul(MpInt a, MpInt b, MpInt& r);

// a[i] - b[i] at the first byte (most significant first) where they differ, else 0.
int mpCompare(MpInt a, MpInt b);

// r = the first 12 bytes of s, s[0] most significant. Throws ERangeError when s is shorter.
void mpFromBytes(std::string_view s, MpInt& r);

// The number whose low 64 bits are value; the upper 32 bits are zero.
constexpr MpInt mpFromUint64(std::uint64_t value) {
    MpInt r;
    for (int i = 11; i >= 4; --i) {
        r.bytes[i] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
    return r;
}

constexpr bool operator==(const MpInt& a, const MpInt& b) { return a.bytes == b.bytes; }

}  // namespace quorvex
