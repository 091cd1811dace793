#include "hash/md4_family.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace quorvex {
namespace {

constexpr std::uint32_t StartValues[THash_MD4::StateWords] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476,
                                                              0xC3D2E1F0, 0x76543210, 0xFEDCBA98, 0x89ABCDEF,
                                                              0x01234567, 0x3C2D1E0F};

void ZeroBytes(void* bytes, std::size_t size) { std::memset(bytes, 0, size); }

// Called through a volatile pointer, so the compiler cannot drop the wipe of an
// object that is about to die as a dead store.
void (*const volatile wipeBytes)(void*, std::size_t) = ZeroBytes;

void StoreLittleEndian(std::uint32_t word, std::uint8_t* out) {
    out[0] = static_cast<std::uint8_t>(word);
    out[1] = static_cast<std::uint8_t>(word >> 8);
    out[2] = static_cast<std::uint8_t>(word >> 16);
    out[3] = static_cast<std::uint8_t>(word >> 24);
}

}  // namespace

const HashClassInfo THash_MD4::ClassInfo{"THash_MD4", nullptr};

THash_MD4::THash_MD4(TProtection* protection) : THash(protection) {}

THash_MD4::~THash_MD4() {
    wipeBytes(digest_, sizeof digest_);
    wipeBytes(state_, sizeof state_);
    wipeBytes(buffer_, sizeof buffer_);
}

void THash_MD4::Reset() {
    std::memset(buffer_, 0, sizeof buffer_);
    std::memcpy(state_, StartValues, sizeof state_);
    byteCount_ = 0;
    publishDigest();
}

void THash_MD4::Absorb(const void* bytes, int length) {
    if (length <= 0) return;
    if (bytes == nullptr) throw std::invalid_argument("Hash input has no bytes");
    if (byteCount_ > std::numeric_limits<std::int32_t>::max() - length) {
        throw std::overflow_error("Hash input exceeds 2147483647 bytes");
    }
    auto input = static_cast<const std::uint8_t*>(bytes);
    const int fill = byteCount_ % BlockSize;
    byteCount_ += length;
    if (fill > 0) {
        const int room = BlockSize - fill;
        if (length < room) {
            std::memcpy(buffer_ + fill, input, static_cast<std::size_t>(length));
            return;
        }
        std::memcpy(buffer_ + fill, input, static_cast<std::size_t>(room));
        ProcessBlock(buffer_);
        input += room;
        length -= room;
    }
    for (; length >= BlockSize; input += BlockSize, length -= BlockSize) {
        ProcessBlock(input);
    }
    std::memcpy(buffer_, input, static_cast<std::size_t>(length));
}

void THash_MD4::Finish() {
    int i = byteCount_ % BlockSize;
    buffer_[i++] = 0x80;
    if (i > BlockSize - 8) {
        std::memset(buffer_ + i, 0, static_cast<std::size_t>(BlockSize - i));
        ProcessBlock(buffer_);
        i = 0;
    }
    std::memset(buffer_ + i, 0, static_cast<std::size_t>(BlockSize - i));
    // Only the low 32 bits of the bit count are stored; the high word stays 0.
    StoreLittleEndian(static_cast<std::uint32_t>(byteCount_) * 8u, buffer_ + BlockSize - 8);
    ProcessBlock(buffer_);
    std::memset(buffer_, 0, sizeof buffer_);
    publishDigest();
}

void THash_MD4::publishDigest() {
    for (int w = 0; w < StateWords; ++w) StoreLittleEndian(state_[w], digest_ + 4 * w);
}

}  // namespace quorvex
