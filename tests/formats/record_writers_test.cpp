#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "formats/bri_dge_writers.h"
#include "formats/dup_writer.h"
#include "written_text.h"

namespace quorvex {
namespace {

using testing::ConversionFolder;
using testing::OneSuitEachDeal;
using testing::OneVoidEachDeal;
using testing::RoundRobinDeal;

const std::string OneVoidEachMarked =
    "\x06"
    "\x03"
    "AKQJT"
    "\x04"
    "AKQJ"
    "\x05"
    "AKQJ"
    "\x06"
    "AKQJ"
    "\x03"
    "\x04"
    "T9876"
    "\x05"
    "T987"
    "\x06"
    "T987"
    "\x03"
    "9876"
    "\x04"
    "\x05"
    "65432"
    "\x06"
    "65432"
    "\x03"
    "5432"
    "\x04"
    "5432"
    "\x05";

const std::string OneSuitEachMarked =
    "\x06"
    "AKQJT98765432"
    "\x03"
    "\x04"
    "\x05"
    "\x06"
    "\x03"
    "AKQJT98765432"
    "\x04"
    "\x05"
    "\x06"
    "\x03"
    "\x04"
    "AKQJT98765432"
    "\x05"
    "\x06"
    "\x03"
    "\x04"
    "\x05"
    "AKQJT98765432";

// The records as the writers write them, each within its fixed length.
std::string dupRecord(const ValidBoardLine& board, std::uint16_t boardsPerSet) {
    return testing::writtenText(DupRecordLength,
                                [&](char* at) { return writeDupRecord(board, boardsPerSet, at); });
}
std::string briRecord(const ValidBoardLine& board) {
    return testing::writtenText(BriDgeRecordLength, [&](char* at) { return writeBriRecord(board, at); });
}
std::string dgeRecord(const ValidBoardLine& board) {
    return testing::writtenText(BriDgeRecordLength, [&](char* at) { return writeDgeRecord(board, at); });
}

TEST(dupRecord, HoldsThreeHandsAsNumbersFourAsMarkedTextsAndTheSetSize) {
    const std::string expected =
        "14151617182728293040414243"
        "01020304313233343544454647"
        "05060708192021224849505152" +
        OneVoidEachMarked + "YN1  1 32 ";
    ASSERT_EQ(expected.size(), 156u);
    EXPECT_EQ(dupRecord(ValidBoardLine(OneVoidEachDeal), 32), expected);
}

TEST(dupRecord, TheSetSizeIsLeftAlignedInThreeCharactersSoEveryRecordIs156Bytes) {
    const ValidBoardLine board(OneSuitEachDeal);
    const std::string start = OneSuitEachDeal.substr(0, 78) + OneSuitEachMarked;
    EXPECT_EQ(dupRecord(board, 1), start + "YN1  1 1  ");
    EXPECT_EQ(dupRecord(board, 5), start + "YN1  1 5  ");
    EXPECT_EQ(dupRecord(board, 10), start + "YN1  1 10 ");
    EXPECT_EQ(dupRecord(board, 99), start + "YN1  1 99 ");
    EXPECT_EQ(dupRecord(board, 120), start + "YN1  1 120");
    EXPECT_EQ(dupRecord(board, 999), start + "YN1  1 999");
    EXPECT_EQ(dupRecord(board, 1000), start + "YN1  1 999");
}

TEST(briRecord, IsThreeHandsAsNumbersThen32BlanksAnd18ZeroBytes) {
    const std::string expected =
        "01050913172125293337414549"
        "02061014182226303438424650"
        "03071115192327313539434751" +
        std::string(32, ' ') + std::string(18, '\0');
    ASSERT_EQ(expected.size(), 128u);
    EXPECT_EQ(briRecord(ValidBoardLine(RoundRobinDeal)), expected);
}

// A void leaves its mark directly before the next one; every hand text is 17 bytes.
TEST(dgeRecord, IsFourMarkedHandTextsThen60ZeroBytes) {
    EXPECT_EQ(dgeRecord(ValidBoardLine(OneSuitEachDeal)), OneSuitEachMarked + std::string(60, '\0'));
    EXPECT_EQ(dgeRecord(ValidBoardLine(OneVoidEachDeal)), OneVoidEachMarked + std::string(60, '\0'));
}

TEST(RecordFormats, TheSameBoardGivesTheSameBytesWhereTheFormatsOverlap) {
    const ValidBoardLine board(RoundRobinDeal);
    const std::string dup = dupRecord(board, 24);
    EXPECT_EQ(dup.substr(0, 78), briRecord(board).substr(0, 78));
    EXPECT_EQ(dup.substr(78, 68), dgeRecord(board).substr(0, 68));
}

TEST(RecordWriters, WriteOneRecordPerBoardInFileOrderWithNothingBetween) {
    ConversionFolder folder;
    folder.writeMainDeal("2 2  7", {OneVoidEachDeal, OneSuitEachDeal, RoundRobinDeal, OneVoidEachDeal});
    StagedFiles files;
    WriteDupFiles(folder.settings, files);
    WriteBriFiles(folder.settings, files);
    WriteDgeFiles(folder.settings, files);
    files.publish();
    const std::vector<std::string> written = files.finalPaths();
    EXPECT_EQ(written,
              (std::vector<std::string>{folder.outputFile("QVW-07.dup"), folder.outputFile("QVW-08.dup"),
                                        folder.outputFile("QVW-07.bri"), folder.outputFile("QVW-08.bri"),
                                        folder.outputFile("QVW-07.dge"), folder.outputFile("QVW-08.dge")}));

    const auto numbers = [](const std::string& line) { return line.substr(0, 78); };
    EXPECT_EQ(folder.read("QVW-07.dup"), numbers(OneVoidEachDeal) + OneVoidEachMarked + "YN1  1 2  " +
                                             numbers(OneSuitEachDeal) + OneSuitEachMarked + "YN1  1 2  ");
    const std::string briFill = std::string(32, ' ') + std::string(18, '\0');
    EXPECT_EQ(folder.read("QVW-08.bri"),
              numbers(RoundRobinDeal) + briFill + numbers(OneVoidEachDeal) + briFill);
    const std::string dgeFill(60, '\0');
    EXPECT_EQ(folder.read("QVW-07.dge"), OneVoidEachMarked + dgeFill + OneSuitEachMarked + dgeFill);
}

}  // namespace
}  // namespace quorvex
