// The check of deal files: copied boards, degenerate deals and sets whose formats disagree.
#include "formats/check/deal_file_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "conversion_fixture.h"
#include "engine/board_line.h"
#include "formats/convert_main_deal_file.h"
#include "program_deals.h"

namespace quorvex {
namespace {

using testing::ConversionFolder;
using testing::OneSuitEachDeal;

// Two sets of four program deals written in every format, plus the main deal file.
struct CheckedRun {
    explicit CheckedRun(std::vector<std::string> lines = {}) {
        if (lines.empty())
            for (const ByHandDeal& deal : testing::programDeals(8)) lines.push_back(boardLine(deal));
        folder.writeMainDeal("2 4  1", lines);
        folder.selectAllFormats();
        files = ConvertMainDealFile(folder.settings);
        files.push_back(mainDealFile());
    }
    std::string mainDealFile() const { return folder.settings.programFolder + "/T.qvw"; }
    std::vector<std::string> problems(const std::vector<std::string>& paths) const {
        return checkDealFiles(paths).problems;
    }

    ConversionFolder folder;
    std::vector<std::string> files;
};

// The closing line counts the distinct deals: a run in six formats and its main deal file
// is 8 deals each in 7 files; without the main deal file, one set's files are 4 deals.
TEST(CheckDealFiles, TheSummaryCountsDistinctDeals) {
    const CheckedRun run;
    EXPECT_EQ(checkReportLines(checkDealFiles(run.files), false).back(),
              "No problems found in 13 files, 56 boards: 8 distinct deals, each in 7 files.");
    const std::vector<std::string> firstSet = {run.folder.outputFile("QVW-01.dlm"),
                                               run.folder.outputFile("QVW-01.pbn")};
    EXPECT_EQ(checkReportLines(checkDealFiles(firstSet), false).back(),
              "No problems found in 2 files, 8 boards: 4 distinct deals, each in 2 files.");
    // Deals read unequally often (a set file beside its run's main deal file) are not "each".
    EXPECT_EQ(
        checkReportLines(checkDealFiles({run.folder.outputFile("QVW-01.dlm"), run.mainDealFile()}), false)
            .back(),
        "No problems found in 2 files, 12 boards: 8 distinct deals.");
}

TEST(CheckDealFiles, EveryFormatOfARunAndItsMainDealFileTogetherShowNoProblem) {
    const CheckedRun run;
    const DealFileCheck check = checkDealFiles(run.files);
    EXPECT_EQ(check.problems, std::vector<std::string>{});
    ASSERT_EQ(check.files.size(), 13u);  // two sets in six formats and the main deal file
    EXPECT_EQ(check.files.back().boards, 8u);
}

TEST(CheckDealFiles, FindsTheSameDealTwiceWithinASetAcrossSetsAndAcrossFiles) {
    std::vector<std::string> lines;
    for (const ByHandDeal& deal : testing::programDeals(8)) lines.push_back(boardLine(deal));
    lines[1] = lines[0];  // board 2 of set 1 copies board 1
    lines[6] = lines[3];  // board 3 of set 2 copies board 4 of set 1
    const CheckedRun run(lines);
    EXPECT_EQ(run.problems({run.mainDealFile()}),
              (std::vector<std::string>{
                  run.mainDealFile() + ": board 2 of set 1: the same deal as board 1 of set 1",
                  run.mainDealFile() + ": board 3 of set 2: the same deal as board 4 of set 1"}));
    const std::string set1 = run.folder.outputFile("QVW-01.dlm"), set2 = run.folder.outputFile("QVW-02.txt");
    EXPECT_EQ(run.problems({set1, set2}),
              (std::vector<std::string>{set1 + ": board 2: the same deal as board 1",
                                        set2 + ": board 3: the same deal as board 4 of " + set1}));
}

TEST(CheckDealFiles, DealerAndVulnerableThatBreakTheRotationAreNamedWithTheBoard) {
    const CheckedRun run;
    const std::string pbn = run.folder.outputFile("QVW-01.pbn");
    EXPECT_EQ(run.problems({pbn}), std::vector<std::string>{});  // the program's own PBN keeps the rotation
    std::string text = testing::readFile(pbn);
    // Board 2: dealer E, NS vulnerable; board 4: dealer W, all vulnerable.
    const auto replace = [&text](const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
    };
    replace("[Dealer \"E\"]", "[Dealer \"N\"]");
    replace("[Vulnerable \"All\"]", "[Vulnerable \"None\"]");
    const std::string broken = run.folder.outputFile("broken.pbn");
    testing::writeFile(broken, text);
    EXPECT_EQ(run.problems({broken}),
              (std::vector<std::string>{
                  broken + ": board 2: Dealer N breaks the Law 2 rotation, which gives E",
                  broken + ": board 4: Vulnerable None breaks the Law 2 rotation, which gives All"}));
}

TEST(CheckDealFiles, ABoardCopiedInOneFormatOfASetIsARepeatAndADisagreement) {
    const CheckedRun run;
    const std::string bri = run.folder.outputFile("QVW-01.bri"), dge = run.folder.outputFile("QVW-01.dge");
    std::string records = testing::readFile(dge);
    records.replace(128, 128, records.substr(0, 128));  // board 2 := board 1
    testing::writeFile(dge, records);
    EXPECT_EQ(run.problems({bri, dge}),
              (std::vector<std::string>{dge + ": board 2: the deal differs from board 2 of " + bri,
                                        dge + ": board 2: the same deal as board 1"}));
}

TEST(CheckDealFiles, ASetFileIsComparedBoardForBoardWithItsSetInTheMainDealFile) {
    const CheckedRun run;
    const std::string set2 = run.folder.outputFile("QVW-02.bri");
    std::string records = testing::readFile(set2);
    std::swap_ranges(records.begin() + 2 * 128, records.begin() + 3 * 128, records.begin() + 3 * 128);
    testing::writeFile(set2, records);  // boards 3 and 4 exchanged
    EXPECT_EQ(run.problems({run.mainDealFile(), set2}),
              (std::vector<std::string>{
                  set2 + ": board 3: the deal differs from board 3 of set 2 of " + run.mainDealFile(),
                  set2 + ": board 4: the deal differs from board 4 of set 2 of " + run.mainDealFile()}));
}

TEST(CheckDealFiles, NamesDegenerateDeals) {
    std::vector<std::string> lines;
    for (const ByHandDeal& deal : testing::programDeals(8)) lines.push_back(boardLine(deal));
    lines[2] = OneSuitEachDeal;
    // Board 4: North holds every heart, East every spade; South and West share the minors.
    lines[3] =
        "14151617181920212223242526"
        "01020304050607080910111213"
        "27282930313233404142434445"
        "34353637383946474849505152";
    const CheckedRun run(lines);
    const std::string file = run.folder.outputFile("QVW-01.dge");
    EXPECT_EQ(run.problems({file}),
              (std::vector<std::string>{file + ": board 3: each hand holds one whole suit",
                                        file + ": board 4: North holds all 13 hearts",
                                        file + ": board 4: East holds all 13 spades"}));
}

TEST(CheckDealFiles, ComparesTheFormatsOfOneSetBoardByBoard) {
    const CheckedRun run;
    const std::string dlm = run.folder.outputFile("QVW-01.dlm"), txt = run.folder.outputFile("QVW-01.txt");
    // Swap the first spade rank letter of North and of West on board 2 of the Deep Finesse file.
    std::string text = testing::readFile(txt);
    const std::size_t board2 = text.find("Deal: 2");
    const std::size_t north = board2 + 38, west = text.find("OnLead: East", board2) + 38;
    if (text[north] != '-' && text[west] != '-') std::swap(text[north], text[west]);
    testing::writeFile(txt, text);
    const std::vector<std::string> problems = run.problems({dlm, txt});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], txt + ": board 2: the deal differs from board 2 of " + dlm);
}

