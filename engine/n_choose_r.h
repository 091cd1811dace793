#pragma once
// Binomial coefficients C(n, k) for n = 0..52 and k = 0..13: the counts of ways to deal
// one 13-card hand from the cards still undealt.
#include <array>
#include <cstdint>

#include "engine/mp.h"

namespace quorvex {

inline constexpr int NChooseRMaxN = 52;
inline constexpr int NChooseRMaxK = 13;

// Every entry is at most C(52,13) = 635,013,559,600 < 2^40, so native 64-bit integers
// hold the table exactly and let the deal numbering run on machine words.
using NChooseRTable = std::array<std::array<std::uint64_t, NChooseRMaxK + 1>, NChooseRMaxN + 1>;

// Pascal's triangle; entries with k > n stay 0.
constexpr NChooseRTable buildNChooseRTable() {
    NChooseRTable c{};
    for (int n = 0; n <= NChooseRMaxN; ++n) {
        for (int k = 0; k <= n && k <= NChooseRMaxK; ++k)
            c[n][k] = (k == 0 || k == n) ? 1 : c[n - 1][k - 1] + c[n - 1][k];
    }
    return c;
}

// Built once, by the compiler, and read-only afterwards.
inline constexpr NChooseRTable BinomialTable = buildNChooseRTable();

// C(n, k) when 0 <= k <= n <= 52 and k <= 13, otherwise 0.
MpInt nChooseR(int n, int k);

}  // namespace quorvex
