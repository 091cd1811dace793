// Dates read back from the files that print them: only whole, real dates count.
#include "common/date_text.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(DateOfText, ReadsBackWhatDateTextWritesAndNothingElse) {
    using namespace std::chrono;
    const year_month_day leapDay{year{2024}, month{2}, day{29}};
    EXPECT_EQ(dateOfText(dateText(leapDay, '.'), '.'), leapDay);
    EXPECT_EQ(dateOfText(dateText(leapDay, '-'), '-'), leapDay);
    for (const char* text : {"2024.??.??", "2023.02.29", "2024.13.01", "2024.00.10", "2024-02-29",
                             "2024.2.29", "2024.02.29 ", "", "+024.02.29"})
        EXPECT_FALSE(dateOfText(text, '.').has_value()) << text;
}

}  // namespace
}  // namespace quorvex
