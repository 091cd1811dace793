#pragma once
// The 39 hand shapes: every way of splitting 13 cards into four suits, with the class each
// shape counts in.
#include <array>
#include <string>
#include <string_view>

namespace quorvex {

enum class ShapeClass { Balanced, SemiBalanced, Shaped };

struct ShapeEntry {
    std::string_view Key;  // the suit lengths in descending order, written one after another
    ShapeClass Class;
};

// The index is the index into ShapeCount and into the report's shape rows.
inline constexpr std::array<ShapeEntry, 39> ShapeKeys{{
    {"4432", ShapeClass::Balanced},     {"4333", ShapeClass::Balanced}, {"4441", ShapeClass::SemiBalanced},
    {"5332", ShapeClass::Balanced},     {"5431", ShapeClass::Shaped},   {"5422", ShapeClass::SemiBalanced},
    {"5521", ShapeClass::Shaped},       {"5440", ShapeClass::Shaped},   {"5530", ShapeClass::Shaped},
    {"6322", ShapeClass::SemiBalanced}, {"6421", ShapeClass::Shaped},   {"6331", ShapeClass::Shaped},
    {"6430", ShapeClass::Shaped},       {"6511", ShapeClass::Shaped},   {"6520", ShapeClass::Shaped},
    {"6610", ShapeClass::Shaped},       {"7321", ShapeClass::Shaped},   {"7222", ShapeClass::Shaped},
    {"7411", ShapeClass::Shaped},       {"7420", ShapeClass::Shaped},   {"7330", ShapeClass::Shaped},
    {"7510", ShapeClass::Shaped},       {"7600", ShapeClass::Shaped},   {"8221", ShapeClass::Shaped},
    {"8311", ShapeClass::Shaped},       {"8320", ShapeClass::Shaped},   {"8410", ShapeClass::Shaped},
    {"8500", ShapeClass::Shaped},       {"9211", ShapeClass::Shaped},   {"9310", ShapeClass::Shaped},
    {"9220", ShapeClass::Shaped},       {"9400", ShapeClass::Shaped},   {"10210", ShapeClass::Shaped},
    {"10111", ShapeClass::Shaped},      {"10300", ShapeClass::Shaped},  {"11110", ShapeClass::Shaped},
    {"11200", ShapeClass::Shaped},      {"12100", ShapeClass::Shaped},  {"13000", ShapeClass::Shaped},
}};

// Four suit lengths of one hand, in any order.
using SuitLengths = std::array<unsigned, 4>;

// The shape key of a hand: its lengths sorted descending, as decimal numbers without
// separators: {2, 3, 4, 4} gives "4432", {0, 10, 1, 2} gives "10210".
std::string shapeKeyOf(SuitLengths lengths);

// Index into ShapeKeys of the entry whose key equals the hand's shape key, or -1 when
// none does (a hand of other than 13 cards). A length above 13 raises ERangeError.
int shapeIndexOf(SuitLengths lengths);

}  // namespace quorvex
