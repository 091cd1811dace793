#include "hash/hash_registry.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "hash/md4_family.h"
#include "hash/ripemd160.h"

namespace quorvex {
namespace {

const HashClass RipeMD160Class = &THash_RipeMD160::ClassInfo;

class FamilyRegistry : public ::testing::Test {
protected:
    FamilyRegistry() { registerHashClasses(registry); }
    HashRegistry registry;
};

TEST_F(FamilyRegistry, ListsTheTwentyEightClassesInOrder) {
    const auto& entries = registry.entries();
    ASSERT_EQ(entries.size(), 28u);
    EXPECT_EQ(entries[0].hashClass, &THash_MD4::ClassInfo);
    EXPECT_EQ(entries[0].text, "Message Digest 4=Hash");
    EXPECT_EQ(entries[5].hashClass, RipeMD160Class);
    EXPECT_EQ(entries[5].text, "Ripe Message Digest 160=Hash");
    EXPECT_EQ(entries[22].hashClass->name, "THash_Tiger");
    EXPECT_EQ(entries[23].text, "XOR-16=Checksum");
    EXPECT_EQ(entries[26].hashClass->name, "Thash_CRC16_Standard");
    EXPECT_EQ(entries[27].hashClass->name, "THash_CRC32");
    EXPECT_EQ(entries[27].text, "CRC-32=Checksum");
}

TEST_F(FamilyRegistry, RegisteringAgainKeepsOrderAndCount) {
    registerHashClasses(registry);
    ASSERT_EQ(registry.entries().size(), 28u);
    EXPECT_EQ(registry.entries()[5].hashClass, RipeMD160Class);
}

TEST_F(FamilyRegistry, FindsByNameInAnyCaseAndAfterAnyPrefix) {
    EXPECT_EQ(registry.FindHashClass("THash_RipeMD160"), RipeMD160Class);
    EXPECT_EQ(registry.FindHashClass("thash_ripemd160"), RipeMD160Class);
    EXPECT_EQ(registry.FindHashClass("Other_RipeMD160"), RipeMD160Class);
    EXPECT_EQ(registry.FindHashClass("_RIPEMD160"), RipeMD160Class);
    EXPECT_EQ(registry.FindHashClass("RipeMD160"), RipeMD160Class);
    EXPECT_EQ(registry.FindHashClass("Thash_CRC16_Standard")->name, "Thash_CRC16_Standard");
    // Only the part after the first "_" counts, on both sides.
    EXPECT_EQ(registry.FindHashClass("CRC16_Standard"), nullptr);
    EXPECT_EQ(registry.FindHashClass("x_CRC16_Standard")->name, "Thash_CRC16_Standard");
}

TEST_F(FamilyRegistry, FindsByDescriptionWhenNoNameMatches) {
    EXPECT_EQ(registry.FindHashClass("Ripe Message Digest 160"), RipeMD160Class);
    EXPECT_EQ(registry.FindHashClass("ripe message digest 160"), RipeMD160Class);
    EXPECT_EQ(registry.FindHashClass("Sapphire II-128")->name, "THash_Sapphire128");
}

TEST_F(FamilyRegistry, UnknownNamesFindNothing) {
    EXPECT_EQ(registry.FindHashClass("THash_RipeMD161"), nullptr);
    EXPECT_EQ(registry.FindHashClass("Ripe Message Digest 160=Hash"), nullptr);
    EXPECT_EQ(registry.FindHashClass(""), nullptr);
}

TEST(HashRegistry, NamesWinOverEarlierDescriptions) {
    const HashClassInfo alpha{"TX_Alpha"};
    const HashClassInfo beta{"TX_Beta"};
    HashRegistry registry;
    registry.RegisterHashClass(&alpha, "Beta", "Hash");
    registry.RegisterHashClass(&beta, "Other", "Hash");
    EXPECT_EQ(registry.FindHashClass("Beta"), &beta);
}

TEST(RegisterHashClass, TrimsTheDescription) {
    const HashClassInfo sample{"THash_Sample"};
    HashRegistry registry;
    EXPECT_TRUE(registry.RegisterHashClass(&sample, " \t Sample Digest  ", "Hash"));
    ASSERT_EQ(registry.entries().size(), 1u);
    EXPECT_EQ(registry.entries()[0].text, "Sample Digest=Hash");
}

TEST(RegisterHashClass, EmptyDescriptionBecomesTheShortClassName) {
    const HashClassInfo underscored{"THash_CRC16_Test"};
    const HashClassInfo plain{"TPlain"};
    HashRegistry registry;
    registry.RegisterHashClass(&underscored, "   ", "Checksum");
    registry.RegisterHashClass(&plain, "", "Hash");
    EXPECT_EQ(registry.entries()[0].text, "CRC16_Test=Checksum");
    EXPECT_EQ(registry.entries()[1].text, "Plain=Hash");
}

TEST(RegisterHashClass, ReplacesTheEntryOfAListedClass) {
    const HashClassInfo first{"THash_First"};
    const HashClassInfo second{"THash_Second"};
    HashRegistry registry;
    registry.RegisterHashClass(&first, "One", "Hash");
    registry.RegisterHashClass(&second, "Two", "Hash");
    registry.RegisterHashClass(&first, "Uno", "Checksum");
    ASSERT_EQ(registry.entries().size(), 2u);
    EXPECT_EQ(registry.entries()[0].hashClass, &first);
    EXPECT_EQ(registry.entries()[0].text, "Uno=Checksum");
    EXPECT_EQ(registry.FindHashClass("One"), nullptr);
}

TEST(RegisterHashClass, RefusesNoClass) {
    HashRegistry registry;
    EXPECT_FALSE(registry.RegisterHashClass(nullptr, "Nothing", "Hash"));
    EXPECT_TRUE(registry.entries().empty());
}

TEST(ProcessHashRegistry, HoldsTheFamilyFromItsFirstUse) {
    EXPECT_EQ(FindHashClass("THash_RipeMD160"), RipeMD160Class);
    registerHashClasses();
    EXPECT_EQ(theHashRegistry().entries().size(), 28u);
}

TEST(HashClassInfo, ClassesWithoutAnAlgorithmRefuseToCreateObjects) {
    EXPECT_THROW(FindHashClass("THash_MD5")->Create(nullptr), std::logic_error);
    EXPECT_THROW(THash_MD4::ClassInfo.Create(nullptr), std::logic_error);
    try {
        FindHashClass("Tiger")->Create(nullptr);
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "Hash algorithm THash_Tiger is not available in this program");
    }
    TProtection protection;
    EXPECT_EQ(RipeMD160Class->Create(&protection)->protection(), &protection);
}

}  // namespace
}  // namespace quorvex
