#include <gtest/gtest.h>

#include "common/conversion_error.h"
#include "common/error_texts.h"
#include "common/name_text.h"
#include "common/pad_to_width.h"
#include "common/paths.h"
#include "common/range_error.h"

namespace quorvex {
namespace {

TEST(StrToInt, AcceptsDecimalIntegersWithLeadingBlanksAndSign) {
    EXPECT_EQ(strToInt("32"), 32);
    EXPECT_EQ(strToInt("  1"), 1);
    EXPECT_EQ(strToInt("-7"), -7);
    EXPECT_EQ(strToInt("2147483647"), 2147483647);
    EXPECT_EQ(strToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToInt, RejectsEverythingElseWithTheTextInTheMessage) {
    for (const char* text : {"", " ", "3x", "x3", "1 ", "-", "2147483648", "99999999999999999999"}) {
        try {
            strToInt(text);
            FAIL() << "'" << text << "' was accepted";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(TwoDigitNumber, ReadsCardFieldsAndRejectsShortOrNonDigitFields) {
    EXPECT_EQ(twoDigitNumber("0152", 0), 1);
    EXPECT_EQ(twoDigitNumber("0152", 2), 52);
    EXPECT_THROW(twoDigitNumber("015", 2), EConvertError);
    EXPECT_THROW(twoDigitNumber("01", 2), EConvertError);
    EXPECT_THROW(twoDigitNumber(" 1", 0), EConvertError);
    try {
        twoDigitNumber("", 0);
        FAIL();
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
}

TEST(PadToWidth, FillsOrCutsToTheWidth) {
    EXPECT_EQ(PadToWidth("Contract: 3NT", 21), "Contract: 3NT        ");
    EXPECT_EQ(PadToWidth(std::string(60, 'x'), 55), std::string(55, 'x'));
    EXPECT_EQ(PadToWidth("12345678", 8), "12345678");
    EXPECT_EQ(PadToWidth("ab", 4, '.'), "ab..");
    EXPECT_EQ(PadToWidth("a", 255), "a" + std::string(254, ' '));  // the widest field
    EXPECT_THROW(PadToWidth("a", 256), ERangeError);
    EXPECT_THROW(PadToWidth("", 4), ERangeError);
    EXPECT_THROW(PadToWidth("a", 0), ERangeError);
}

TEST(JoinPath, AlwaysInsertsTheSeparator) {
    const std::string sep(1, PathSeparator);
    EXPECT_EQ(joinPath("out", "QVW-01.dlm"), "out" + sep + "QVW-01.dlm");
    EXPECT_EQ(joinPath("root" + sep, "a"), "root" + sep + sep + "a");
}

TEST(DisplayedErrorText, AddsAFullStopAfterLettersAndDigitsOnly) {
    EXPECT_EQ(displayedErrorText("Disk full"), "Disk full.");
    EXPECT_EQ(displayedErrorText("I/O error 32"), "I/O error 32.");
    EXPECT_EQ(displayedErrorText("Failed to create hash unit."), "Failed to create hash unit.");
    EXPECT_EQ(displayedErrorText("'' is not a valid integer value"), "'' is not a valid integer value.");
    EXPECT_EQ(displayedErrorText("odd!"), "odd!");
    EXPECT_EQ(displayedErrorText("path/"), "path/.") << "'/' comes after '.'";
    EXPECT_EQ(displayedErrorText("done-"), "done-");
    EXPECT_EQ(displayedErrorText("(x)"), "(x)");
    EXPECT_EQ(displayedErrorText("trailing "), "trailing ");
    EXPECT_EQ(displayedErrorText(""), "");
}

TEST(NameText, AllowsLettersDigitsSpacesAndHyphensOnly) {
    EXPECT_TRUE(isNameText("Club Night-2026"));
    EXPECT_TRUE(isNameText(""));
    for (const char* text : {"../x", "a_b", "a.b", "a/b", "a\\b", "\xC3\xA9", "tab\t"})
        EXPECT_FALSE(isNameText(text)) << text;
}

}  // namespace
}  // namespace quorvex
