#include "formats/set_file_name.h"

#include <gtest/gtest.h>

#include "common/paths.h"

namespace quorvex {
namespace {

const std::string Sep(1, PathSeparator);

TEST(SetFileName, TheSetNumberHasAtLeastTwoDigits) {
    EXPECT_EQ(SetFileName("out", "QVW-", 1, ".dlm"), "out" + Sep + "QVW-01.dlm");
    EXPECT_EQ(SetFileName("out", "QVW-", 9, ".dup"), "out" + Sep + "QVW-09.dup");
    EXPECT_EQ(SetFileName("out", "QVW-", 10, ".bri"), "out" + Sep + "QVW-10.bri");
    EXPECT_EQ(SetFileName("out", "QVW-", 100, ".txt"), "out" + Sep + "QVW-100.txt");
}

TEST(SetFileName, AnEmptyBaseNameLeavesSetNumberAndExtension) {
    EXPECT_EQ(SetFileName("out", "", 7, ".dge"), "out" + Sep + "07.dge");
}

TEST(SetFileName, TheSeparatorIsInsertedEvenAfterOne) {
    EXPECT_EQ(SetFileName("root" + Sep, "B", 12, ".dlm"), "root" + Sep + Sep + "B12.dlm");
}

}  // namespace
}  // namespace quorvex
