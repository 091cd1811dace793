#include "hash/protection.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

constexpr const char* kCircular = "Circular Protection detected, Protection Object is invalid.";

TEST(Protection, ChainsAndUnlinks) {
    TProtection inner;
    TProtection outer(&inner);
    EXPECT_EQ(outer.Protection(), &inner);
    EXPECT_EQ(inner.Protection(), nullptr);
    outer.SetProtection(nullptr);
    EXPECT_EQ(outer.Protection(), nullptr);
}

TEST(Protection, RefusesChainsThatLoopBack) {
    TProtection first;
    TProtection second(&first);
    TProtection third(&second);
    try {
        first.SetProtection(&third);
        FAIL() << "a loop through three objects was accepted";
    } catch (const EProtectionError& error) {
        EXPECT_STREQ(error.what(), kCircular);
    }
    EXPECT_EQ(first.Protection(), nullptr);
    EXPECT_THROW(first.SetProtection(&first), EProtectionError);
}

}  // namespace
}  // namespace quorvex
