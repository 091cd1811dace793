#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "hash/hash_class.h"

namespace quorvex {

// One registered class with its entry text: description + "=" + kind.
struct HashRegistryEntry {
    HashClass hashClass;
    std::string text;
};

// An ordered list of hash classes, looked up by class name or description.
// Names and descriptions are compared ignoring the case of ASCII letters; all
// registered names and descriptions are plain ASCII.
class HashRegistry {
public:
    // False for no class. Otherwise trims blanks and control characters around
    // `description`; an empty description becomes the class name without its
    // leading "T" and without everything up to and including its first "_".
    // A class already listed gets its entry text replaced, a new one is appended.
    bool RegisterHashClass(HashClass hashClass, std::string_view description, std::string_view kind);

    // The first class whose name, cut after its first "_", equals `name` cut the
    // same way; failing that, the first class whose description (the entry text
    // before its first "=") equals `name` cut that way; otherwise nullptr.
    HashClass FindHashClass(std::string_view name) const;

    const std::vector<HashRegistryEntry>& entries() const { return entries_; }

private:
    std::vector<HashRegistryEntry> entries_;
};

// Registers the 28 classes of the hash family in their fixed order.
void registerHashClasses(HashRegistry& registry);

// The process-wide registry. It is created on first use with the hash family
// already registered, so a lookup can never run against an empty list.
HashRegistry& theHashRegistry();

// The operations above on the process-wide registry.
void registerHashClasses();
bool RegisterHashClass(HashClass hashClass, std::string_view description, std::string_view kind);
HashClass FindHashClass(std::string_view name);

}  // namespace quorvex