// A set copied under another name is another set holding the same deals, whatever the
// names and formats: every board of the copy is a repeat. Only a name that differs in the
// extension alone makes two files one set.
TEST(CheckDealFiles, ASetCopiedUnderAnotherNameIsAnotherSetAndEveryBoardARepeat) {
    const CheckedRun run;
    const auto copy = [&](const std::string& from, const std::string& to) {
        std::filesystem::copy_file(run.folder.outputFile(from), run.folder.outputFile(to));
        return run.folder.outputFile(to);
    };
    const std::string set1 = run.folder.outputFile("QVW-01.pbn");
    const struct {
        std::vector<std::string> paths;
        std::string repeated;  // the file whose four boards are repeats
        std::string of;        // of this one
    } cases[] = {
        {{set1, copy("QVW-01.pbn", "QVW-02x.pbn")}, run.folder.outputFile("QVW-02x.pbn"), set1},
        {{run.folder.outputFile("QVW-01.dlm"), copy("QVW-01.dup", "Other-07.dup")},
         run.folder.outputFile("Other-07.dup"),
         run.folder.outputFile("QVW-01.dlm")},
        // Named for set 2 of the main deal file but holding set 1: not that set, so repeats.
        {{run.mainDealFile(), copy("QVW-01.bri", "Copy-02.bri")},
         run.folder.outputFile("Copy-02.bri"),
         run.mainDealFile()},
        {{run.mainDealFile(), copy("../T.qvw", "B.qvw")}, run.folder.outputFile("B.qvw"), run.mainDealFile()},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> problems = run.problems(c.paths);
        const std::size_t boards = c.repeated.ends_with(".qvw") ? 8 : 4;
        ASSERT_EQ(problems.size(), boards) << c.repeated;
        const std::string set = c.of.ends_with(".qvw") ? " of set 1" : "";
        EXPECT_EQ(problems[0], c.repeated + ": board 1" + (boards == 8 ? set : "") +
                                   ": the same deal as board 1" + set + " of " + c.of);
    }
}

