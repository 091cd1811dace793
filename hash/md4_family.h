#pragma once

#include <cstdint>

#include "hash/hash.h"
#include "hash/hash_class.h"

namespace quorvex {

// Block buffering, padding and start values shared by the MD4 family. A member
// of the family supplies DigestSize and the compression function ProcessBlock.
// The byte count is a signed 32-bit number and the padding stores only the low
// 32 bits of the bit count, exactly as the family always has: digests match the
// published algorithms for inputs shorter than 2^29 bytes. Feeding 2^31 bytes or
// more in total throws std::overflow_error instead of wrapping the count.
class THash_MD4 : public THash {
public:
    // The family's base is registered as a class but its own compression is not
    // built in this program, so this class refuses to create objects.
    static const HashClassInfo ClassInfo;

    static constexpr int BlockSize = 64;
    static constexpr int StateWords = 10;

    explicit THash_MD4(TProtection* protection = nullptr);
    // Wipes the digest and the rest of the hashing state.
    ~THash_MD4() override;

    void Reset() override;
    void Absorb(const void* bytes, int length) override;
    void Finish() override;
    const std::uint8_t* DigestBytes() const override { return digest_; }

protected:
    // Compresses one 64-byte block into state_.
    virtual void ProcessBlock(const std::uint8_t* block) = 0;

    std::uint32_t state_[StateWords] = {};

private:
    void publishDigest();

    std::int32_t byteCount_ = 0;
    std::uint8_t buffer_[BlockSize] = {};
    std::uint8_t digest_[StateWords * 4] = {};
};

}  // namespace quorvex
