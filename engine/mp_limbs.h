#pragma once
// The form the engine computes on: a 96-bit number as three 32-bit limbs, least
// significant first, so arithmetic runs on native words instead of single bytes.
// MpInt keeps its 12-byte big-endian layout for storage and comparison.
#include <array>
#include <cstdint>

#include "engine/mp.h"

namespace quorvex {

using MpLimbs = std::array<std::uint32_t, 3>;

constexpr MpLimbs toLimbs(const MpInt& a) {
    MpLimbs limbs{};
    for (int limb = 0; limb < 3; ++limb) {
        const int top = 8 - 4 * limb;  // byte index of the limb's most significant byte
        limbs[limb] = (std::uint32_t{a.bytes[top]} << 24) | (std::uint32_t{a.bytes[top + 1]} << 16) |
                      (std::uint32_t{a.bytes[top + 2]} << 8) | std::uint32_t{a.bytes[top + 3]};
    }
    return limbs;
}

constexpr void fromLimbs(const MpLimbs& limbs, MpInt& r) {
    for (int limb = 0; limb < 3; ++limb) {
        const int top = 8 - 4 * limb;
        for (int i = 0; i < 4; ++i) r.bytes[top + i] = static_cast<std::uint8_t>(limbs[limb] >> (24 - 8 * i));
    }
}

}  // namespace quorvex
