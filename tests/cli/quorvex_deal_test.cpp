#include <gtest/gtest.h>

#include <filesystem>

#include "common/product.h"
#include "engine/deal_stream.h"
#include "hash/hash_registry.h"
#include "run/generation_run.h"
#include "run_command.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::runDealer;
using testing::TempFolder;

// A text of the shape every recorded entropy text has: at least 39 digits.
const std::string Recorded = "1000100110021003100410051006100710081009101010111012-77-123456789";

std::vector<std::string> boardLines(const std::string& mainDealFile) {
    std::vector<std::string> lines;
    for (std::size_t start = mainDealFile.find("\r\n") + 2; start < mainDealFile.size(); start += 106)
        lines.push_back(mainDealFile.substr(start, 104));
    return lines;
}

std::size_t filesIn(const TempFolder& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.path()),
                                                  std::filesystem::directory_iterator()));
}

// The analysis report the core makes of the same run, line by line.
std::vector<std::string> coreReport(const std::string& identity, const std::string& entropy, int boards) {
    TempFolder folder;
    DealStream stream;
    stream.seed(seedingHashClass(), identity, entropy);
    RunSettings settings;
    settings.counts.boardsPerSet = static_cast<std::uint16_t>(boards);
    settings.conversion.formats.reset();
    settings.conversion.identityText = identity;
    settings.conversion.programFolder = settings.conversion.outputFolder = folder.str();
    return runGeneration(stream, settings).report;
}

std::string joined(const std::vector<std::string>& lines, const std::string& lineEnd) {
    std::string text;
    for (const std::string& line : lines) text += line + lineEnd;
    return text;
}

TEST(QuorvexDeal, TheReportIsTheCoresOnStandardOutputAndWithCrLfInItsFile) {
    TempFolder folder;
    const std::vector<std::string> expected = coreReport("Club Night", Recorded, 40);
    ASSERT_GT(expected.size(), 10u);
    const std::vector<std::string> common = {"--id",     "Club Night", "--entropy-text", Recorded,
                                             "--boards", "40",         "--formats",      "none",
                                             "--quiet",  "--out",      folder.str()};

    std::vector<std::string> printed = common;
    printed.push_back("--analysis");
    const auto shown = runDealer(printed);
    ASSERT_EQ(shown.exitCode, 0) << shown.output;
    EXPECT_EQ(shown.output, joined(expected, "\n"));

    std::vector<std::string> filed = common;
    filed.insert(filed.end(), {"--report", folder.file("report.txt")});
    const auto written = runDealer(filed);
    ASSERT_EQ(written.exitCode, 0) << written.output;
    EXPECT_EQ(written.output, "");
    EXPECT_EQ(readFile(folder.file("report.txt")), joined(expected, "\r\n"));
}

TEST(QuorvexDeal, ReplayedEntropyGivesTheCoresBoardsAndLogsNothing) {
    TempFolder folder, core;
    const auto result =
        runDealer({"--entropy-text", Recorded, "--boards", "2", "--formats", "none", "--out", folder.str()});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    DealStream stream;
    stream.seed(seedingHashClass(), "YourID", Recorded);
    RunSettings settings;
    settings.counts.boardsPerSet = 2;
    settings.conversion.formats.reset();
    settings.conversion.identityText = "YourID";
    settings.conversion.programFolder = settings.conversion.outputFolder = core.str();
    settings.analysis = false;
    runGeneration(stream, settings);
    EXPECT_EQ(readFile(folder.file("YourID.qvw")), readFile(core.file("YourID.qvw")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("Int160.qvs"))) << "a replay logs nothing";
    EXPECT_NE(result.output.find("YourID.qvw"), std::string::npos) << "the summary names the file";
}

