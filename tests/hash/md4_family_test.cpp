#include "hash/md4_family.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#include "hash/ripemd160.h"

namespace quorvex {
namespace {

// A family member whose compression only records the blocks it is given, so
// the buffering and padding can be checked byte by byte.
class RecordingHash : public THash_MD4 {
public:
    int DigestSize() const override { return 16; }
    std::vector<std::array<std::uint8_t, 64>> blocks;
    bool record = true;

protected:
    void ProcessBlock(const std::uint8_t* block) override {
        if (!record) return;
        std::array<std::uint8_t, 64> copy;
        std::memcpy(copy.data(), block, 64);
        blocks.push_back(copy);
    }
};

// Feeds `chunks` times 16 MiB of zeros without recording the blocks.
constexpr int ChunkSize = 1 << 24;
void FeedUnrecorded(RecordingHash& hash, int chunks) {
    static const std::vector<std::uint8_t> zeros(ChunkSize, 0);
    hash.record = false;
    for (int i = 0; i < chunks; ++i) hash.Absorb(zeros.data(), ChunkSize);
    hash.record = true;
}

std::array<std::uint8_t, 64> Block(std::initializer_list<std::pair<int, std::uint8_t>> bytes) {
    std::array<std::uint8_t, 64> block{};
    for (auto [index, value] : bytes) block[static_cast<std::size_t>(index)] = value;
    return block;
}

TEST(Md4FamilyPadding, ShortInputFitsOneBlockWithItsBitCount) {
    RecordingHash hash;
    hash.Reset();
    hash.Absorb("abc", 3);
    hash.Finish();
    ASSERT_EQ(hash.blocks.size(), 1u);
    EXPECT_EQ(hash.blocks[0], Block({{0, 'a'}, {1, 'b'}, {2, 'c'}, {3, 0x80}, {56, 24}}));
}

TEST(Md4FamilyPadding, FiftySixBytesMoveTheBitCountIntoAnExtraBlock) {
    const std::vector<std::uint8_t> input(56, 0x11);
    RecordingHash hash;
    hash.Reset();
    hash.Absorb(input.data(), 56);
    hash.Finish();
    ASSERT_EQ(hash.blocks.size(), 2u);
    EXPECT_EQ(hash.blocks[0][55], 0x11);
    EXPECT_EQ(hash.blocks[0][56], 0x80);
    EXPECT_TRUE(std::all_of(hash.blocks[0].begin() + 57, hash.blocks[0].end(),
                            [](std::uint8_t b) { return b == 0; }));
    // 448 bits, little-endian.
    EXPECT_EQ(hash.blocks[1], Block({{56, 0xC0}, {57, 0x01}}));
}

TEST(Md4FamilyPadding, WholeBlocksAreCompressedStraightFromTheInput) {
    const std::vector<std::uint8_t> input(200, 0x22);
    RecordingHash hash;
    hash.Reset();
    hash.Absorb(input.data(), 10);
    hash.Absorb(input.data() + 10, 190);
    EXPECT_EQ(hash.blocks.size(), 3u);  // 192 bytes complete three blocks, 8 wait
    hash.Finish();
    ASSERT_EQ(hash.blocks.size(), 4u);
    EXPECT_EQ(hash.blocks[3], Block({{0, 0x22},
                                     {1, 0x22},
                                     {2, 0x22},
                                     {3, 0x22},
                                     {4, 0x22},
                                     {5, 0x22},
                                     {6, 0x22},
                                     {7, 0x22},
                                     {8, 0x80},
                                     {56, 0x40},
                                     {57, 0x06}}));
}

// The padding keeps only the low 32 bits of the bit count: 2^29 + 3 bytes
// pad exactly like 3 bytes.
TEST(Md4FamilyPadding, BitCountKeepsOnlyItsLow32Bits) {
    RecordingHash hash;
    hash.Reset();
    FeedUnrecorded(hash, 32);
    hash.Absorb("abc", 3);
    hash.Finish();
    ASSERT_EQ(hash.blocks.size(), 1u);
    EXPECT_EQ(hash.blocks[0], Block({{0, 'a'}, {1, 'b'}, {2, 'c'}, {3, 0x80}, {56, 24}}));
}

TEST(Md4FamilyAbsorb, RefusesToLetTheByteCountOverflow) {
    const std::vector<std::uint8_t> rest(ChunkSize - 1, 0);
    RecordingHash hash;
    hash.Reset();
    FeedUnrecorded(hash, 127);
    hash.Absorb(rest.data(), ChunkSize - 1);  // 2^31 - 1 bytes in total
    EXPECT_THROW(hash.Absorb(rest.data(), 1), std::overflow_error);
}

TEST(Md4FamilyAbsorb, RefusesMissingBytesButAcceptsNothingToFeed) {
    RecordingHash hash;
    hash.Reset();
    EXPECT_THROW(hash.Absorb(nullptr, 4), std::invalid_argument);
    EXPECT_NO_THROW(hash.Absorb(nullptr, 0));
}

TEST(Md4FamilyLifetime, DestroyingAHashWipesItsDigest) {
    alignas(THash_RipeMD160) unsigned char storage[sizeof(THash_RipeMD160)];
    auto* hash = new (storage) THash_RipeMD160();
    hash->Reset();
    hash->Absorb("abc", 3);
    hash->Finish();
    std::uint8_t digest[20];
    std::memcpy(digest, hash->DigestBytes(), 20);
    hash->~THash_RipeMD160();
    EXPECT_EQ(std::search(storage, storage + sizeof storage, digest, digest + 20), storage + sizeof storage);
}

}  // namespace
}  // namespace quorvex