TEST(CheckDealFiles, TenThousandCopiesOfASetAreEachReportedBoardByBoard) {
    const CheckedRun run;
    std::vector<std::string> paths = {run.folder.outputFile("QVW-01.bri")};
    for (int copy = 1; copy < 10000; ++copy) {
        paths.push_back(run.folder.outputFile("copy" + std::to_string(copy) + ".dge"));
        std::filesystem::copy_file(run.folder.outputFile("QVW-01.dge"), paths.back());
    }
    const std::vector<std::string> problems = run.problems(paths);
    ASSERT_EQ(problems.size(), 4u * 9999u);
    EXPECT_EQ(problems.back(), paths.back() + ": board 4: the same deal as board 4 of " + paths[0]);
}

TEST(CheckDealFiles, AMainDealFileNamedLikeASetFileIsNeverTakenForAnotherFormatOfThatSet) {
    // A run whose identity is "QVW-01" writes QVW-01.qvw beside QVW-01.dlm and the others.
    const CheckedRun run;
    std::vector<std::string> paths = run.files;
    paths.back() = run.folder.outputFile("QVW-01.qvw");
    std::filesystem::copy_file(run.mainDealFile(), paths.back());
    EXPECT_EQ(run.problems(paths), std::vector<std::string>{});
}

TEST(CheckDealFiles, AnUnreadableFileIsAProblemAndTheOthersAreStillChecked) {
    const CheckedRun run;
    const std::string missing = run.folder.outputFile("QVW-09.dlm");
    const DealFileCheck check = checkDealFiles({missing, run.mainDealFile()});
    ASSERT_EQ(check.problems.size(), 1u);
    EXPECT_EQ(check.problems[0].rfind(missing + ": ", 0), 0u) << check.problems[0];
    EXPECT_FALSE(check.files[0].readable);
    EXPECT_EQ(check.files[1].boards, 8u);
}

}  // namespace
}  // namespace quorvex
