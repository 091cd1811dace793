#include "hash/digest.h"

#include <limits>
#include <stdexcept>

#include "hash/string_format.h"

namespace quorvex {

std::string DigestOfBuffer(HashClass hashClass, const void* bytes, int length, TProtection* protection,
                           int encoderId) {
    if (hashClass == nullptr) throw std::invalid_argument("No hash class to digest with");
    const std::unique_ptr<THash> hash = hashClass->Create(protection);
    hash->Reset();
    hash->Absorb(bytes, length);
    hash->Finish();
    return EncodeBytes(hash->DigestBytes(), hash->DigestSize(), encoderId);
}

std::string DigestOfText(HashClass hashClass, std::string_view text, TProtection* protection, int encoderId) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw std::length_error("Text too long to digest");
    }
    return DigestOfBuffer(hashClass, text.data(), static_cast<int>(text.size()), protection, encoderId);
}

}  // namespace quorvex
