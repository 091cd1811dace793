#include "cli/fresh_entropy.h"

#include <cstdint>
#include <random>

#include "entropy/entropy_text.h"

namespace quorvex {

std::string freshEntropyText() {
    std::random_device source;  // the platform's secure generator (getrandom, rdrand or the CryptoAPI)
    auto random64 = [&source] { return (std::uint64_t{source()} << 32) | std::uint64_t{source()}; };
    auto nonNegative64 = [&] { return static_cast<std::int64_t>(random64() >> 1); };
    auto distance = [&] { return static_cast<std::int32_t>(source() & 0xFFFF); };

    EntropyTextBuilder text;
    text.begin(nonNegative64());
    text.addStart(nonNegative64());
    for (int hit = 0; hit < EntropyHitsNeeded; ++hit) text.addHit(nonNegative64(), distance(), distance());
    text.finish(nonNegative64());
    return text.text();
}

}  // namespace quorvex
