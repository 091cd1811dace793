#include "hash/ripemd160.h"

#include <bit>
#include <cstddef>
#include <cstring>
#include <memory>
#include <utility>

// The compression is unrolled completely at compile time: every step is its own
// template instance with its word, shift, constant and boolean function fixed,
// and the five working words rotate their roles by index instead of by moving
// values. Forcing the inlining lets the compiler keep both lines in registers.
#if defined(_MSC_VER)
#define QUORVEX_ALWAYS_INLINE __forceinline
#else
#define QUORVEX_ALWAYS_INLINE inline __attribute__((always_inline))
#endif

namespace quorvex {
namespace {

constexpr int StepCount = 80;

// The tables keep one round of 16 steps per line.
// clang-format off
// Message word taken by each step of the left and the right line.
constexpr std::uint8_t WordLeft[StepCount] = {
    0, 1, 2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
    7, 4, 13, 1,  10, 6,  15, 3,  12, 0,  9,  5,  2,  14, 11, 8,
    3, 10, 14, 4, 9,  15, 8,  1,  2,  7,  0,  6,  13, 11, 5,  12,
    1, 9, 11, 10, 0,  8,  12, 4,  13, 3,  7,  15, 14, 5,  6,  2,
    4, 0, 5,  9,  7,  12, 2,  10, 14, 1,  3,  8,  11, 6,  15, 13};
constexpr std::uint8_t WordRight[StepCount] = {
    5,  14, 7,  0, 9, 2,  11, 4,  13, 6,  15, 8,  1,  10, 3,  12,
    6,  11, 3,  7, 0, 13, 5,  10, 14, 15, 8,  12, 4,  9,  1,  2,
    15, 5,  1,  3, 7, 14, 6,  9,  11, 8,  12, 2,  10, 0,  4,  13,
    8,  6,  4,  1, 3, 11, 15, 0,  5,  12, 2,  13, 9,  7,  10, 14,
    12, 15, 10, 4, 1, 5,  8,  7,  6,  2,  13, 14, 0,  3,  9,  11};

// Left-rotation of each step of the left and the right line.
constexpr std::uint8_t ShiftLeft[StepCount] = {
    11, 14, 15, 12, 5,  8,  7,  9,  11, 13, 14, 15, 6,  7,  9,  8,
    7,  6,  8,  13, 11, 9,  7,  15, 7,  12, 15, 9,  11, 7,  13, 12,
    11, 13, 6,  7,  14, 9,  13, 15, 14, 8,  13, 6,  5,  12, 7,  5,
    11, 12, 14, 15, 14, 15, 9,  8,  9,  14, 5,  6,  8,  6,  5,  12,
    9,  15, 5,  11, 6,  8,  13, 12, 5,  12, 13, 14, 11, 8,  5,  6};
constexpr std::uint8_t ShiftRight[StepCount] = {
    8,  9,  9,  11, 13, 15, 15, 5,  7,  7,  8,  11, 14, 14, 12, 6,
    9,  13, 15, 7,  12, 8,  9,  11, 7,  7,  12, 7,  6,  15, 13, 11,
    9,  7,  15, 11, 8,  6,  6,  14, 12, 13, 5,  14, 13, 13, 7,  5,
    15, 5,  8,  11, 14, 14, 6,  14, 6,  9,  12, 9,  12, 5,  15, 8,
    8,  5,  12, 9,  12, 5,  14, 6,  8,  13, 6,  5,  15, 13, 11, 11};

// Added constant of each round of 16 steps.
constexpr std::uint32_t ConstLeft[5] = {0x00000000, 0x5A827999, 0x6ED9EBA1, 0x8F1BBCDC,
                                         0xA953FD4E};
constexpr std::uint32_t ConstRight[5] = {0x50A28BE6, 0x5C4DD124, 0x6D703EF3, 0x7A6D76E9,
                                          0x00000000};

// clang-format on

// The five boolean functions; the right line uses them in reverse round order.
// Functions 1 and 3 are the usual selections written with one operation less.
template <int Function>
QUORVEX_ALWAYS_INLINE std::uint32_t Boolean(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    if constexpr (Function == 0)
        return x ^ y ^ z;
    else if constexpr (Function == 1)
        return ((y ^ z) & x) ^ z;  // (x & y) | (~x & z)
    else if constexpr (Function == 2)
        return (x | ~y) ^ z;
    else if constexpr (Function == 3)
        return ((x ^ y) & z) ^ y;  // (x & z) | (y & ~z)
    else
        return x ^ (y | ~z);
}

// One step of one line. Roles A..E sit in words[a..e]; after the step the
// roles move one slot down, so step S finds A in slot (-S mod 5).
template <int Step, bool Right>
QUORVEX_ALWAYS_INLINE void LineStep(std::uint32_t (&words)[5], const std::uint32_t (&x)[16]) {
    constexpr int round = Step / 16;
    constexpr int a = (5 - Step % 5) % 5;
    constexpr int b = (a + 1) % 5, c = (a + 2) % 5, d = (a + 3) % 5, e = (a + 4) % 5;
    constexpr int function = Right ? 4 - round : round;
    constexpr std::uint32_t constant = Right ? ConstRight[round] : ConstLeft[round];
    constexpr int word = Right ? WordRight[Step] : WordLeft[Step];
    constexpr int shift = Right ? ShiftRight[Step] : ShiftLeft[Step];
    words[a] =
        std::rotl(words[a] + Boolean<function>(words[b], words[c], words[d]) + x[word] + constant, shift) +
        words[e];
    words[c] = std::rotl(words[c], 10);
}

// Runs the two independent lines interleaved, giving the processor two
// dependency chains to overlap.
template <std::size_t... Steps>
QUORVEX_ALWAYS_INLINE void BothLines(std::uint32_t (&left)[5], std::uint32_t (&right)[5],
                                     const std::uint32_t (&x)[16], std::index_sequence<Steps...>) {
    ((LineStep<Steps, false>(left, x), LineStep<Steps, true>(right, x)), ...);
}

QUORVEX_ALWAYS_INLINE std::uint32_t LoadLittleEndian(const std::uint8_t* p) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint32_t word;
        std::memcpy(&word, p, sizeof word);
        return word;
    } else {
        return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
               std::uint32_t{p[3]} << 24;
    }
}

std::unique_ptr<THash> CreateRipeMD160(TProtection* protection) {
    return std::make_unique<THash_RipeMD160>(protection);
}

}  // namespace

void ripeMD160Compress(std::uint32_t state[5], const std::uint8_t* block) {
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i) x[i] = LoadLittleEndian(block + 4 * i);

    std::uint32_t left[5] = {state[0], state[1], state[2], state[3], state[4]};
    std::uint32_t right[5] = {state[0], state[1], state[2], state[3], state[4]};
    BothLines(left, right, x, std::make_index_sequence<StepCount>{});

    // 80 steps are a whole number of role rotations: slot i holds role i again.
    const std::uint32_t first = state[1] + left[2] + right[3];
    state[1] = state[2] + left[3] + right[4];
    state[2] = state[3] + left[4] + right[0];
    state[3] = state[4] + left[0] + right[1];
    state[4] = state[0] + left[1] + right[2];
    state[0] = first;
}

const HashClassInfo THash_RipeMD160::ClassInfo{"THash_RipeMD160", &CreateRipeMD160};

void THash_RipeMD160::ProcessBlock(const std::uint8_t* block) { ripeMD160Compress(state_, block); }

}  // namespace quorvex
