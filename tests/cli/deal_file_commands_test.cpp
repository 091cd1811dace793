// End-to-end runs of check, convert and audit as a director types them.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_command.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::runDealer;
using testing::TempFolder;
using testing::writeFile;

// One set of 12 boards in every format, dealt from a replayed entropy text.
struct DealtSet {
    DealtSet() {
        const auto result = runDealer({"--entropy-text", "2718281828459045235360287471352662497757247093699",
                                       "--boards", "12", "--out", folder.str(), "--quiet"});
        EXPECT_EQ(result.exitCode, 0) << result.output;
    }
    std::string file(const std::string& name) const { return folder.file(name); }
    TempFolder folder;
};

// The five lines of board `number` in a Deep Finesse file.
std::size_t boardStart(const std::string& text, int number) {
    return text.find("Deal: " + std::to_string(number) + " ");
}

TEST(CheckCommand, NamesACopiedBoardASwappedCardAndABrokenChecksumByFileAndBoard) {
    const DealtSet set;
    // Board 10 of the Deep Finesse file becomes a copy of board 9 (its number kept).
    std::string text = readFile(set.file("QVW-01.txt"));
    const std::size_t nine = boardStart(text, 9), ten = boardStart(text, 10), eleven = boardStart(text, 11);
    std::string copy = text.substr(nine, ten - nine);
    copy.replace(0, 8, "Deal: 10");
    copy.erase(8, 1);  // keep North at column 39
    text.replace(ten, eleven - ten, copy);
    writeFile(set.file("QVW-01.txt"), text);
    // On board 3 of the .dge, the first card of North's and of East's hand text change places.
    std::string dge = readFile(set.file("QVW-01.dge"));
    const std::size_t north = 2 * 128 + 1, east = 2 * 128 + 17 + 1;
    ASSERT_NE(dge[north], '\x03');
    ASSERT_NE(dge[east], '\x03');
    std::swap(dge[north], dge[east]);
    writeFile(set.file("QVW-01.dge"), dge);
    // Board 5 of the .dlm gets a wrong checksum.
    std::string dlm = readFile(set.file("QVW-01.dlm"));
    const std::size_t checksum = dlm.find("Board 05=") + 9 + 26 + 2;
    dlm[checksum] = dlm[checksum] == '0' ? '1' : '0';
    writeFile(set.file("QVW-01.dlm"), dlm);

    const auto result = runDealer({"check", set.file("QVW-01.txt"), set.file("QVW-01.dge"),
                                   set.file("QVW-01.dlm"), set.file("QVW-01.dup")});
    EXPECT_EQ(result.exitCode, 1) << result.output;
    // The other formats agree on boards 3 and 10, so the odd file out is named.
    for (const std::string& problem :
         {set.file("QVW-01.txt") + ": board 10: the same deal as board 9\n",
          set.file("QVW-01.dlm") + ": board 5: the checksum is ",
          set.file("QVW-01.txt") + ": board 10: the deal differs from board 10 of " + set.file("QVW-01.dge") +
              "\n",
          set.file("QVW-01.dge") + ": board 3: the deal differs from board 3 of " + set.file("QVW-01.txt") +
              "\n"})
        EXPECT_NE(result.output.find(problem), std::string::npos) << problem << "\n" << result.output;
    EXPECT_NE(result.output.find("4 problems found in 4 files."), std::string::npos) << result.output;

    const auto quiet = runDealer({"check", "--quiet", set.file("QVW-01.dlm")});
    EXPECT_EQ(quiet.exitCode, 1);
    EXPECT_EQ(quiet.output.find("boards"), std::string::npos) << quiet.output;
}

TEST(CheckCommand, AnUntouchedRunHasNoProblemAndUsageErrorsExitWithTwo) {
    const DealtSet set;
    std::vector<std::string> arguments = {"check"};
    for (const auto& entry : std::filesystem::directory_iterator(set.folder.path()))
        arguments.push_back(entry.path().string());
    const auto result = runDealer(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("No problems found in 7 files"), std::string::npos) << result.output;
    EXPECT_EQ(runDealer({"check"}).exitCode, 2);
    EXPECT_EQ(runDealer({"check", "--loud", set.file("QVW-01.dlm")}).exitCode, 2);
}

// Hands as another club's scoring program writes them: import format, LF line ends,
// comments, tags in any order, deals starting from any seat.
const char* const OtherProgramPbn =
    "% PBN 2.0\n%Creator: OtherScorer 4.2\n"
    "[Event \"Thursday simultaneous pairs\"]\n[Board \"2\"]\n[Dealer \"E\"]\n[Vulnerable \"NS\"]\n"
    "[Deal \"E:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94\"]\n{ par 1S by North }\n"
    "\n"
    "[Deal \"N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94\"] ; first board\n"
    "[Board \"1\"]\n[Vulnerable \"None\"]\n[Dealer \"N\"]\n"
    "\n"
    "[Board \"3\"]\n[Dealer \"S\"]\n[Vulnerable \"EW\"]\n"
    "[Deal \"W:AKQJ.T98.765.432 T98.765.432.AKQJ 765.432.AKQJ.T98 432.AKQJ.T98.765\"]\n";

