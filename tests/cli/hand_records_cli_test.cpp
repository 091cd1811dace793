// The dealer's PBN files, double-dummy analysis and hand records, end to end.
#include <dds/dll.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "run_command.h"
#include "temp_folder.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace quorvex {
namespace {

using testing::readFile;
using testing::runDealer;
using testing::TempFolder;
using testing::writeFile;

const std::string Entropy = "102030405060708090102030405060708090102030";

// The value of the first tag `name` at or after `from`.
std::string tagValue(const std::string& file, const std::string& name, std::size_t from) {
    const std::string open = "[" + name + " \"";
    const std::size_t start = file.find(open, from) + open.size();
    return file.substr(start, file.find('"', start) - start);
}

TEST(QuorvexDealHandRecords, EveryFormatWithDoubleDummyAgreesWithTheLibrary) {
    TempFolder folder;
    const auto result = runDealer({"--entropy-text", Entropy, "--sets", "2", "--boards", "3", "--formats",
                                   "all", "--double-dummy", "--hand-records", "--out", folder.str()});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const std::string expectedList =
        testing::wroteTwoSets(folder.path(), {".dlm", ".dup", ".bri", ".dge", ".txt", ".pbn", ".html"});
    EXPECT_NE(result.output.find(expectedList), std::string::npos) << result.output;

    // Linked statically (the Windows build), the library is not set up as it loads.
    SetMaxThreads(0);
    for (const char* set : {"01", "02"}) {
        const std::string pbn = readFile(folder.file(std::string("QVW-") + set + ".pbn"));
        std::size_t games = 0;
        for (std::size_t at = pbn.find("[Event "); at != std::string::npos;
             at = pbn.find("[Event ", at + 1)) {
            ++games;
            ddTableDealPBN deal{};
            std::snprintf(deal.cards, sizeof deal.cards, "%s", tagValue(pbn, "Deal", at).c_str());
            ddTableResults table{};
            ASSERT_EQ(CalcDDtablePBN(deal, &table), RETURN_NO_FAULT);
            std::string tricks;
            for (const int declarer : {0, 2, 1, 3})
                for (const int strain : {4, 0, 1, 2, 3})
                    tricks += "0123456789abcd"[table.resTable[strain][declarer]];
            EXPECT_EQ(tagValue(pbn, "DoubleDummyTricks", at), tricks) << "set " << set << " game " << games;

            const int dealer =
                static_cast<int>(std::string_view("NESW").find(tagValue(pbn, "Dealer", at)[0]));
            const std::string vulnerable = tagValue(pbn, "Vulnerable", at);
            const int code = vulnerable == "None" ? 0 : vulnerable == "All" ? 1 : vulnerable == "NS" ? 2 : 3;
            parResultsDealer par{};
            ASSERT_EQ(DealerPar(&table, &par, dealer, code), RETURN_NO_FAULT);
            EXPECT_EQ(tagValue(pbn, "OptimumScore", at), "NS " + std::to_string(par.score));
        }
        EXPECT_EQ(games, 3u);
        EXPECT_NE(readFile(folder.file(std::string("QVW-") + set + ".html")).find("Board 3"),
                  std::string::npos);
    }
}

#ifndef _WIN32
// Ctrl+C while the boards are being solved ends the run as a failure once the batch in
// hand is solved: exit 1, "Cancelled", and no file of the run left.
TEST(QuorvexDealHandRecords, ConvertSolvesDoubleDummyAndWritesHandRecordsAsADealingRunDoes) {
    TempFolder folder;
    // The published example deal, as board 1 of another program's file: neither side vulnerable.
    writeFile(folder.file("sim.pbn"),
              "[Board \"1\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n"
              "[Deal \"N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94\"]\n");
    const auto result = runDealer({"convert", folder.file("sim.pbn"), "--formats", "pbn", "--out",
                                   folder.str(), "--double-dummy", "--hand-records", "--quiet"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const std::string pbn = readFile(folder.file("QVW-01.pbn"));
    EXPECT_NE(pbn.find("[DoubleDummyTricks \"89967899674347643476\"]"), std::string::npos) << pbn;
    EXPECT_NE(pbn.find("[OptimumScore \"NS 140\"]"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.file("QVW-01.html")));
}

TEST(QuorvexDealHandRecords, InterruptStopsTheDoubleDummyAnalysis) {
    TempFolder folder;
    const std::string errors = folder.file("errors.txt");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int file = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(file, 1);
        dup2(file, 2);
        const std::string out = folder.str();
        execl(QUORVEX_DEAL_PATH, QUORVEX_DEAL_PATH, "--entropy-text", Entropy.c_str(), "--double-dummy",
              "--hand-records", "--out", out.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // Dealing takes a moment; the analysis starts once the main deal file, still under its
    // temporary name, is complete.
    const auto mainDealFileStarted = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            if (entry.path().filename().string().starts_with("YourID.qvw")) return true;
        return false;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!mainDealFileStarted() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(child, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(readFile(errors), "Cancelled\n");
    // A cancelled run leaves nothing of its own, not even the main deal file.
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path(), errors) << entry.path();
}
#endif

}  // namespace
}  // namespace quorvex
