#pragma once

#include <span>
#include <string_view>

#include "hash/hash_class.h"

namespace quorvex {

// One class of the hash family with the description and kind it registers with.
struct HashFamilyMember {
    HashClass hashClass;
    std::string_view description;
    std::string_view kind;
};

// The 28 classes of the hash family in registration order. Only
// THash_RipeMD160 has an algorithm here; the others are kept so that lookups
// by name and by description see the same list as always.
std::span<const HashFamilyMember> hashFamilyMembers();

}  // namespace quorvex
