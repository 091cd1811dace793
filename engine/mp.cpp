#include "engine/mp.h"

#include "common/range_error.h"
#include "engine/mp_limbs.h"

namespace quorvex {

namespace {

std::uint32_t low32(std::uint64_t v) { return static_cast<std::uint32_t>(v); }
std::uint64_t high32(std::uint64_t v) { return v >> 32; }

// x + y + carry modulo 2^96; carry is 0 or 1.
MpLimbs addWithCarry(const MpLimbs& x, const MpLimbs& y, std::uint64_t carry) {
    MpLimbs sum{};
    for (std::size_t i = 0; i < sum.size(); ++i) {
        const std::uint64_t t = std::uint64_t{x[i]} + y[i] + carry;
        sum[i] = low32(t);
        carry = high32(t);
    }
    return sum;
}

}  // namespace

void mpZero(MpInt& r) { r.bytes.fill(0); }

void mpOne(MpInt& r) {
    mpZero(r);
    r.bytes[11] = 1;
}

void mpAdd(MpInt a, MpInt b, MpInt& r) { fromLimbs(addWithCarry(toLimbs(a), toLimbs(b), 0), r); }

// a - b = a + (2^96 - 1 - b) + 1 modulo 2^96: subtraction is addition of the complement.
void mpSub(MpInt a, MpInt b, MpInt& r) {
    MpLimbs complement = toLimbs(b);
    for (std::uint32_t& limb : complement) limb = ~limb;
    fromLimbs(addWithCarry(toLimbs(a), complement, 1), r);
}

void mpMul(MpInt a, MpInt b, MpInt& r) {
    const MpLimbs x = toLimbs(a);
    const MpLimbs y = toLimbs(b);
    // Schoolbook product keeping only the three low limbs. Each 32 x 32 product plus a
    // 32-bit addend fits in 64 bits, so carries are collected one addend at a time.
    const std::uint64_t p00 = std::uint64_t{x[0]} * y[0];
    const std::uint64_t p10 = std::uint64_t{x[1]} * y[0] + high32(p00);
    const std::uint64_t p01 = std::uint64_t{x[0]} * y[1] + low32(p10);
    const std::uint64_t carryInto2 = high32(p10) + high32(p01);
    // The top limb only needs its value modulo 2^32, so plain 32-bit wrapping suffices.
    const std::uint32_t top = low32(std::uint64_t{x[2]} * y[0]) + low32(std::uint64_t{x[1]} * y[1]) +
                              low32(std::uint64_t{x[0]} * y[2]) + low32(carryInto2);
    fromLimbs({low32(p00), low32(p01), top}, r);
}

int mpCompare(MpInt a, MpInt b) {
    for (std::size_t i = 0; i < a.bytes.size(); ++i) {
        if (a.bytes[i] != b.bytes[i]) return int{a.bytes[i]} - int{b.bytes[i]};
    }
    return 0;
}

void mpFromBytes(std::string_view s, MpInt& r) {
    if (s.size() < r.bytes.size()) throw ERangeError();
    for (std::size_t i = 0; i < r.bytes.size(); ++i) r.bytes[i] = static_cast<std::uint8_t>(s[i]);
}

}  // namespace quorvex
