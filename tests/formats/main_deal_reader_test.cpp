#include "formats/main_deal_reader.h"

#include "common/conversion_error.h"
#include "common/io_error.h"
#include "common/range_error.h"
#include "conversion_fixture.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using testing::ConversionFolder;
using testing::OneSuitEachDeal;

template <class Error>
std::string errorText(std::string_view header) {
    return testing::failureOf<Error>([&] { ParseMainDealHeader(header); });
}

TEST(ParseMainDealHeader, FindsTheFieldsAtTheFirstBlankAndTheFirstPairOfBlanks) {
    const MainDealHeader one = ParseMainDealHeader("1 32  1");
    EXPECT_EQ(one.setCount, 1);
    EXPECT_EQ(one.boardsPerSet, 32);
    EXPECT_EQ(one.firstSetNumber, 1);

    const MainDealHeader large = ParseMainDealHeader("1000 65535  99");
    EXPECT_EQ(large.setCount, 1000);
    EXPECT_EQ(large.boardsPerSet, 65535);
    EXPECT_EQ(large.firstSetNumber, 99);
}

TEST(ParseMainDealHeader, ReadsTheFirstSetNumberFromFiveCharactersAfterThePair) {
    EXPECT_EQ(ParseMainDealHeader("2 3  5").firstSetNumber, 5);
    EXPECT_EQ(ParseMainDealHeader("2 3  1234").firstSetNumber, 1234);
    EXPECT_EQ(ParseMainDealHeader("2 3  12345").firstSetNumber, 1234); // the fifth digit lies beyond
    EXPECT_EQ(ParseMainDealHeader("2 3    7").firstSetNumber, 7);      // leading blanks are skipped
}

TEST(ParseMainDealHeader, AFieldThatIsNotAnIntegerIsAConversionError) {
    EXPECT_EQ(errorText<EConvertError>("x 32  1"), "'x' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("1 3a  1"), "'3a' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("1 32  1x"), "' 1x' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("1 32  "), "' ' is not a valid integer value");
}

TEST(ParseMainDealHeader, MissingBlanksLeaveAnEmptyFieldThatIsAConversionError) {
    EXPECT_EQ(errorText<EConvertError>(""), "'' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("132"), "'' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("1 32 1"), "'' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>(" 1 32  1"), "'' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("1  32  1"), "'' is not a valid integer value");
}

TEST(ParseMainDealHeader, ValuesOutsideOneTo65535AreRangeErrors) {
    EXPECT_EQ(errorText<ERangeError>("65536 1  1"), "Range check error");
    EXPECT_EQ(errorText<ERangeError>("1 65536  1"), "Range check error");
    EXPECT_EQ(errorText<ERangeError>("0 32  1"), "Range check error");
    EXPECT_EQ(errorText<ERangeError>("1 0  1"), "Range check error");
    EXPECT_EQ(errorText<ERangeError>("1 32  0"), "Range check error");
    EXPECT_EQ(errorText<ERangeError>("-1 32  1"), "Range check error");
}

TEST(MainDealReader, ReadsTheHeaderAndThenTheBoardsInOrder) {
    ConversionFolder folder;
    folder.writeMainDeal("1 2  3", {OneSuitEachDeal, testing::RoundRobinDeal});
    TextFileReader reader = OpenMainDealReader(folder.settings);
    const MainDealHeader header = ReadMainDealHeader(reader);
    EXPECT_EQ(header.setCount, 1);
    EXPECT_EQ(header.boardsPerSet, 2);
    EXPECT_EQ(header.firstSetNumber, 3);
    EXPECT_EQ(ReadBoardLine(reader).text(), OneSuitEachDeal);
    EXPECT_EQ(ReadBoardLine(reader).text(), testing::RoundRobinDeal);
    EXPECT_EQ(testing::failureOf<EConvertError>([&] { ReadBoardLine(reader); }), "'' is not a valid integer value");
}

TEST(MainDealReader, AMissingMainDealFileIsFileNotFound) {
    ConversionFolder folder;
    folder.settings.identityText = "absent";
    EXPECT_EQ(testing::failureOf<EInOutError>([&] { OpenMainDealReader(folder.settings); }), "File not found");
}

} // namespace
} // namespace quorvex
