// Duplication sheets and curtain cards from the dealer and from convert, end to end.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_command.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::runDealer;
using testing::TempFolder;

const std::string Entropy = "102030405060708090102030405060708090102030";

TEST(QuorvexDealClubDocuments, TheDealerWritesBothPerSetAndNoSecret) {
    TempFolder folder;
    const auto result = runDealer({"--entropy-text", Entropy, "--sets", "2", "--boards", "3", "--formats",
                                   "none", "--dealing-sheets", "--curtain-cards", "--out", folder.str()});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const std::string expectedList = testing::wroteTwoSets(folder.path(), {"-dealing.html", "-curtain.html"});
    EXPECT_NE(result.output.find(expectedList), std::string::npos) << result.output;
    for (const char* name : {"QVW-01-dealing.html", "QVW-02-curtain.html"}) {
        const std::string document = readFile(folder.file(name));
        EXPECT_NE(document.find("Board 3"), std::string::npos) << name;
        EXPECT_EQ(document.find(Entropy.substr(0, 12)), std::string::npos) << name << " shows the entropy";
    }
}

TEST(QuorvexDealClubDocuments, ConvertWritesThemForAnotherClubsBoards) {
    TempFolder folder;
    testing::writeFile(folder.file("sim.pbn"),
                       "[Board \"1\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n"
                       "[Deal \"N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94\"]\n");
    const auto result = runDealer({"convert", folder.file("sim.pbn"), "--formats", "none", "--out",
                                   folder.str(), "--curtain-cards", "--dealing-sheets", "--quiet"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(result.output, "");
    const std::string curtain = readFile(folder.file("QVW-01-curtain.html"));
    EXPECT_NE(curtain.find("<span class=\"seat\">East</span>"), std::string::npos);
    EXPECT_NE(curtain.find("&diams;</span>K 10 9 5 4</div>"), std::string::npos) << "East's diamonds";
    EXPECT_TRUE(std::filesystem::exists(folder.file("QVW-01-dealing.html")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("QVW-01.html")));
}

TEST(QuorvexDealClubDocuments, TheSwitchesTakeNoValue) {
    for (const char* option : {"--dealing-sheets=1", "--curtain-cards=yes"}) {
        const auto result = runDealer({option});
        EXPECT_EQ(result.exitCode, 2) << option;
        EXPECT_NE(result.output.find("takes no value"), std::string::npos) << result.output;
    }
}

}  // namespace
}  // namespace quorvex
