#pragma once

#include <cstdint>

#include "hash/protection.h"

namespace quorvex {

// A hash object: Reset, Absorb any number of times, Finish, then read the digest.
class THash : public TProtection {
public:
    using TProtection::TProtection;

    // Starts a new digest.
    virtual void Reset() = 0;
    // Feeds `length` bytes; a length of 0 or less feeds nothing.
    virtual void Absorb(const void* bytes, int length) = 0;
    // Pads and completes the digest.
    virtual void Finish() = 0;
    // The DigestSize() digest bytes, valid until the next Reset or the object's end.
    virtual const std::uint8_t* DigestBytes() const = 0;
    virtual int DigestSize() const = 0;
};

}  // namespace quorvex
