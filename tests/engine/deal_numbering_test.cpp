#include "engine/deal_numbering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "common/range_error.h"
#include "engine/n_choose_r.h"

namespace quorvex {
namespace {

MpInt minusOne(const MpInt& a) {
    MpInt r;
    mpSub(a, mpFromUint64(1), r);
    return r;
}

// Runs of consecutive values first..last, joined.
std::vector<int> runs(std::initializer_list<std::pair<int, int>> firstAndLast) {
    std::vector<int> values;
    for (const auto& [first, last] : firstAndLast)
        for (int v = first; v <= last; ++v) values.push_back(v);
    return values;
}

// Values each repeated a number of times, joined.
std::vector<int> repeats(std::initializer_list<std::pair<int, int>> valueAndCount) {
    std::vector<int> values;
    for (const auto& [value, count] : valueAndCount)
        values.insert(values.end(), static_cast<std::size_t>(count), value);
    return values;
}

// 52 listed values as the bytes of a deal layout.
InternalDeal asDealBytes(const std::vector<int>& values) {
    EXPECT_EQ(values.size(), 52u);
    InternalDeal bytes{};
    std::copy_n(values.begin(), std::min<std::size_t>(52, values.size()), bytes.begin());
    return bytes;
}

// The unranking as a byte-wise search over MpInt: for each card, the smallest value
// whose count of deals up to and including it exceeds what is left of the number.
InternalDeal referenceUnrank(const MpInt& number) {
    InternalDeal deal{};
    MpInt rest = number;
    for (int hand = 0; hand < HandCount; ++hand) {
        const int undealt = 13 * (4 - hand);
        MpInt laterWays;
        mpOne(laterWays);
        for (int e = 2; e <= 3 - hand; ++e) mpMul(laterWays, nChooseR(13 * e, 13), laterWays);
        int last = 0;
        for (int j = 0; j < CardsPerHand; ++j) {
            const MpInt atOrAfterLast = nChooseR(undealt - last - j, 13 - j);
            const auto dealsBelow = [&](int value) {  // deals whose byte j is below value
                MpInt t;
                mpSub(atOrAfterLast, nChooseR(undealt - value - j, 13 - j), t);
                mpMul(t, laterWays, t);
                return t;
            };
            int p = last;  // bounded so that faulty arithmetic cannot make the search endless
            while (p < undealt - CardsPerHand && mpCompare(dealsBelow(p + 1), rest) <= 0) ++p;
            mpSub(rest, dealsBelow(p), rest);
            deal[hand * CardsPerHand + j] = static_cast<std::uint8_t>(p);
            last = p;
        }
    }
    EXPECT_EQ(rest, MpInt{});
    return deal;
}

// The number of a by-hand deal by the closed form
// r0 x C(39,13) x C(26,13) + r1 x C(26,13) + r2, r_h the lexicographic rank of hand h's
// positions among the cards still undealt.
MpInt rankByClosedForm(const ByHandDeal& deal) {
    std::vector<int> undealt = runs({{1, 52}});
    MpInt number;
    for (int hand = 0; hand < 3; ++hand) {
        const int size = static_cast<int>(undealt.size());
        std::uint64_t rank = 0;
        int nextFree = 0;
        for (int j = 0; j < CardsPerHand; ++j) {
            const auto found = std::find(undealt.begin(), undealt.end(), deal[hand * CardsPerHand + j]);
            const int position = static_cast<int>(found - undealt.begin());
            for (int skipped = nextFree; skipped < position; ++skipped)
                rank += BinomialTable[size - skipped - 1][CardsPerHand - 1 - j];
            nextFree = position + 1;
        }
        for (int j = 0; j < CardsPerHand; ++j) std::erase(undealt, deal[hand * CardsPerHand + j]);
        mpMul(number, nChooseR(size, 13), number);
        mpAdd(number, mpFromUint64(rank), number);
    }
    return number;
}

void expectWellFormed(const ByHandDeal& deal) {
    std::array<int, 53> seen{};
    for (std::uint8_t card : deal) {
        ASSERT_GE(card, 1);
        ASSERT_LE(card, 52);
        ++seen[card];
    }
    EXPECT_TRUE(std::all_of(seen.begin() + 1, seen.end(), [](int n) { return n == 1; }));
    for (int hand = 0; hand < HandCount; ++hand) {
        const auto first = deal.begin() + hand * CardsPerHand;
        EXPECT_EQ(std::adjacent_find(first, first + CardsPerHand, std::greater_equal<>()),
                  first + CardsPerHand)
            << "hand " << hand << " not strictly ascending";
    }
}

struct KnownDeal {
    MpInt number;
    std::vector<int> cards;     // hands 0..3
    std::vector<int> internal;  // groups 0..3
};

const std::vector<KnownDeal> KnownDeals = {
    // plain ascending order
    {mpFromUint64(0), runs({{1, 52}}), repeats({{0, 52}})},
    // only the last two hands change
    {mpFromUint64(1), runs({{1, 38}, {40, 40}, {39, 39}, {41, 52}}), repeats({{0, 38}, {1, 1}, {0, 13}})},
    // C(26,13): hand 1 moves by one card
    {mpFromUint64(10'400'600), runs({{1, 25}, {27, 27}, {26, 26}, {28, 52}}),
     repeats({{0, 25}, {1, 1}, {0, 26}})},
    // C(39,13) x C(26,13): hand 0 moves by one card
    {mpFromUint64(84'478'098'072'866'400), runs({{1, 12}, {14, 14}, {13, 13}, {15, 52}}),
     repeats({{0, 12}, {1, 1}, {0, 39}})},
    // one below: the last deal with hand 0 = 1..13
    {mpFromUint64(84'478'098'072'866'399), runs({{1, 13}, {40, 52}, {27, 39}, {14, 26}}),
     repeats({{0, 13}, {26, 13}, {13, 13}, {0, 13}})},
    {mpFromUint64(12'345'678'901'234'567'890u),
     {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 15, 45, 12, 14, 17, 22, 23, 27, 31, 32, 33, 38, 41, 43, 44,
      13, 16, 19, 25, 30, 35, 36, 37, 42, 47, 50, 51, 52, 18, 20, 21, 24, 26, 28, 29, 34, 39, 40, 46, 48, 49},
     {0, 0, 0, 0, 0, 0, 0, 0, 0,  0,  0,  3,  32, 0, 1, 2, 6, 6, 9, 12, 12, 12, 16, 18, 19, 19,
      0, 0, 1, 4, 7, 8, 8, 8, 10, 11, 13, 13, 13, 0, 0, 0, 0, 0, 0, 0,  0,  0,  0,  0,  0,  0}},
    // the last deal: hands in reverse
    {minusOne(DealCount), runs({{40, 52}, {27, 39}, {14, 26}, {1, 13}}),
     repeats({{39, 13}, {26, 13}, {13, 13}, {0, 13}})},
};

TEST(DealNumbering, DealCountIsTheProductOfTheHandCounts) {
    MpInt product;
    mpMul(nChooseR(52, 13), nChooseR(39, 13), product);
    mpMul(product, nChooseR(26, 13), product);
    EXPECT_EQ(product, DealCount);
}

TEST(DealNumbering, ValidityEndsAtDealCount) {
    EXPECT_TRUE(isValidHandNumber(MpInt{}));
    EXPECT_TRUE(isValidHandNumber(minusOne(DealCount)));
    EXPECT_FALSE(isValidHandNumber(DealCount));
    MpInt allOnes;
    allOnes.bytes.fill(0xFF);
    EXPECT_FALSE(isValidHandNumber(allOnes));
}

TEST(DealNumbering, InvalidNumberIsARangeErrorNotADeal) {
    EXPECT_THROW(dealNumberToInternalDeal(DealCount), ERangeError);
    MpInt allOnes;
    allOnes.bytes.fill(0xFF);
    EXPECT_THROW(dealNumberToInternalDeal(allOnes), ERangeError);
}

TEST(DealNumbering, LayoutThatNoDealHasIsARangeError) {
    InternalDeal decreasing{};
    decreasing[5] = 2;  // group 0 goes 2, 0
    EXPECT_THROW(internalDealToByHand(decreasing), ERangeError);
    InternalDeal pastTheEnd{};
    pastTheEnd[2 * CardsPerHand + 12] = 14;  // hand 2 has 26 cards to choose from: at most 13
    EXPECT_THROW(internalDealToByHand(pastTheEnd), ERangeError);
    pastTheEnd[2 * CardsPerHand + 12] = 13;
    EXPECT_NO_THROW(internalDealToByHand(pastTheEnd));
}

TEST(DealNumbering, KnownNumbersGiveTheirDeals) {
    for (const KnownDeal& known : KnownDeals) {
        SCOPED_TRACE(testing::PrintToString(known.cards));
        const InternalDeal internal = dealNumberToInternalDeal(known.number);
        EXPECT_EQ(internal, asDealBytes(known.internal));
        EXPECT_EQ(internalDealToByHand(internal), asDealBytes(known.cards));
        EXPECT_EQ(referenceUnrank(known.number), internal);
        EXPECT_EQ(rankByClosedForm(asDealBytes(known.cards)), known.number);
    }
}

// Random valid numbers: the deal is well formed, ranks back to its number and agrees
// with the byte-wise search.
TEST(DealNumbering, RandomNumbersRoundTripAndMatchReference) {
    std::mt19937_64 rng(52'13'13'13);
    for (int drawn = 0; drawn < 3000;) {
        MpInt number;
        for (auto& byte : number.bytes) byte = static_cast<std::uint8_t>(rng());
        if (!isValidHandNumber(number)) continue;
        ++drawn;
        const InternalDeal internal = dealNumberToInternalDeal(number);
        ASSERT_EQ(internal, referenceUnrank(number)) << "draw " << drawn;
        const ByHandDeal deal = internalDealToByHand(internal);
        expectWellFormed(deal);
        ASSERT_EQ(rankByClosedForm(deal), number) << "draw " << drawn;
    }
}

}  // namespace
}  // namespace quorvex
