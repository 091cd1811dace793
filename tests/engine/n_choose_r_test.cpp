#include "engine/n_choose_r.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(NChooseR, KnownValues) {
    EXPECT_EQ(nChooseR(52, 13), mpFromUint64(635'013'559'600));
    EXPECT_EQ(nChooseR(39, 13), mpFromUint64(8'122'425'444));
    EXPECT_EQ(nChooseR(26, 13), mpFromUint64(10'400'600));
    EXPECT_EQ(nChooseR(13, 13), mpFromUint64(1));
    EXPECT_EQ(nChooseR(0, 0), mpFromUint64(1));
    EXPECT_EQ(nChooseR(52, 1), mpFromUint64(52));
}

TEST(NChooseR, ZeroOutsideTheTable) {
    EXPECT_EQ(nChooseR(12, 13), MpInt{});
    EXPECT_EQ(nChooseR(53, 1), MpInt{});
    EXPECT_EQ(nChooseR(52, 14), MpInt{});
    EXPECT_EQ(nChooseR(3, -1), MpInt{});
}

// Checks every entry against the multiplicative formula C(n,k) = C(n,k-1) x (n-k+1) / k,
// which does not share the additive fill.
TEST(NChooseR, WholeTableMatchesMultiplicativeFormula) {
    for (int n = 0; n <= NChooseRMaxN; ++n) {
        std::uint64_t expected = 1;
        for (int k = 0; k <= NChooseRMaxK; ++k) {
            if (k > 0)
                expected =
                    k > n ? 0
                          : expected * static_cast<std::uint64_t>(n - k + 1) / static_cast<std::uint64_t>(k);
            ASSERT_EQ(BinomialTable[n][k], expected) << "C(" << n << "," << k << ")";
            ASSERT_EQ(nChooseR(n, k), mpFromUint64(expected)) << "C(" << n << "," << k << ")";
        }
    }
}

}  // namespace
}  // namespace quorvex
