#include "engine/deal_stream.h"

#include <gtest/gtest.h>

#include "engine/board_line.h"
#include "engine/deal_numbering.h"
#include "hash/digest.h"
#include "mp_literal.h"

namespace quorvex {
namespace {

using testing::mpFromDecimal;

class DealStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerHashClasses();
        cls = FindHashClass("THash_RipeMD160");
        ASSERT_NE(cls, nullptr);
    }
    std::string digestOf(std::string_view text) const { return DigestOfText(cls, text, nullptr, 1); }

    HashClass cls = nullptr;
};

TEST_F(DealStreamTest, SeedBlockHoldsCounterZeroByteAndBothDigests) {
    DealStream stream;
    EXPECT_EQ(stream.seedBlock(), SeedBlock{}) << "unseeded block is all zeros";
    stream.seed(cls, "YourID", "");
    stream.nextDealNumber(cls);

    const SeedBlock& block = stream.seedBlock();
    const std::string entropyDigest = digestOf("");
    const std::string identityDigest = digestOf("YourID");
    const std::uint8_t head[] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x14};
    EXPECT_TRUE(std::equal(std::begin(head), std::end(head), block.begin()));
    EXPECT_EQ(std::string(block.begin() + 6, block.begin() + 26), entropyDigest);
    EXPECT_EQ(block[26], 0x14);
    EXPECT_EQ(std::string(block.begin() + 27, block.end()), identityDigest);
}

TEST_F(DealStreamTest, KnownStreamAcceptsAndRejectsCandidates) {
    DealStream stream;
    stream.seed(cls, "YourID", "");
    // Counter 1 and 2 give these numbers; counters 1..6 are accepted, 7 and 8 rejected.
    const MpInt first = stream.nextDealNumber(cls);
    EXPECT_EQ(first, mpFromDecimal("26560748501243227251896627819"));
    EXPECT_EQ(boardLine(internalDealToByHand(dealNumberToInternalDeal(first))),
              "0305092732343641424446495216171921222628313335455051010407081213242938394347480206101114151820"
              "2325303740");
    EXPECT_EQ(stream.nextDealNumber(cls), mpFromDecimal("8438895931436926378905489981"));
    for (int board = 3; board <= 6; ++board) {
        stream.nextDealNumber(cls);
        EXPECT_EQ(stream.drawCounter(), board);
    }
    stream.nextDealNumber(cls);
    EXPECT_EQ(stream.drawCounter(), 9) << "counters 7 and 8 are rejected";
    EXPECT_EQ(stream.seedBlock()[4], 0);
}

TEST_F(DealStreamTest, TwoStreamsWithTheSameTextsAgreeAndAContinuationMatchesOneRun) {
    DealStream oneRun, twoRuns;
    oneRun.seed(cls, "Club Night", "123-45");
    twoRuns.seed(cls, "Club Night", "123-45");
    std::vector<MpInt> fifteen, tenThenFive;
    for (int i = 0; i < 15; ++i) fifteen.push_back(oneRun.nextDealNumber(cls));
    for (int i = 0; i < 10; ++i) tenThenFive.push_back(twoRuns.nextDealNumber(cls));
    for (int i = 0; i < 5; ++i) tenThenFive.push_back(twoRuns.nextDealNumber(cls));
    EXPECT_EQ(fifteen, tenThenFive);
    EXPECT_EQ(oneRun.drawCounter(), twoRuns.drawCounter());
    for (const MpInt& number : fifteen) EXPECT_TRUE(isValidHandNumber(number));
}

TEST_F(DealStreamTest, DifferentTextsGiveDifferentStreamsAndSeedingAgainRestarts) {
    DealStream a, b;
    a.seed(cls, "", "");
    b.seed(cls, "", "1");
    const MpInt firstOfA = a.nextDealNumber(cls);
    EXPECT_NE(firstOfA, b.nextDealNumber(cls));
    a.nextDealNumber(cls);
    a.seed(cls, "", "");
    EXPECT_EQ(a.drawCounter(), 0);
    EXPECT_EQ(a.nextDealNumber(cls), firstOfA);
}

}  // namespace
}  // namespace quorvex
