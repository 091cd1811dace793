#include "engine/main_deal_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "common/conversion_error.h"
#include "common/io_error.h"
#include "common/paths.h"
#include "common/range_error.h"
#include "engine/deal_stream.h"
#include "temp_folder.h"
#include "test_deals.h"

namespace quorvex {
namespace {

using testing::crlfLines;
using testing::OneSuitEachDeal;
using testing::readFile;
using testing::RoundRobinDeal;
using testing::TempFolder;
using testing::writeFile;

// The lines of a text file without their CR LF.
std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    TextFileReader reader(path);
    while (!reader.atEnd()) lines.push_back(reader.readLine());
    return lines;
}

class MainDealFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerHashClasses();
        cls = FindHashClass("THash_RipeMD160");
        stream.seed(cls, "YourID", "");
    }
    std::string write(const MainDealHeader& counts, std::uint32_t total) {
        const std::string path = mainDealFilePath(folder.str(), "YourID");
        writeMainDealFile(path, counts, total, stream, cls);
        return readFile(path);
    }

    TempFolder folder;
    HashClass cls = nullptr;
    DealStream stream;
};

TEST_F(MainDealFileTest, IsNamedAfterTheIdentityInTheProgramFolder) {
    EXPECT_EQ(mainDealFilePath("prog", "Club Night"), joinPath("prog", "Club Night.qvw"));
}

TEST_F(MainDealFileTest, OneBoardGivesHeaderAndOneLine) {
    const std::string content = write({1, 1, 1}, 1);
    EXPECT_EQ(content,
              "1 1  1\r\n"
              "0305092732343641424446495216171921222628313335455051010407081213242938394347480206101114151820"
              "2325303740\r\n");
}

TEST_F(MainDealFileTest, HeaderAndSizeFollowTheCounts) {
    const std::string content = write({2, 3, 5}, 6);
    ASSERT_EQ(content.size(), std::string("2 3  5").size() + 2 + 106 * 6);
    EXPECT_EQ(content.substr(0, 8), "2 3  5\r\n");
    for (std::size_t line = 0; line < 6; ++line) {
        const std::string board = content.substr(8 + line * 106, 106);
        EXPECT_EQ(board.substr(104), "\r\n");
        EXPECT_EQ(board.find_first_not_of("0123456789"), 104u) << "only digits on a board line";
    }
}

TEST_F(MainDealFileTest, ASecondRunRewritesTheFileWithTheNextBoards) {
    const std::string first = write({1, 2, 1}, 2);
    const std::string second = write({1, 2, 1}, 2);
    EXPECT_EQ(first.size(), second.size());
    EXPECT_NE(first, second);
    EXPECT_EQ(stream.drawCounter(), 4);
}

TEST_F(MainDealFileTest, NoBoardsGivesOnlyTheHeader) { EXPECT_EQ(write({1, 32, 1}, 0), "1 32  1\r\n"); }

TEST_F(MainDealFileTest, AMissingProgramFolderIsNamed) {
    try {
        writeMainDealFile(folder.file("gone/YourID.qvw"), {1, 1, 1}, 1, stream, cls);
        FAIL();
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "The folder does not exist");
        EXPECT_EQ(error.path(), folder.file("gone"));
    }
}

template <class Error>
std::string errorText(std::string_view header) {
    return testing::failureOf<Error>([&] { parseMainDealHeader(header); });
}

TEST(parseMainDealHeader, FindsTheFieldsAtTheFirstBlankAndTheFirstPairOfBlanks) {
    const MainDealHeader one = parseMainDealHeader("1 32  1");
    EXPECT_EQ(one.setCount, 1);
    EXPECT_EQ(one.boardsPerSet, 32);
    EXPECT_EQ(one.firstSetNumber, 1);

    const MainDealHeader large = parseMainDealHeader("1000 65535  99");
    EXPECT_EQ(large.setCount, 1000);
    EXPECT_EQ(large.boardsPerSet, 65535);
    EXPECT_EQ(large.firstSetNumber, 99);
}