TEST(QuorvexDeal, SkippingBoardsContinuesTheStreamOfAnEarlierRun) {
    TempFolder fifteen, ten, five;
    const std::vector<std::string> common = {"--id",      "Club Night", "--entropy-text", Recorded,
                                             "--formats", "none",       "--quiet"};
    auto run = [&](const TempFolder& out, std::vector<std::string> extra) {
        extra.insert(extra.end(), common.begin(), common.end());
        extra.insert(extra.end(), {"--out", out.str()});
        const auto result = runDealer(extra);
        EXPECT_EQ(result.exitCode, 0) << result.output;
        EXPECT_EQ(result.output, "") << "--quiet prints nothing";
        return boardLines(readFile(out.file("Club Night.qvw")));
    };
    const auto all = run(fifteen, {"--boards", "15"});
    const auto first = run(ten, {"--boards", "10"});
    const auto second = run(five, {"--boards", "5", "--skip-boards", "10"});
    ASSERT_EQ(all.size(), 15u);
    std::vector<std::string> joined = first;
    joined.insert(joined.end(), second.begin(), second.end());
    EXPECT_EQ(joined, all);
}

TEST(QuorvexDeal, FreshEntropyIsLoggedInTheWorkFolderAndReplaysToTheSameBoards) {
    TempFolder work, out, replay;
    auto result =
        runDealer({"--boards", "3", "--formats", "none", "--out", out.str(), "--work-dir", work.str()});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const std::string log = readFile(work.file("Int160.qvs"));
    ASSERT_GE(log.size(), 3u);
    ASSERT_EQ(log.substr(log.size() - 2), "\r\n");
    ASSERT_EQ(log.find("\r\n"), log.size() - 2) << "one line per run";
    const std::string entropy = log.substr(0, log.size() - 2);
    EXPECT_EQ(entropy.find_first_not_of("0123456789-"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out.file("YourID.qvw")))
        << "the main deal file lives in the work folder";

    result =
        runDealer({"--boards", "3", "--formats", "none", "--out", replay.str(), "--entropy-text", entropy});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(readFile(replay.file("YourID.qvw")), readFile(work.file("YourID.qvw")));

    runDealer(
        {"--boards", "3", "--formats", "none", "--out", out.str(), "--work-dir", work.str(), "--quiet"});
    const std::string twoRuns = readFile(work.file("Int160.qvs"));
    EXPECT_EQ(twoRuns.substr(0, log.size()), log) << "the log is appended to, never truncated";
    EXPECT_NE(twoRuns.substr(log.size()), log) << "every run takes fresh entropy";
}

// Each mistake of the command line is read in-process (command_line_test.cpp); here the
// real program shows the exit status, the message and that nothing is written.
TEST(QuorvexDeal, UsageErrorsExitWithTwoNameTheOptionAndWriteNothing) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--sets", "100"}, "quorvex-deal: option --sets allows at most 99"},
        {{"--name", "--force"}, "quorvex-deal: option --name needs a value"},
        {{"--formats", "dlm", "--formats", "pbn"}, "quorvex-deal: option --formats is given twice"},
        {{"--report", ""}, "quorvex-deal: option --report needs a file name"},
        {{"convert", "--quiet=1"}, "quorvex-deal convert: option --quiet takes no value"},
    };
    for (const auto& [arguments, message] : cases) {
        TempFolder folder;
        std::vector<std::string> full = arguments;
        full.insert(full.end(), {"--out", folder.str()});
        const auto result = runDealer(full);
        EXPECT_EQ(result.exitCode, 2) << arguments[0];
        EXPECT_TRUE(result.output.starts_with(message)) << result.output;
        EXPECT_EQ(filesIn(folder), 0u) << arguments[0];
    }
}

TEST(QuorvexDeal, TestModeWidensTheCountLimits) {
    TempFolder folder;
    const auto result = runDealer({"--test-mode", "--sets", "1", "--boards", "1000", "--entropy-text",
                                   Recorded, "--formats", "none", "--out", folder.str()});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(boardLines(readFile(folder.file("YourID.qvw"))).size(), 1000u);
}

TEST(QuorvexDeal, VersionAndHelp) {
    auto result = runDealer({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, std::string("Version ") + ProductVersion + "\n");
    result = runDealer({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.output.find("--entropy-text"), std::string::npos);
    result = runDealer({"help", "audit"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.output.starts_with("Usage: quorvex-deal audit")) << result.output;
}

TEST(QuorvexDeal, FileErrorsExitWithOneAndTheWindowsTextAfterThePath) {
    TempFolder folder;
    const auto result = runDealer({"--entropy-text", Recorded, "--out", folder.file("missing")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "quorvex-deal: " + folder.file("missing") + ": The folder does not exist.\n");
}

}  // namespace
}  // namespace quorvex
