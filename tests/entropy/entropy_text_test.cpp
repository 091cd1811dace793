#include "entropy/entropy_text.h"

#include <gtest/gtest.h>

#include "common/io_error.h"
#include "entropy/entropy_log.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

TEST(EntropyTextBuilder, NumbersFollowEachOtherWithoutSeparators) {
    EntropyTextBuilder text;
    text.begin(1234);
    text.addStart(-5);
    text.addHit(77, 3, 0);
    text.finish(9);
    EXPECT_EQ(text.text(),
              "1234-57730"
              "9");
}

TEST(EntropyTextBuilder, StartAndHitIntervalsKeepOnlyTheirLow32BitsWhileFirstAndLastStayWhole) {
    EntropyTextBuilder text;
    text.begin(3000000000LL);     // 300 s at 10 MHz, written in full
    text.addStart(3000000000LL);  // the same reading truncated to a signed 32-bit value
    EXPECT_EQ(text.text(), "3000000000-1294967296");
    text.addHit(0x1'0000'0005LL, 0, 0);
    text.finish(-0x7FFF'FFFF'FFFF'FFFFLL);
    EXPECT_EQ(text.text(),
              "3000000000-1294967296"
              "5"
              "00"
              "-9223372036854775807");
}

TEST(EntropyTextBuilder, IntervalsAroundTwoToThe31TicksWrapToTheirSigned32BitValue) {
    constexpr std::int64_t TwoTo31 = std::int64_t{1} << 31;
    const std::pair<std::int64_t, const char*> cases[] = {
        {TwoTo31 - 1, "2147483647"},  {TwoTo31, "-2147483648"},     {TwoTo31 + 1, "-2147483647"},
        {2 * TwoTo31 - 1, "-1"},      {2 * TwoTo31, "0"},           {-TwoTo31, "-2147483648"},
        {-TwoTo31 - 1, "2147483647"}, {3 * TwoTo31, "-2147483648"},
    };
    for (const auto& [ticks, written] : cases) {
        EntropyTextBuilder start, hit;
        start.begin(0);
        start.addStart(ticks);
        hit.begin(0);
        hit.addHit(ticks, 0, 0);
        EXPECT_EQ(start.text(), std::string("0") + written) << ticks;
        EXPECT_EQ(hit.text(), std::string("0") + written + "00") << ticks;
    }
}

TEST(EntropyTextBuilder, BeginStartsAFreshText) {
    EntropyTextBuilder text;
    text.begin(1);
    text.addStart(2);
    text.begin(3);
    EXPECT_EQ(text.text(), "3");
}

TEST(EntropyLog, CreatesTheLogOrAppendsExactlyOneLine) {
    TempFolder folder;
    appendEntropyLog(folder.str(), "12-3");
    EXPECT_EQ(readFile(folder.file("Int160.qvs")), "12-3\r\n");
    appendEntropyLog(folder.str(), "45");
    EXPECT_EQ(readFile(folder.file("Int160.qvs")), "12-3\r\n45\r\n");
}

TEST(EntropyLog, AnUnwritableFolderRaisesTheFileError) {
    TempFolder folder;
    EXPECT_THROW(appendEntropyLog(folder.file("missing"), "1"), EInOutError);
}

}  // namespace
}  // namespace quorvex
