// A dealer built without the double-dummy solver library refuses a run that needs it before
// it logs entropy or writes anything, and deals as usual when no output prints double dummy.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_command.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

using testing::runDealer;
using testing::TempFolder;

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
        if (c.refused) {
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.output, "quorvex-deal: Double-dummy analysis is not available in this build.\n");
            EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
        } else {
            EXPECT_EQ(result.exitCode, 0) << result.output;
        }
    }
}

}  // namespace
}  // namespace quorvex
