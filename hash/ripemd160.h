#pragma once

#include <cstdint>

#include "hash/hash_class.h"
#include "hash/md4_family.h"

namespace quorvex {

// The RIPEMD-160 compression function: folds one 64-byte block (sixteen
// little-endian 32-bit words) into the five state words.
void ripeMD160Compress(std::uint32_t state[5], const std::uint8_t* block);

// RIPEMD-160 on the MD4-family buffering: a 20-byte digest.
class THash_RipeMD160 : public THash_MD4 {
public:
    static const HashClassInfo ClassInfo;
    static constexpr int DigestByteCount = 20;

    using THash_MD4::THash_MD4;

    int DigestSize() const override { return DigestByteCount; }

protected:
    void ProcessBlock(const std::uint8_t* block) override;
};

}  // namespace quorvex
