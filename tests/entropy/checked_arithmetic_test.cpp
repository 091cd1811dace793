#include "entropy/checked_arithmetic.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvex {
namespace {

constexpr auto Min64 = std::numeric_limits<std::int64_t>::min();
constexpr auto Max64 = std::numeric_limits<std::int64_t>::max();
constexpr auto Min32 = std::numeric_limits<std::int32_t>::min();
constexpr auto Max32 = std::numeric_limits<std::int32_t>::max();

TEST(CheckedSubtract, ReachesBothEndsOfTheRange) {
    EXPECT_EQ(checkedSubtract(Max64, 0), Max64);
    EXPECT_EQ(checkedSubtract(-1, Max64), Min64);
    EXPECT_EQ(checkedSubtract(Max64 - 1, -1), Max64);
    EXPECT_EQ(checkedSubtract(Min64, Min64), 0);
}

TEST(CheckedSubtract, RefusesToWrap) {
    EXPECT_THROW(checkedSubtract(Max64, -1), std::overflow_error);
    EXPECT_THROW(checkedSubtract(Min64, 1), std::overflow_error);
    EXPECT_THROW(checkedSubtract(0, Min64), std::overflow_error);
    EXPECT_THROW(checkedSubtract(-2, Max64), std::overflow_error);
}

TEST(CheckedDistance, IsTheAbsoluteDifference) {
    EXPECT_EQ(checkedDistance(700, 640), 60);
    EXPECT_EQ(checkedDistance(640, 700), 60);
    EXPECT_EQ(checkedDistance(-5, 5), 10);
    EXPECT_EQ(checkedDistance(Max32, 0), Max32);
    EXPECT_EQ(checkedDistance(Min32, -1), Max32);
}

TEST(CheckedDistance, RefusesDistancesBeyond32Bits) {
    EXPECT_THROW(checkedDistance(Min32, 0), std::overflow_error);
    EXPECT_THROW(checkedDistance(Max32, -1), std::overflow_error);
    EXPECT_THROW(checkedDistance(Min32, Max32), std::overflow_error);
}

TEST(CheckedAdd, RefusesSumsBeyond32Bits) {
    EXPECT_EQ(checkedAdd(Max32 - 99, 99), Max32);
    EXPECT_EQ(checkedAdd(Min32, 0), Min32);
    EXPECT_THROW(checkedAdd(Max32, 1), std::overflow_error);
    EXPECT_THROW(checkedAdd(Min32, -1), std::overflow_error);
}

}  // namespace
}  // namespace quorvex
