#include "engine/main_deal_file.h"

#include "common/io_error.h"
#include "common/paths.h"
#include "engine/deal_stream.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using testing::readFile;
using testing::TempFolder;

class MainDealFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterHashClasses();
        cls = FindHashClass("THash_RipeMD160");
        stream.seed(cls, "YourID", "");
    }
    std::string write(const RunCounts& counts, std::uint32_t total) {
        const std::string path = MainDealFilePath(folder.str(), "YourID");
        WriteMainDealFile(path, counts, total, stream, cls);
        return readFile(path);
    }

    TempFolder folder;
    HashClass cls = nullptr;
    DealStream stream;
};

TEST_F(MainDealFileTest, IsNamedAfterTheIdentityInTheProgramFolder) {
    EXPECT_EQ(MainDealFilePath("prog", "Club Night"), joinPath("prog", "Club Night.qvw"));
}

TEST_F(MainDealFileTest, OneBoardGivesHeaderAndOneLine) {
    const std::string content = write({1, 1, 1}, 1);
    EXPECT_EQ(content,
              "1 1  1\r\n"
              "03050927323436414244464952161719212226283133354550510104070812132429383943474802061011141518202325303740\r\n");
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

TEST_F(MainDealFileTest, NoBoardsGivesOnlyTheHeader) {
    EXPECT_EQ(write({1, 32, 1}, 0), "1 32  1\r\n");
}

TEST_F(MainDealFileTest, AMissingProgramFolderIsAnInvalidFileName) {
    try {
        WriteMainDealFile(folder.file("gone/YourID.qvw"), {1, 1, 1}, 1, stream, cls);
        FAIL();
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "Invalid filename");
    }
}

} // namespace
} // namespace quorvex
