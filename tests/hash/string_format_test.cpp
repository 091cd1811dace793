#include "hash/string_format.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

std::string ErrorText(const void* bytes, int length, int encoderId) {
    try {
        EncodeBytes(bytes, length, encoderId);
    } catch (const EStringFormatError& error) {
        return error.what();
    }
    return "no error";
}

TEST(EncodeBytes, RawCopyKeepsEveryByte) {
    const char bytes[] = {'a', '\0', 'b', '\xff'};
    EXPECT_EQ(EncodeBytes(bytes, 4, StringFormatCopy), std::string(bytes, 4));
}

TEST(EncodeBytes, NothingToEncodeGivesTheEmptyString) {
    EXPECT_EQ(EncodeBytes("abc", 3, 0), "");
    EXPECT_EQ(EncodeBytes(nullptr, 3, StringFormatCopy), "");
    EXPECT_EQ(EncodeBytes("abc", 0, StringFormatCopy), "");
    // Nothing to encode is decided before the encoder is looked up.
    EXPECT_EQ(EncodeBytes("abc", 0, 77), "");
    EXPECT_EQ(EncodeBytes("", -1, 77), "");
}

TEST(EncodeBytes, NegativeLengthRunsUpToTheFirstZeroByte) {
    const char bytes[] = {'x', 'y', '\0', 'z'};
    EXPECT_EQ(EncodeBytes(bytes, -1, StringFormatCopy), "xy");
}

TEST(EncodeBytes, UnknownEncoderIsAnError) {
    EXPECT_EQ(ErrorText("abc", 3, 16), "String Format \"16\" not exists.");
    EXPECT_EQ(ErrorText("abc", 3, -1), "String Format \"-1\" not exists.");
}

TEST(encodeWith, RefusedInputNamesTheEncoder) {
    class NoZeros : public TStringFormat {
    public:
        std::string_view name() const override { return "NoZeros"; }
        bool isValid(const std::uint8_t* bytes, std::size_t length) const override {
            return std::find(bytes, bytes + length, 0) == bytes + length;
        }
    };
    const std::uint8_t good[] = {1, 2};
    const std::uint8_t bad[] = {1, 0};
    EXPECT_EQ(encodeWith(NoZeros(), good, 2), "\x01\x02");
    try {
        encodeWith(NoZeros(), bad, 2);
        FAIL() << "refused input was encoded";
    } catch (const EStringFormatError& error) {
        EXPECT_STREQ(error.what(), "Input can not be convert to NoZeros Format.");
    }
}

}  // namespace
}  // namespace quorvex
