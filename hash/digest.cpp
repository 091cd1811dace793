#include "hash/digest.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>

#include "hash/string_format.h"

namespace quorvex {

namespace {

// Creates an object of the class, digests the bytes and hands the finished object to
// `use`; the object is destroyed also when a step throws.
template <typename Use>
auto withDigestOf(HashClass hashClass, const void* bytes, int length, TProtection* protection, Use use) {
    if (hashClass == nullptr) throw std::invalid_argument("No hash class to digest with");
    const std::unique_ptr<THash> hash = hashClass->Create(protection);
    hash->Reset();
    hash->Absorb(bytes, length);
    hash->Finish();
    return use(*hash);
}

int textLength(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        throw std::length_error("Text too long to digest");
    return static_cast<int>(text.size());
}

}  // namespace

std::string DigestOfBuffer(HashClass hashClass, const void* bytes, int length, TProtection* protection,
                           int encoderId) {
    return withDigestOf(hashClass, bytes, length, protection, [encoderId](const THash& hash) {
        return EncodeBytes(hash.DigestBytes(), hash.DigestSize(), encoderId);
    });
}

std::string DigestOfText(HashClass hashClass, std::string_view text, TProtection* protection, int encoderId) {
    return DigestOfBuffer(hashClass, text.data(), textLength(text), protection, encoderId);
}

Digest160 digest160OfBuffer(HashClass hashClass, const void* bytes, int length) {
    return withDigestOf(hashClass, bytes, length, nullptr, [](const THash& hash) {
        Digest160 digest;
        if (hash.DigestSize() != static_cast<int>(digest.size()))
            throw std::logic_error("The hash class does not give 160-bit digests");
        std::copy_n(hash.DigestBytes(), digest.size(), digest.begin());
        return digest;
    });
}

Digest160 digest160OfText(HashClass hashClass, std::string_view text) {
    return digest160OfBuffer(hashClass, text.data(), textLength(text));
}

}  // namespace quorvex
