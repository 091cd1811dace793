#include "hash/ripemd160.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hash_test_support.h"

namespace quorvex {
namespace {

using testing::hex;
using testing::patternBytes;

std::string DigestHex(const void* bytes, int length) {
    THash_RipeMD160 hash;
    hash.Reset();
    hash.Absorb(bytes, length);
    hash.Finish();
    return hex(hash.DigestBytes(), hash.DigestSize());
}

std::string DigestHex(const std::string& text) {
    return DigestHex(text.data(), static_cast<int>(text.size()));
}

std::string DigestHex(const std::vector<std::uint8_t>& bytes) {
    return DigestHex(bytes.data(), static_cast<int>(bytes.size()));
}

TEST(RipeMD160, PublishedTestVectors) {
    EXPECT_EQ(DigestHex(""), "9c1185a5c5e9fc54612808977ee8f548b2258d31");
    EXPECT_EQ(DigestHex("a"), "0bdc9d2d256b3ee9daae347be6f4dc835a467ffe");
    EXPECT_EQ(DigestHex("abc"), "8eb208f7e05d987a9b044a8e98c6b087f15a0bfc");
    EXPECT_EQ(DigestHex("message digest"), "5d0689ef49d2fae572b881b123a85ffa21595f36");
    EXPECT_EQ(DigestHex("abcdefghijklmnopqrstuvwxyz"), "f71c27109c692c1b56bbdceb5b9d2865b3708dbc");
    EXPECT_EQ(DigestHex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "12a053384a9c0c88e405a06c27dcf49ada62eb2b");
    EXPECT_EQ(DigestHex("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              "b0e20b6e3116640286ed3a87a5713079b21f5189");
    std::string eightTimes;
    for (int i = 0; i < 8; ++i) eightTimes += "1234567890";
    EXPECT_EQ(DigestHex(eightTimes), "9b752e45573d4b39f4dbd3323cab82bf63326bfb");
}

TEST(RipeMD160, OneMillionLettersFedInUnevenPieces) {
    const std::string piece(999, 'a');
    THash_RipeMD160 hash;
    hash.Reset();
    int fed = 0;
    for (; fed + 999 <= 1000000; fed += 999) hash.Absorb(piece.data(), 999);
    hash.Absorb(piece.data(), 1000000 - fed);
    hash.Finish();
    EXPECT_EQ(hex(hash.DigestBytes(), 20), "52783243c1697bdbe16d37f97f68f08325dc1528");
}

// 55 bytes leave room for the padding byte and the bit count in one block;
// 56 and 63 push the bit count into a second block; 64 pad a block of their own.
TEST(RipeMD160, PaddingBoundaries) {
    EXPECT_EQ(DigestHex(patternBytes(55)), "ced4a416d2eddc4c54a59c57fa299bc86af70de9");
    EXPECT_EQ(DigestHex(patternBytes(56)), "581330764dcfaa5bbe4de58601aa56a838cc58d7");
    EXPECT_EQ(DigestHex(patternBytes(63)), "f946627df85129e38a6142b694aed087f2f85d71");
    EXPECT_EQ(DigestHex(patternBytes(64)), "6049fc18acb2ba0205d12fbf2ebc57628031d28c");
}

TEST(RipeMD160, PiecesGiveTheSameDigestAsOneCall) {
    const std::vector<std::uint8_t> bytes = patternBytes(120);
    ASSERT_EQ(DigestHex(bytes), "c7ca324844fcb190fb8a9e7d843251391e2556de");

    THash_RipeMD160 hash;
    hash.Reset();
    hash.Absorb(bytes.data(), 1);
    hash.Absorb(bytes.data() + 1, 63);
    hash.Absorb(bytes.data() + 64, 0);
    hash.Absorb(bytes.data() + 64, -5);
    hash.Absorb(bytes.data() + 64, 56);
    hash.Finish();
    EXPECT_EQ(hex(hash.DigestBytes(), 20), "c7ca324844fcb190fb8a9e7d843251391e2556de");
}

TEST(RipeMD160, ResetStartsAFreshDigest) {
    THash_RipeMD160 hash;
    hash.Reset();
    hash.Absorb("some earlier input", 18);
    hash.Finish();
    hash.Reset();
    hash.Absorb("abc", 3);
    hash.Finish();
    EXPECT_EQ(hex(hash.DigestBytes(), 20), "8eb208f7e05d987a9b044a8e98c6b087f15a0bfc");
}

TEST(RipeMD160, DigestSizeIsTwentyBytes) { EXPECT_EQ(THash_RipeMD160().DigestSize(), 20); }

}  // namespace
}  // namespace quorvex
