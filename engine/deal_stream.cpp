#include "engine/deal_stream.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <tuple>

#include "common/error_texts.h"
#include "engine/deal_numbering.h"
#include "hash/digest.h"

namespace quorvex {

namespace {

// Layout of the seed block: counter (little-endian), a zero byte, then the two digests,
// each behind its length byte.
constexpr std::size_t EntropyLengthOffset = 5;
constexpr std::size_t IdentityLengthOffset = 26;
constexpr std::uint8_t DigestLength = std::tuple_size_v<Digest160>;

}  // namespace

HashClass seedingHashClass() { return FindHashClass("THash_RipeMD160"); }

void DealStream::storeDigest(std::size_t lengthOffset, HashClass cls, std::string_view text) {
    const Digest160 digest = digest160OfText(cls, text);
    block_[lengthOffset] = DigestLength;
    std::copy(digest.begin(), digest.end(), block_.begin() + static_cast<std::ptrdiff_t>(lengthOffset) + 1);
}

void DealStream::seed(HashClass cls, std::string_view identityText, std::string_view entropyText) {
    storeDigest(IdentityLengthOffset, cls, identityText);
    storeDigest(EntropyLengthOffset, cls, entropyText);
    drawCounter_ = 0;
    std::fill_n(block_.begin(), 4, std::uint8_t{0});
}

MpInt DealStream::nextDealNumber(HashClass cls) {
    for (;;) {
        if (drawCounter_ == std::numeric_limits<std::int32_t>::max())
            throw std::overflow_error(error_text::IntegerOverflow);
        ++drawCounter_;
        const auto counter = static_cast<std::uint32_t>(drawCounter_);
        for (std::size_t i = 0; i < 4; ++i) block_[i] = static_cast<std::uint8_t>(counter >> (8 * i));
        const Digest160 digest = digest160OfBuffer(cls, block_.data(), static_cast<int>(block_.size()));
        MpInt candidate;
        mpFromBytes(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size()), candidate);
        if (isValidHandNumber(candidate)) return candidate;
    }
}

}  // namespace quorvex
