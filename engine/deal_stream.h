#pragma once
// The stream of deal numbers: fully determined by an identity text and an entropy text.
// Each candidate is the RIPEMD-160 digest of a 47-byte seed block (a draw counter and the
// digests of the two texts) cut to 96 bits; candidates at or above the deal count are
// rejected, so every accepted number is uniform over all deals.
#include <array>
#include <cstdint>
#include <string_view>

#include "engine/mp.h"
#include "hash/hash_registry.h"

namespace quorvex {

inline constexpr std::size_t SeedBlockSize = 47;
using SeedBlock = std::array<std::uint8_t, SeedBlockSize>;

// The hash class that seeds the stream and draws its candidates: RIPEMD-160, looked up by
// name in the registry; nullptr when it is not registered.
HashClass seedingHashClass();

class DealStream {
public:
    // Digests both texts into the seed block and resets the draw counter.
    void seed(HashClass cls, std::string_view identityText, std::string_view entropyText);

    // Draws until a valid deal number comes; every draw, rejected or not, advances the counter.
    MpInt nextDealNumber(HashClass cls);

    const SeedBlock& seedBlock() const { return block_; }
    std::int32_t drawCounter() const { return drawCounter_; }

private:
    void storeDigest(std::size_t offset, HashClass cls, std::string_view text);

    SeedBlock block_{};
    std::int32_t drawCounter_ = 0;
};

}  // namespace quorvex
