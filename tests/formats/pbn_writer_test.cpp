#include "formats/pbn_writer.h"

#include <gtest/gtest.h>

#include "common/product.h"
#include "conversion_fixture.h"
#include "pbn_deal.h"

namespace quorvex {
namespace {

using testing::boardLineFromPbn;
using testing::ConversionFolder;

using namespace std::chrono_literals;

// The published example: tricks N 8 9 9 6 7, S the same, E and W 4 3 4 7 6, par NS 140.
DoubleDummyTable publishedTable() {
    DoubleDummyTable table;
    table.tricks = {{{8, 9, 9, 6, 7}, {4, 3, 4, 7, 6}, {8, 9, 9, 6, 7}, {4, 3, 4, 7, 6}}};
    table.parScore = 140;
    table.parContracts = {"2S-NS+1", "2H-NS+1"};
    return table;
}

// Every declarer and denomination different, to show the order of the rows.
DoubleDummyTable orderTable() {
    DoubleDummyTable table;
    table.tricks = {{{13, 12, 11, 10, 9}, {8, 7, 6, 5, 4}, {3, 2, 1, 0, 13}, {1, 2, 3, 4, 5}}};
    table.parScore = -1430;
    table.parContracts = {"6C-EW"};
    return table;
}

TEST(PbnWriter, ExportFormatFileOfTwoBoards) {
    ConversionFolder folder;
    folder.writeMainDeal(
        "1 2  1", {boardLineFromPbn("N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94"),
                   testing::OneVoidEachDeal});
    folder.settings.runDate = 2026y / 3 / 7;
    const std::vector<DoubleDummyTable> tables = {publishedTable(), orderTable()};
    folder.settings.doubleDummy = tables;
    StagedFiles files;
    writePbnFiles(folder.settings, files);
    files.publish();
    const std::vector<std::string> written = files.finalPaths();
    ASSERT_EQ(written, std::vector<std::string>{folder.outputFile("QVW-01.pbn")});

    const auto game = [](const std::string& board, const std::string& dealer, const std::string& vulnerable,
                         const std::string& deal, const std::string& tricks, const std::string& rows,
                         const std::string& score, const std::string& par) {
        return "[Event \"T\"]\r\n[Site \"\"]\r\n[Date \"2026.03.07\"]\r\n[Board \"" + board +
               "\"]\r\n[West \"\"]\r\n[North \"\"]\r\n[East \"\"]\r\n[South \"\"]\r\n[Dealer \"" + dealer +
               "\"]\r\n[Vulnerable \"" + vulnerable + "\"]\r\n[Deal \"" + deal +
               "\"]\r\n[Scoring \"\"]\r\n[Declarer \"\"]\r\n[Contract \"\"]\r\n[Result \"\"]\r\n"
               "[DoubleDummyTricks \"" +
               tricks + "\"]\r\n[Generator \"Quorvex " + ProductVersion + "\"]\r\n" +
               "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\r\n" + rows +
               "[OptimumScore \"NS " + score + "\"]\r\n[ParContract \"" + par + "\"]\r\n";
    };
    const std::string expected =
        "% PBN 2.1\r\n% EXPORT\r\n" +
        game("1", "N", "None", "N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94",
             "89967899674347643476",
             "N NT  8\r\nN  S  9\r\nN  H  9\r\nN  D  6\r\nN  C  7\r\n"
             "S NT  8\r\nS  S  9\r\nS  H  9\r\nS  D  6\r\nS  C  7\r\n"
             "E NT  4\r\nE  S  3\r\nE  H  4\r\nE  D  7\r\nE  C  6\r\n"
             "W NT  4\r\nW  S  3\r\nW  H  4\r\nW  D  7\r\nW  C  6\r\n",
             "140", "2S-NS+1, 2H-NS+1") +
        "\r\n" +
        game("2", "E", "NS", "E:AKQJ..T9876.T987 T987.9876..65432 65432.5432.5432. .AKQJT.AKQJ.AKQJ",
             "dcba93210d8765412345",
             "N NT 13\r\nN  S 12\r\nN  H 11\r\nN  D 10\r\nN  C  9\r\n"
             "S NT  3\r\nS  S  2\r\nS  H  1\r\nS  D  0\r\nS  C 13\r\n"
             "E NT  8\r\nE  S  7\r\nE  H  6\r\nE  D  5\r\nE  C  4\r\n"
             "W NT  1\r\nW  S  2\r\nW  H  3\r\nW  D  4\r\nW  C  5\r\n",
             "-1430", "6C-EW");
    EXPECT_EQ(folder.read("QVW-01.pbn"), expected);
}

}  // namespace
}  // namespace quorvex
