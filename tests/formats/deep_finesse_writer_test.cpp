#include "formats/deep_finesse_writer.h"

#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "written_text.h"

namespace quorvex {
namespace {

using testing::ConversionFolder;
using testing::crlfLines;
using testing::OneSuitEachDeal;
using testing::OneVoidEachDeal;
using testing::RoundRobinDeal;

std::string deepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board) {
    return testing::writtenText(DeepFinesseBoardLinesRoom,
                                [&](char* at) { return writeDeepFinesseBoardLines(boardNumber, board, at); });
}

TEST(deepFinesseBoardLines, PutTheHandsAtTheirColumns) {
    const std::string expected =
        crlfLines({"Deal: 1" + std::string(31, ' ') + "AKQJT98765432 - - -",
                   "Contract: 3NT" + std::string(8, ' ') + "- AKQJT98765432 - -" + std::string(15, ' ') +
                       "- - AKQJT98765432 -",
                   "OnLead: East" + std::string(26, ' ') + "- - - AKQJT98765432", "Lead: Any", ""});
    EXPECT_EQ(deepFinesseBoardLines(1, ValidBoardLine(OneSuitEachDeal)), expected);
}

TEST(deepFinesseBoardLines, ATwoDigitBoardNumberTakesOneMoreColumnOfTheField) {
    const std::string expected =
        crlfLines({"Deal: 10" + std::string(30, ' ') + "AT62 J73 Q84 K95",
                   "Contract: 3NT" + std::string(8, ' ') + "K95 AT62 J73 Q84" + std::string(18, ' ') +
                       "Q84 K95 AT62 J73",
                   "OnLead: East" + std::string(26, ' ') + "J73 Q84 K95 AT62", "Lead: Any", ""});
    EXPECT_EQ(deepFinesseBoardLines(10, ValidBoardLine(RoundRobinDeal)), expected);
}

TEST(WriteDeepFinesseFiles, WritesFiveLinesPerBoardNumberedFromOneInEverySet) {
    ConversionFolder folder;
    folder.writeMainDeal("2 1  99", {OneVoidEachDeal, RoundRobinDeal});
    StagedFiles files;
    WriteDeepFinesseFiles(folder.settings, files);
    files.publish();
    const std::vector<std::string> written = files.finalPaths();
    EXPECT_EQ(written,
              (std::vector<std::string>{folder.outputFile("QVW-99.txt"), folder.outputFile("QVW-100.txt")}));

    EXPECT_EQ(folder.read("QVW-99.txt"),
              crlfLines({"Deal: 1" + std::string(31, ' ') + "- AKQJT AKQJ AKQJ",
                         "Contract: 3NT" + std::string(8, ' ') + "AKQJ - T9876 T987" + std::string(17, ' ') +
                             "T987 9876 - 65432",
                         "OnLead: East" + std::string(26, ' ') + "65432 5432 5432 -", "Lead: Any", ""}));
    EXPECT_EQ(folder.read("QVW-100.txt").substr(0, 56),
              "Deal: 1" + std::string(31, ' ') + "AT62 J73 Q84 K95\r\n");
}

}  // namespace
}  // namespace quorvex
