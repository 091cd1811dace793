// The bytes of every file of a replayed run, pinned by digest: the set files of every format
// (the .dlm keeping the first 99 of 120 boards, three-digit set numbers), the main deal file
// and the report, as the program wrote them before its writers were made faster. The
// version and the date of the run, which change by themselves, are blanked before digesting.
#include <gtest/gtest.h>

#include <regex>

#include "common/version.h"
#include "engine/deal_stream.h"
#include "hash/digest.h"
#include "hash/hash_registry.h"
#include "run_command.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

std::string hexDigestOf(std::string bytes) {
    for (std::size_t at; (at = bytes.find(ProductVersion)) != std::string::npos;)
        bytes.replace(at, std::string_view(ProductVersion).size(), "VERSION");
    bytes = std::regex_replace(bytes, std::regex(R"(\[Date "\d{4}\.\d\d\.\d\d"\])"), "[Date \"\"]");
    registerHashClasses();
    std::string hex;
    for (const std::uint8_t byte : digest160OfText(seedingHashClass(), bytes)) {
        static constexpr char Digits[] = "0123456789abcdef";
        hex += Digits[byte >> 4];
        hex += Digits[byte & 15];
    }
    return hex;
}

TEST(GoldenRun, EveryFileOfAReplayedRunKeepsItsBytes) {
    const testing::TempFolder folder;
    const testing::CommandResult result =
        testing::runDealer({"--test-mode", "--sets", "3", "--boards", "120", "--first-set", "98",
                            "--entropy-text", "102030405060708090102030405060708090102030", "--formats",
                            "all", "--report", folder.file("report.txt"), "--out", folder.str(), "--quiet"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const struct {
        const char* file;
        const char* digest;
    } files[] = {
        {"QVW-100.bri", "eed9b5bad4d276e1667caeecc9b8f510d89dd455"},
        {"QVW-100.dge", "9f4e0b25cf60f7028ac4e1868a4d1ca67a9c4250"},
        {"QVW-100.dlm", "9d97a342c706d0be6c2d0651e5c1cb23852b2227"},
        {"QVW-100.dup", "1208eeef97930a16e29d0718b816aa8ea24cb6d8"},
        {"QVW-100.pbn", "beed88f466fbbe2bcd5a3499887ae57481c17ae7"},
        {"QVW-100.txt", "2bc48a3a88468c91c36f102392baa0adfb03a7b9"},
        {"QVW-98.bri", "f53d8af00097e71de49ef63389ab70bfab895a5b"},
        {"QVW-98.dge", "ee7bbfc8a78a7f1e2af21b58166641486ba3ee35"},
        {"QVW-98.dlm", "89d27eb41ed24c85dc97203f69b86b1746e28b3a"},
        {"QVW-98.dup", "2b9c1c411586f681b937a1f4517900e78f49b9bd"},
        {"QVW-98.pbn", "36506a507cd6eb026b4bec539ed0f014e3c618a1"},
        {"QVW-98.txt", "31d22e7799d513c1ae418063d20363a4970c4a66"},
        {"QVW-99.bri", "06ec8962f06882e4c9325e57bb6fe02a003d5d9f"},
        {"QVW-99.dge", "6f63c64ab25e35d0dcc222d0e963cc588082b3ae"},
        {"QVW-99.dlm", "7395a6d58ac0b5f1e7e5fcec3f0ef763b3f73657"},
        {"QVW-99.dup", "2900ab2945b8a4df0ccfc9edc0753535468fe6f3"},
        {"QVW-99.pbn", "283a4fc15c5726f41c964f0c84e7371216b1bec5"},
        {"QVW-99.txt", "dd4cdd343d471f5369cfa4db5fe63ca687acc6ad"},
        {"YourID.qvw", "b435be89f1cd5f7388c7bc089c9f9c1010c54a97"},
        {"report.txt", "92521497d3189c7a8cd86fe5dddaabc49f8e2297"},
    };
    for (const auto& file : files)
        EXPECT_EQ(hexDigestOf(testing::readFile(folder.file(file.file))), file.digest) << file.file;
}

}  // namespace
}  // namespace quorvex
