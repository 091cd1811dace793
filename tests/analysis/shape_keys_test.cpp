#include "analysis/shape_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/range_error.h"

namespace quorvex {
namespace {

TEST(ShapeKeys, KeysAreSortedLengthsWithoutSeparators) {
    EXPECT_EQ(shapeKeyOf({2, 3, 4, 4}), "4432");
    EXPECT_EQ(shapeKeyOf({0, 10, 1, 2}), "10210");
    EXPECT_EQ(shapeKeyOf({0, 0, 13, 0}), "13000");
    EXPECT_EQ(shapeKeyOf({4, 4, 0, 5}), "5440");
}

TEST(ShapeKeys, TableHoldsEverySplitOfThirteenCardsOnce) {
    std::set<int> indices;
    for (unsigned a = 0; a <= 13; ++a)
        for (unsigned b = 0; b <= a; ++b)
            for (unsigned c = 0; c <= b; ++c)
                if (a + b + c <= 13 && 13 - a - b - c <= c) {
                    const int index = shapeIndexOf({a, b, c, 13 - a - b - c});
                    ASSERT_GE(index, 0) << shapeKeyOf({a, b, c, 13 - a - b - c});
                    EXPECT_EQ(ShapeKeys[static_cast<std::size_t>(index)].Key,
                              shapeKeyOf({a, b, c, 13 - a - b - c}));
                    indices.insert(index);
                }
    EXPECT_EQ(indices.size(), ShapeKeys.size());
}

TEST(ShapeKeys, LengthsOfEachShapeSpellItsKey) {
    for (std::size_t index = 0; index < ShapeKeys.size(); ++index) {
        const SuitLengths lengths = shapeLengths(index);
        EXPECT_EQ(shapeKeyOf(lengths), ShapeKeys[index].Key);
        EXPECT_TRUE(std::is_sorted(lengths.rbegin(), lengths.rend())) << ShapeKeys[index].Key;
        EXPECT_EQ(shapeIndexOf(lengths), static_cast<int>(index));
    }
}

TEST(ShapeKeys, IndexIgnoresTheOrderOfTheSuits) {
    EXPECT_EQ(shapeIndexOf({4, 4, 3, 2}), 0);
    EXPECT_EQ(shapeIndexOf({2, 3, 4, 4}), 0);
    EXPECT_EQ(shapeIndexOf({1, 0, 2, 10}), 32);
    EXPECT_EQ(shapeIndexOf({0, 13, 0, 0}), 38);
}

TEST(ShapeKeys, HandsOfOtherThanThirteenCardsHaveNoShape) {
    EXPECT_EQ(shapeIndexOf({4, 4, 3, 1}), -1);
    EXPECT_EQ(shapeIndexOf({0, 0, 0, 0}), -1);
    EXPECT_EQ(shapeIndexOf({13, 1, 0, 0}), -1);
    EXPECT_THROW(shapeIndexOf({14, 0, 0, 0}), ERangeError);
}

TEST(ShapeKeys, ClassesOfTheBalancedAndSemiBalancedShapes) {
    std::set<std::string_view> balanced, semiBalanced;
    for (const ShapeEntry& entry : ShapeKeys) {
        if (entry.Class == ShapeClass::Balanced) balanced.insert(entry.Key);
        if (entry.Class == ShapeClass::SemiBalanced) semiBalanced.insert(entry.Key);
    }
    EXPECT_EQ(balanced, (std::set<std::string_view>{"4432", "4333", "5332"}));
    EXPECT_EQ(semiBalanced, (std::set<std::string_view>{"4441", "5422", "6322"}));
}

}  // namespace
}  // namespace quorvex
