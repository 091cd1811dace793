#include "formats/convert_main_deal_file.h"

#include <gtest/gtest.h>

#include "conversion_fixture.h"

namespace quorvex {
namespace {

using testing::ConversionFolder;
using testing::OneSuitEachDeal;
using testing::OneVoidEachDeal;
using testing::RoundRobinDeal;

std::size_t countLines(const std::string& text) {
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return lines;
}

TEST(ConvertMainDealFile, WritesTheSelectedFormatsInTheirFixedOrder) {
    ConversionFolder folder;
    folder.writeMainDeal("1 32  1", std::vector<std::string>(32, RoundRobinDeal));
    folder.selectAllFormats();
    const std::vector<std::string> written = ConvertMainDealFile(folder.settings);
    EXPECT_EQ(written,
              (std::vector<std::string>{folder.outputFile("QVW-01.dlm"), folder.outputFile("QVW-01.dup"),
                                        folder.outputFile("QVW-01.bri"), folder.outputFile("QVW-01.dge"),
                                        folder.outputFile("QVW-01.txt"), folder.outputFile("QVW-01.pbn")}));
    EXPECT_EQ(folder.outputCount(), 6u);
}

TEST(ConvertMainDealFile, RunsOnlyTheSelectedWriters) {
    ConversionFolder folder;
    folder.writeMainDeal("1 2  1", {RoundRobinDeal, OneSuitEachDeal});
    folder.settings.formats.set(*findOutputFormat("bri"));
    folder.settings.formats.set(*findOutputFormat("df"));
    EXPECT_EQ(ConvertMainDealFile(folder.settings),
              (std::vector<std::string>{folder.outputFile("QVW-01.bri"), folder.outputFile("QVW-01.txt")}));
    EXPECT_EQ(folder.outputCount(), 2u);
}

TEST(ConvertMainDealFile, NoFormatSelectedOpensNothingEvenWithoutAMainDealFile) {
    ConversionFolder folder;
    EXPECT_TRUE(ConvertMainDealFile(folder.settings).empty());
    EXPECT_EQ(folder.outputCount(), 0u);
}

TEST(ConvertMainDealFile, FileNamesCarryTheSetNumbersAndBoardsRestartAtOne) {
    ConversionFolder folder;
    folder.writeMainDeal("2 1  7", {RoundRobinDeal, OneVoidEachDeal});
    folder.settings.baseFileName = "";
    folder.settings.formats.set(*findOutputFormat("dlm"));
    folder.settings.formats.set(*findOutputFormat("df"));
    EXPECT_EQ(ConvertMainDealFile(folder.settings),
              (std::vector<std::string>{folder.outputFile("07.dlm"), folder.outputFile("08.dlm"),
                                        folder.outputFile("07.txt"), folder.outputFile("08.txt")}));
    EXPECT_EQ(folder.read("08.txt").substr(0, 39), "Deal: 1" + std::string(31, ' ') + "-");
    EXPECT_NE(folder.read("08.dlm").find("Board 01=ffkkppmaakkppaaffhpmabfgkk027\r\n"), std::string::npos);
}

TEST(ConvertMainDealFile, ASecondRunReplacesTheFilesOfTheFirst) {
    ConversionFolder folder;
    folder.settings.formats.set(*findOutputFormat("bri"));
    folder.writeMainDeal("1 2  1", {RoundRobinDeal, OneSuitEachDeal});
    ConvertMainDealFile(folder.settings);
    folder.writeMainDeal("1 1  1", {OneVoidEachDeal});
    ConvertMainDealFile(folder.settings);
    EXPECT_EQ(folder.read("QVW-01.bri").substr(0, 26), OneVoidEachDeal.substr(0, 26));
    EXPECT_EQ(folder.read("QVW-01.bri").size(), 128u);
}

TEST(ConvertMainDealFile, EverySetFileStartsWithItsOwnSetsFirstBoard) {
    ConversionFolder folder;
    std::vector<std::string> boards(240, OneSuitEachDeal);
    boards[120] = OneVoidEachDeal;  // the 121st board line: board 1 of set 2
    folder.writeMainDeal("2 120  1", boards);
    folder.selectAllFormats();
    ConvertMainDealFile(folder.settings);

    EXPECT_NE(folder.read("QVW-02.dlm").find("\r\nBoard 01=ffkkppmaakkppaaffhpmabfgkk027\r\n"),
              std::string::npos);
    const std::string oneVoidEachNumbers =
        "14151617182728293040414243"
        "01020304313233343544454647"
        "05060708192021224849505152";
    EXPECT_EQ(folder.read("QVW-02.dup").substr(0, 78), oneVoidEachNumbers);
    EXPECT_EQ(folder.read("QVW-02.bri").substr(0, 78), oneVoidEachNumbers);
    EXPECT_EQ(folder.read("QVW-02.dge").substr(0, 17),
              "\x06"
              "\x03"
              "AKQJT"
              "\x04"
              "AKQJ"
              "\x05"
              "AKQJ");
    EXPECT_EQ(folder.read("QVW-02.txt").substr(0, 57),
              "Deal: 1" + std::string(31, ' ') + "- AKQJT AKQJ AKQJ\r\n");
    EXPECT_EQ(folder.read("QVW-01.dup").substr(0, 78), OneSuitEachDeal.substr(0, 78));
}

// What each format must show for one set of a given size.
struct SetSize {
    unsigned boards;
    const char* toBoard;      // .dlm header
    const char* checksum;     // .dlm header
    const char* firstFiller;  // .dlm line after the last real board, or "" when there is none
    const char* dupEnd;       // last 10 bytes of every .dup record
};

class ConvertSetSizes : public ::testing::TestWithParam<SetSize> {};

TEST_P(ConvertSetSizes, EveryFormatHoldsTheWholeSet) {
    const SetSize size = GetParam();
    ConversionFolder folder;
    std::vector<std::string> boards(size.boards, OneSuitEachDeal);
    boards.back() = RoundRobinDeal;
    folder.writeMainDeal("1 " + std::to_string(size.boards) + "  1", boards);
    folder.selectAllFormats();
    ConvertMainDealFile(folder.settings);

    const std::string dlm = folder.read("QVW-01.dlm");
    EXPECT_EQ(countLines(dlm), 208u);
    EXPECT_NE(dlm.find(std::string("\r\nTo board=") + size.toBoard + "\r\n"), std::string::npos);
    EXPECT_NE(dlm.find(std::string("\r\nChecksum=") + size.checksum + "\r\n"), std::string::npos);
    if (*size.firstFiller) {
        EXPECT_NE(dlm.find(std::string("\r\n") + size.firstFiller + "\r\n"), std::string::npos);
    }

    const std::string dup = folder.read("QVW-01.dup");
    ASSERT_EQ(dup.size(), 156u * size.boards);
    for (std::size_t record = 0; record < size.boards; ++record)
        EXPECT_EQ(dup.substr(156 * record + 146, 10), size.dupEnd) << "record " << record + 1;
    EXPECT_EQ(dup.substr(156 * (size.boards - 1), 26), "01050913172125293337414549");

    EXPECT_EQ(folder.read("QVW-01.bri").size(), 128u * size.boards);
    EXPECT_EQ(folder.read("QVW-01.dge").size(), 128u * size.boards);

    const std::string txt = folder.read("QVW-01.txt");
    EXPECT_EQ(countLines(txt), 5u * size.boards);
    const std::string lastDeal = "Deal: " + std::to_string(size.boards);
    EXPECT_NE(
        ("\r\n\r\n" + txt)
            .find("\r\n\r\n" + lastDeal + std::string(38 - lastDeal.size(), ' ') + "AT62 J73 Q84 K95\r\n"),
        std::string::npos);
    EXPECT_EQ(txt.substr(txt.size() - 13), "Lead: Any\r\n\r\n");

    const std::string pbn = folder.read("QVW-01.pbn");
    const std::string lastBoard = "[Board \"" + std::to_string(size.boards) + "\"]\r\n";
    EXPECT_EQ(pbn.find(lastBoard), pbn.rfind("[Board "));
    EXPECT_EQ(pbn.substr(pbn.rfind("[Deal ")).substr(0, 8),
              std::string("[Deal \"") + "NESW"[(size.boards - 1) % 4]);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, ConvertSetSizes,
    ::testing::Values(SetSize{1, "1", "0", "Board 02=aaaaaabffffffkkkkkklpppppp012", "YN1  1 1  "},
                      SetSize{9, "9", "8", "Board 10=aaaaaabffffffkkkkkklpppppp004", "YN1  1 9  "},
                      SetSize{10, "10", "11", "Board 11=aaaaaabffffffkkkkkklpppppp005", "YN1  1 10 "},
                      SetSize{32, "32", "33", "Board 33=aaaaaabffffffkkkkkklpppppp047", "YN1  1 32 "},
                      SetSize{99, "99", "98", "", "YN1  1 99 "}, SetSize{120, "99", "98", "", "YN1  1 120"}),
    [](const ::testing::TestParamInfo<SetSize>& info) {
        return std::to_string(info.param.boards) + "Boards";
    });

}  // namespace
}  // namespace quorvex
