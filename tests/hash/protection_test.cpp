#include "hash/protection.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

constexpr const char* CircularText = "Circular Protection detected, Protection Object is invalid.";

TEST(Protection, ChainsAndUnlinks) {
    TProtection inner;
    TProtection outer(&inner);
    EXPECT_EQ(outer.protection(), &inner);
    EXPECT_EQ(inner.protection(), nullptr);
    outer.setProtection(nullptr);
    EXPECT_EQ(outer.protection(), nullptr);
}

TEST(Protection, RefusesChainsThatLoopBack) {
    TProtection first;
    TProtection second(&first);
    TProtection third(&second);
    try {
        first.setProtection(&third);
        FAIL() << "a loop through three objects was accepted";
    } catch (const EProtectionError& error) {
        EXPECT_STREQ(error.what(), CircularText);
    }
    EXPECT_EQ(first.protection(), nullptr);
    EXPECT_THROW(first.setProtection(&first), EProtectionError);
}

}  // namespace
}  // namespace quorvex
