#include "hash/hash_registry.h"

#include <algorithm>

#include "common/ascii_case.h"
#include "hash/hash_family.h"

namespace quorvex {
namespace {

// The part of a name after its first "_", or the whole name without one.
std::string_view AfterFirstUnderscore(std::string_view name) {
    const auto underscore = name.find('_');
    return underscore == std::string_view::npos ? name : name.substr(underscore + 1);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, asciiLower, asciiLower);
}

std::string_view DescriptionOf(const HashRegistryEntry& entry) {
    const std::string_view text = entry.text;
    return text.substr(0, text.find('='));
}

}  // namespace

bool HashRegistry::RegisterHashClass(HashClass hashClass, std::string_view description,
                                     std::string_view kind) {
    if (hashClass == nullptr) return false;
    description = TrimBlanks(description);
    if (description.empty()) {
        std::string_view name = hashClass->name;
        if (name.starts_with('T')) name.remove_prefix(1);
        description = AfterFirstUnderscore(name);
    }
    std::string text = std::string(description) + "=" + std::string(kind);
    const auto listed = std::ranges::find(entries_, hashClass, &HashRegistryEntry::hashClass);
    if (listed != entries_.end()) {
        listed->text = std::move(text);
    } else {
        entries_.push_back({hashClass, std::move(text)});
    }
    return true;
}

HashClass HashRegistry::FindHashClass(std::string_view name) const {
    const std::string_view key = AfterFirstUnderscore(name);
    for (const HashRegistryEntry& entry : entries_) {
        if (EqualIgnoringCase(AfterFirstUnderscore(entry.hashClass->name), key)) {
            return entry.hashClass;
        }
    }
    for (const HashRegistryEntry& entry : entries_) {
        if (EqualIgnoringCase(DescriptionOf(entry), key)) return entry.hashClass;
    }
    return nullptr;
}

void registerHashClasses(HashRegistry& registry) {
    for (const HashFamilyMember& member : hashFamilyMembers()) {
        registry.RegisterHashClass(member.hashClass, member.description, member.kind);
    }
}

HashRegistry& theHashRegistry() {
    static HashRegistry registry = [] {
        HashRegistry filled;
        registerHashClasses(filled);
        return filled;
    }();
    return registry;
}

void registerHashClasses() { registerHashClasses(theHashRegistry()); }

bool RegisterHashClass(HashClass hashClass, std::string_view description, std::string_view kind) {
    return theHashRegistry().RegisterHashClass(hashClass, description, kind);
}

HashClass FindHashClass(std::string_view name) { return theHashRegistry().FindHashClass(name); }

}  // namespace quorvex
