#include "entropy/entropy_text.h"

namespace quorvex {

void EntropyTextBuilder::begin(std::int64_t ticksSinceCreation) {
    text_ = std::to_string(ticksSinceCreation);
}

void EntropyTextBuilder::appendLow32(std::int64_t value) {
    // Two's-complement truncation, the same on every compiler.
    const auto low = static_cast<std::uint32_t>(static_cast<std::uint64_t>(value));
    const std::int64_t asSigned = low >= 0x80000000u ? std::int64_t{low} - 0x100000000LL : std::int64_t{low};
    text_ += std::to_string(asSigned);
}

void EntropyTextBuilder::addStart(std::int64_t ticksSinceCreation) { appendLow32(ticksSinceCreation); }

void EntropyTextBuilder::addHit(std::int64_t hitInterval, std::int32_t verticalDistance,
                                std::int32_t horizontalDistance) {
    appendLow32(hitInterval);
    text_ += std::to_string(verticalDistance);
    text_ += std::to_string(horizontalDistance);
}

void EntropyTextBuilder::finish(std::int64_t handlingTicks) { text_ += std::to_string(handlingTicks); }

}  // namespace quorvex