TEST(ConvertCommand, TurnsAnotherProgramsPbnIntoEveryMachineFormatWithTheSameDeals) {
    TempFolder folder;
    writeFile(folder.file("sim.pbn"), OtherProgramPbn);
    const auto result = runDealer(
        {"convert", folder.file("sim.pbn"), "--formats", "all", "--out", folder.str(), "--name", "SIM-"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("Wrote " + folder.file("SIM-01.dlm")), std::string::npos) << result.output;
    // The formats of the converted set agree board by board.
    std::vector<std::string> arguments = {"check"};
    for (const char* extension : {".dlm", ".dup", ".bri", ".dge", ".txt", ".pbn"})
        arguments.push_back(folder.file(std::string("SIM-01") + extension));
    const auto check = runDealer(arguments);
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_NE(
        check.output.find("No problems found in 6 files, 18 boards: 3 distinct deals, each in 6 files."),
        std::string::npos)
        << check.output;
    // Under another name the other program's file is another set: its deals are repeats.
    arguments.push_back(folder.file("sim.pbn"));
    const auto repeated = runDealer(arguments);
    EXPECT_EQ(repeated.exitCode, 1) << repeated.output;
    EXPECT_NE(repeated.output.find("3 problems found in 7 files."), std::string::npos) << repeated.output;
    EXPECT_NE(readFile(folder.file("SIM-01.pbn")).find("[Event \"Thursday simultaneous pairs\"]"),
              std::string::npos);

    for (const auto& [formats, existing] :
         {std::pair{"all", "6 files of this run exist"}, std::pair{"dlm", "1 file of this run exists"}}) {
        const auto again = runDealer({"convert", folder.file("sim.pbn"), "--formats", formats, "--out",
                                      folder.str(), "--name", "SIM-"});
        EXPECT_EQ(again.exitCode, 1);
        EXPECT_NE(again.output.find(folder.file("SIM-01.dlm") + ": File already exists. (" + existing +
                                    "; --force replaces them)"),
                  std::string::npos)
            << again.output;
    }
    EXPECT_EQ(runDealer({"convert", folder.file("sim.pbn"), "--out", folder.str(), "--name", "SIM-",
                         "--force", "--quiet"})
                  .exitCode,
              0);
}

TEST(ConvertCommand, RefusesAGapInTheBoardNumbersAndWritesNothing) {
    TempFolder folder;
    std::string text = OtherProgramPbn;
    text.replace(text.find("[Board \"3\"]"), 11, "[Board \"4\"]");
    writeFile(folder.file("gap.pbn"), text);
    const auto result = runDealer({"convert", folder.file("gap.pbn"), "--out", folder.str()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("gap.pbn: board 4: boards must be numbered 1 to 3 without gaps"),
              std::string::npos)
        << result.output;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_EQ(runDealer({"convert", folder.file("gap.pbn")}).exitCode, 2) << "--out is required";
    EXPECT_EQ(runDealer({"convert", folder.file("gap.pbn"), "--out", folder.str(), "--analysis"}).exitCode,
              2);
}

TEST(AuditCommand, PassesDealtBoardsAndFailsADeckDealtInRotation) {
    TempFolder folder;
    ASSERT_EQ(runDealer({"--entropy-text", "1618033988749894848204586834365638117720309179805", "--sets",
                         "20", "--boards", "50", "--formats", "none", "--out", folder.str(), "--quiet"})
                  .exitCode,
              0);
    const auto fair = runDealer({"audit", folder.file("YourID.qvw")});
    EXPECT_EQ(fair.exitCode, 0) << fair.output;
    EXPECT_NE(fair.output.find("The 1,000 boards are consistent with random dealing"), std::string::npos)
        << fair.output;

    // Every board: card c to seat (c - 1) mod 4, a sorted deck dealt round the table.
    const std::string rotation =
        "0105091317212529333741454902061014182226303438424650030711151923273135394347510408121620242832364044"
        "4852";
    std::string biased = "1 100  1\r\n";
    for (int board = 0; board < 100; ++board) biased += rotation + "\r\n";
    writeFile(folder.file("Rotation.qvw"), biased);
    const auto unfair = runDealer({"audit", folder.file("Rotation.qvw")});
    EXPECT_EQ(unfair.exitCode, 1) << unfair.output;
    EXPECT_NE(unfair.output.find("The 100 boards are NOT consistent with random dealing"), std::string::npos)
        << unfair.output;
    EXPECT_EQ(runDealer({"audit", "--alpha", "2", folder.file("Rotation.qvw")}).exitCode, 2);
}

}  // namespace
}  // namespace quorvex
