#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "hash/hash_class.h"
#include "hash/protection.h"

namespace quorvex {

// One-shot digests: create an object of `hashClass` linked to `protection`
// (may be nullptr), Reset, Absorb the input, Finish, encode the digest with
// encoder `encoderId` (1 = raw copy, see string_format.h) and destroy the
// object, also when a step throws.
// Throws std::invalid_argument for no class and std::logic_error for a class
// without an algorithm in this program.

// Digests all characters of `text`, no terminator; longer than 2^31 - 1 bytes
// throws std::length_error.
std::string DigestOfText(HashClass hashClass, std::string_view text, TProtection* protection, int encoderId);

// Digests `length` bytes at `bytes`; a length of 0 or less digests nothing.
std::string DigestOfBuffer(HashClass hashClass, const void* bytes, int length, TProtection* protection,
                           int encoderId);

// A 160-bit digest as raw bytes, held by value: the deal stream takes one per draw.
using Digest160 = std::array<std::uint8_t, 20>;

// The raw digest of `length` bytes (of `text`) with no protection and no encoding.
// Throws std::logic_error for a class whose digests are not 160 bits.
Digest160 digest160OfBuffer(HashClass hashClass, const void* bytes, int length);
Digest160 digest160OfText(HashClass hashClass, std::string_view text);

}  // namespace quorvex
