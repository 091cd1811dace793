#include "hash/digest.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "hash/hash_registry.h"
#include "hash/string_format.h"
#include "hash_test_support.h"

namespace quorvex {
namespace {

using testing::hex;

class Digest : public ::testing::Test {
protected:
    HashClass ripemd160 = FindHashClass("THash_RipeMD160");
};

TEST_F(Digest, EmptyTextGivesTheDigestOfTheEmptyMessage) {
    EXPECT_EQ(hex(DigestOfText(ripemd160, "", nullptr, StringFormatCopy)),
              "9c1185a5c5e9fc54612808977ee8f548b2258d31");
}

TEST_F(Digest, BufferAndTextOfTheSameBytesAgree) {
    const std::vector<std::uint8_t> bytes = testing::patternBytes(47);
    const std::string text(bytes.begin(), bytes.end());
    const std::string fromBuffer = DigestOfBuffer(ripemd160, bytes.data(), 47, nullptr, StringFormatCopy);
    EXPECT_EQ(hex(fromBuffer), "d74c2d634072a970f1d9381eb4cbb1162c3768f5");
    EXPECT_EQ(DigestOfText(ripemd160, text, nullptr, StringFormatCopy), fromBuffer);
}

TEST_F(Digest, RawDigestKeepsEmbeddedZeroBytes) {
    const std::string digest = DigestOfText(ripemd160, "board 12", nullptr, StringFormatCopy);
    ASSERT_EQ(digest.size(), 20u);
    EXPECT_EQ(digest[17], '\0');
    EXPECT_EQ(hex(digest), "a983e5bf20cfb2779870dcad8f21f6565100c164");
}

TEST_F(Digest, EncoderIdDecidesTheResult) {
    EXPECT_EQ(DigestOfText(ripemd160, "abc", nullptr, 0), "");
    EXPECT_THROW(DigestOfText(ripemd160, "abc", nullptr, 16), EStringFormatError);
}

TEST_F(Digest, AcceptsAProtectionObject) {
    TProtection protection;
    EXPECT_EQ(hex(DigestOfText(ripemd160, "abc", &protection, StringFormatCopy)),
              "8eb208f7e05d987a9b044a8e98c6b087f15a0bfc");
}

TEST_F(Digest, MissingOrUnbuiltClassesAreErrors) {
    EXPECT_THROW(DigestOfText(nullptr, "abc", nullptr, StringFormatCopy), std::invalid_argument);
    EXPECT_THROW(DigestOfBuffer(FindHashClass("THash_SHA1"), "abc", 3, nullptr, StringFormatCopy),
                 std::logic_error);
}

}  // namespace
}  // namespace quorvex
