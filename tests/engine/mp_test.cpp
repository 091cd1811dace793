#include "engine/mp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "common/range_error.h"

namespace quorvex {
namespace {

MpInt allBytes(std::uint8_t value) {
    MpInt r;
    r.bytes.fill(value);
    return r;
}

// 2^bit, for bit 0..95.
MpInt powerOfTwo(int bit) {
    MpInt r;
    r.bytes[11 - bit / 8] = static_cast<std::uint8_t>(1u << (bit % 8));
    return r;
}

MpInt op(void (*f)(MpInt, MpInt, MpInt&), const MpInt& a, const MpInt& b) {
    MpInt r;
    f(a, b, r);
    return r;
}

// Byte-at-a-time reference versions of the three arithmetic operations, written
// straight from their definition in base 256.
MpInt bytewiseAdd(const MpInt& a, const MpInt& b) {
    MpInt r;
    int carry = 0;
    for (int i = 11; i >= 0; --i) {
        const int t = a.bytes[i] + b.bytes[i] + carry;
        r.bytes[i] = static_cast<std::uint8_t>(t > 255 ? t - 256 : t);
        carry = t > 255 ? 1 : 0;
    }
    return r;
}

MpInt bytewiseSub(const MpInt& a, const MpInt& b) {
    MpInt r;
    int borrow = 0;
    for (int i = 11; i >= 0; --i) {
        const int t = a.bytes[i] - b.bytes[i] - borrow;
        r.bytes[i] = static_cast<std::uint8_t>(t < 0 ? t + 256 : t);
        borrow = t < 0 ? 1 : 0;
    }
    return r;
}

MpInt bytewiseMul(const MpInt& a, const MpInt& b) {
    MpInt acc;
    for (int i = 11; i >= 0; --i) {
        const int shift = 11 - i;
        MpInt row;  // bytes below the shift stay 0
        unsigned carry = 0;
        for (int m = 0; m <= 11 - shift; ++m) {
            const unsigned v = unsigned{b.bytes[11 - m]} * a.bytes[i] + carry;
            row.bytes[11 - shift - m] = static_cast<std::uint8_t>(v % 256);
            carry = v / 256;
        }
        acc = bytewiseAdd(acc, row);
    }
    return acc;
}

// Random operands rich in 00 and FF bytes, where carries and borrows run far.
MpInt randomOperand(std::mt19937_64& rng) {
    MpInt r;
    const auto style = rng() % 4;
    for (auto& byte : r.bytes) {
        const auto pick = rng() % 4;
        byte = static_cast<std::uint8_t>(style == 0 && pick == 0   ? 0x00
                                         : style == 1 && pick == 0 ? 0xFF
                                                                   : rng());
    }
    if (style == 3)  // a small value: the upper half zero
        std::fill(r.bytes.begin(), r.bytes.begin() + 6, std::uint8_t{0});
    return r;
}

TEST(MpConstants, ZeroAndOne) {
    MpInt r = allBytes(0x5A);
    mpZero(r);
    EXPECT_EQ(r, MpInt{});
    r = allBytes(0x5A);
    mpOne(r);
    EXPECT_EQ(r, mpFromUint64(1));
}

TEST(MpAdd, WrapsModulo2To96) {
    EXPECT_EQ(op(mpAdd, allBytes(0xFF), mpFromUint64(1)), MpInt{});
    EXPECT_EQ(op(mpAdd, powerOfTwo(95), powerOfTwo(95)), MpInt{});
}

TEST(MpAdd, CarriesAcrossEveryByte) {
    EXPECT_EQ(op(mpAdd, mpFromUint64(0xFFFFFFFF), mpFromUint64(1)), powerOfTwo(32));
    EXPECT_EQ(op(mpAdd, mpFromUint64(~std::uint64_t{0}), mpFromUint64(1)), powerOfTwo(64));
    EXPECT_EQ(op(mpAdd, mpFromUint64(1234), mpFromUint64(4321)), mpFromUint64(5555));
}

TEST(MpSub, WrapsBelowZero) {
    EXPECT_EQ(op(mpSub, MpInt{}, mpFromUint64(1)), allBytes(0xFF));
    EXPECT_EQ(op(mpSub, mpFromUint64(3), mpFromUint64(5)), op(mpSub, allBytes(0xFF), mpFromUint64(1)));
}

TEST(MpSub, BorrowsAcrossEveryByte) {
    EXPECT_EQ(op(mpSub, powerOfTwo(64), mpFromUint64(1)), mpFromUint64(~std::uint64_t{0}));
    EXPECT_EQ(op(mpSub, powerOfTwo(32), mpFromUint64(1)), mpFromUint64(0xFFFFFFFF));
}

TEST(MpMul, ExactBelow2To96) {
    EXPECT_EQ(op(mpMul, mpFromUint64(10'400'600), mpFromUint64(8'122'425'444)),
              mpFromUint64(84'478'098'072'866'400));
    EXPECT_EQ(op(mpMul, powerOfTwo(40), powerOfTwo(55)), powerOfTwo(95));
    EXPECT_EQ(op(mpMul, mpFromUint64(0xFFFFFFFF), mpFromUint64(0xFFFFFFFF)),
              mpFromUint64(0xFFFFFFFE00000001));
}

TEST(MpMul, KeepsOnlyTheLow96Bits) {
    EXPECT_EQ(op(mpMul, powerOfTwo(48), powerOfTwo(48)), MpInt{});
    EXPECT_EQ(op(mpMul, powerOfTwo(95), mpFromUint64(2)), MpInt{});
    // (2^96 - 1)^2 = 1 mod 2^96
    EXPECT_EQ(op(mpMul, allBytes(0xFF), allBytes(0xFF)), mpFromUint64(1));
}

TEST(MpArithmetic, ResultMayBeAnOperand) {
    MpInt a = mpFromUint64(10'400'600);
    mpMul(a, mpFromUint64(8'122'425'444), a);
    EXPECT_EQ(a, mpFromUint64(84'478'098'072'866'400));
    mpAdd(a, a, a);
    EXPECT_EQ(a, mpFromUint64(168'956'196'145'732'800));
    mpSub(a, a, a);
    EXPECT_EQ(a, MpInt{});
}

TEST(MpArithmetic, AgreesWithBytewiseReferenceOnRandomOperands) {
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < 20000; ++i) {
        const MpInt a = randomOperand(rng);
        const MpInt b = randomOperand(rng);
        ASSERT_EQ(op(mpAdd, a, b), bytewiseAdd(a, b)) << "case " << i;
        ASSERT_EQ(op(mpSub, a, b), bytewiseSub(a, b)) << "case " << i;
        ASSERT_EQ(op(mpMul, a, b), bytewiseMul(a, b)) << "case " << i;
    }
}

TEST(MpCompare, ReturnsDifferenceOfFirstDifferingByte) {
    EXPECT_EQ(mpCompare(mpFromUint64(0x100), mpFromUint64(0xFF)), 1);  // the earlier byte decides
    EXPECT_EQ(mpCompare(mpFromUint64(0xFF), mpFromUint64(0x100)), -1);
    EXPECT_EQ(mpCompare(MpInt{}, powerOfTwo(95)), -128);
    EXPECT_EQ(mpCompare(allBytes(0xFF), powerOfTwo(0)), 255);
    EXPECT_EQ(mpCompare(allBytes(0x42), allBytes(0x42)), 0);
}

TEST(MpFromBytes, TakesTheFirstTwelveBytesMostSignificantFirst) {
    const std::string digest(
        "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\xFC\xDD\xDD\xDD\xDD\xDD\xDD\xDD\xDD", 20);
    MpInt r;
    mpFromBytes(digest, r);
    EXPECT_EQ(r, (MpInt{{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0xFC}}));
    mpFromBytes(digest.substr(0, 12), r);
    EXPECT_EQ(r.bytes[11], 0xFC);
}

TEST(MpFromBytes, ShortSourceIsARangeError) {
    MpInt r = allBytes(0x77);
    EXPECT_THROW(mpFromBytes(std::string(11, '\x01'), r), ERangeError);
    EXPECT_EQ(r, allBytes(0x77));
}

}  // namespace
}  // namespace quorvex
