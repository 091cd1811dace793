#pragma once

#include <memory>
#include <string_view>

#include "hash/hash.h"

namespace quorvex {

// A hash class as a value: its name and a way to create objects of it. The
// family registers more classes than this program implements; those have no
// factory and refuse to create objects rather than produce a wrong digest.
struct HashClassInfo {
    std::string_view name;
    std::unique_ptr<THash> (*create)(TProtection* protection) = nullptr;

    // Creates an object of this class linked to `protection` (may be nullptr).
    // Throws std::logic_error when the class has no algorithm in this program.
    std::unique_ptr<THash> Create(TProtection* protection) const;
};

// A reference to a hash class; nullptr means none.
using HashClass = const HashClassInfo*;

}  // namespace quorvex
