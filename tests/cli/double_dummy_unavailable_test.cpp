// A dealer built without the double-dummy solver library refuses a run that needs it before
// it logs entropy or writes anything, and deals as usual when no output prints double dummy.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "run_command.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

using testing::CommandResult;
using testing::runDealer;
using testing::TempFolder;
using testing::writeFile;

// A refused run exits 1 with the one line and leaves the folder as it found it
// (`filesKept` files given to it).
void checkRefusal(const CommandResult& result, bool refused, const TempFolder& folder,
                  std::ptrdiff_t filesKept = 0) {
    if (!refused) {
        EXPECT_EQ(result.exitCode, 0) << result.output;
        return;
    }
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "quorvex-deal: Double-dummy analysis is not available in this build.\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              filesKept);
}

TEST(QuorvexDealWithoutDoubleDummy, OnlyRunsThatPrintDoubleDummyAreRefused) {
    const struct {
        std::vector<std::string> options;
        bool refused;
    } cases[] = {
        {{"--double-dummy", "--formats", "pbn"}, true},
        {{"--double-dummy", "--formats", "dlm", "--hand-records"}, true},
        {{"--double-dummy", "--formats", "dlm"}, false},  // nothing would print it
        {{"--formats", "pbn", "--hand-records"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        TempFolder folder;
        std::vector<std::string> arguments = {"--quiet", "--sets", "1",         "--boards",
                                              "4",       "--out",  folder.str()};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const auto result = runDealer(arguments);
        checkRefusal(result, c.refused, folder);
    }
}

// A deal file converted with double dummy is refused in the same words, leaving only the file.
TEST(QuorvexDealWithoutDoubleDummy, ConvertWithDoubleDummyIsRefused) {
    TempFolder folder;
    writeFile(
        folder.file("one.pbn"),
        "[Board \"1\"]\n[Deal \"N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94\"]\n");
    const auto result = runDealer({"convert", folder.file("one.pbn"), "--formats", "pbn", "--double-dummy",
                                   "--out", folder.str(), "--quiet"});
    checkRefusal(result, true, folder, 1);
}

}  // namespace
}  // namespace quorvex