TEST(parseMainDealHeader, ReadsTheFirstSetNumberFromFiveCharactersAfterThePair) {
    EXPECT_EQ(parseMainDealHeader("2 3  5").firstSetNumber, 5);
    EXPECT_EQ(parseMainDealHeader("2 3  1234").firstSetNumber, 1234);
    EXPECT_EQ(parseMainDealHeader("2 3  12345").firstSetNumber, 1234);  // the fifth digit lies beyond
    EXPECT_EQ(parseMainDealHeader("2 3    7").firstSetNumber, 7);       // leading blanks are skipped
}

TEST(parseMainDealHeader, AFieldThatIsNotAnIntegerIsAConversionError) {
    EXPECT_EQ(errorText<EConvertError>("x 32  1"), "'x' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("1 3a  1"), "'3a' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("1 32  1x"), "' 1x' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("1 32  "), "' ' is not a valid integer value");
}

TEST(parseMainDealHeader, MissingBlanksLeaveAnEmptyFieldThatIsAConversionError) {
    EXPECT_EQ(errorText<EConvertError>(""), "'' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("132"), "'' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("1 32 1"), "'' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>(" 1 32  1"), "'' is not a valid integer value");
    EXPECT_EQ(errorText<EConvertError>("1  32  1"), "'' is not a valid integer value");
}

TEST(parseMainDealHeader, ValuesOutsideOneTo65535AreRangeErrors) {
    EXPECT_EQ(errorText<ERangeError>("65536 1  1"), "Range check error");
    EXPECT_EQ(errorText<ERangeError>("1 65536  1"), "Range check error");
    EXPECT_EQ(errorText<ERangeError>("0 32  1"), "Range check error");
    EXPECT_EQ(errorText<ERangeError>("1 0  1"), "Range check error");
    EXPECT_EQ(errorText<ERangeError>("1 32  0"), "Range check error");
    EXPECT_EQ(errorText<ERangeError>("-1 32  1"), "Range check error");
}

TEST_F(MainDealFileTest, ReadsTheHeaderAndThenTheBoardsInOrder) {
    writeFile(folder.file("T.qvw"), crlfLines({"1 2  3", OneSuitEachDeal, RoundRobinDeal}));
    TextFileReader reader = OpenMainDealReader(folder.str(), "T");
    const MainDealHeader header = ReadMainDealHeader(reader);
    EXPECT_EQ(header.setCount, 1);
    EXPECT_EQ(header.boardsPerSet, 2);
    EXPECT_EQ(header.firstSetNumber, 3);
    EXPECT_EQ(readBoardLine(reader).text(), OneSuitEachDeal);
    EXPECT_EQ(readBoardLine(reader).text(), RoundRobinDeal);
    EXPECT_EQ(testing::failureOf<EConvertError>([&] { readBoardLine(reader); }),
              "'' is not a valid integer value");
}

TEST_F(MainDealFileTest, AMissingMainDealFileIsFileNotFound) {
    EXPECT_EQ(testing::failureOf<EInOutError>([&] { OpenMainDealReader(folder.str(), "absent"); }),
              "File not found");
}

TEST_F(MainDealFileTest, WhatTheWriterWritesTheReaderReadsBack) {
    const MainDealHeader written{3, 4, 7};
    write(written, 12);
    std::vector<std::string> lines = readLines(mainDealFilePath(folder.str(), "YourID"));
    TextFileReader reader = OpenMainDealReader(folder.str(), "YourID");
    const MainDealHeader read = ReadMainDealHeader(reader);
    EXPECT_EQ(std::tie(read.setCount, read.boardsPerSet, read.firstSetNumber),
              std::tie(written.setCount, written.boardsPerSet, written.firstSetNumber));
    for (std::size_t board = 1; board <= 12; ++board) EXPECT_EQ(readBoardLine(reader).text(), lines[board]);
    EXPECT_TRUE(reader.atEnd());
}

}  // namespace
}  // namespace quorvex
