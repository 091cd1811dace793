// Converting a file read back: the boards go through the run's writers as one set, so a
// file the program wrote comes out byte for byte as it went in, and a conversion keeps
// the run's guarantees.
#include "run/deal_file_conversion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "formats/output_formats.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/deal_file_reader.h"
#include "written_run.h"

namespace quorvex {
namespace {

using testing::ConversionFolder;
using testing::failureOf;
using testing::setFileName;
using testing::WrittenRun;

// The settings of a conversion into `folder`'s output folder: every format, set `set`,
// a run date other than the written files' own.
RunSettings settingsInto(const ConversionFolder& folder, unsigned set) {
    RunSettings settings;
    settings.counts.firstSetNumber = static_cast<std::uint16_t>(set);
    settings.conversion.formats = allFormats();
    settings.conversion.outputFolder = folder.output();
    settings.conversion.runDate =
        std::chrono::year_month_day{std::chrono::year{2030}, std::chrono::month{1}, std::chrono::day{2}};
    settings.analysis = false;
    settings.replaceExisting = false;
    return settings;
}

RunResult convert(const std::string& path, const RunSettings& settings) {
    const DealFile file = readDealFile(path);
    return convertDealFile(file, conversionSettingsOf(file, settings));
}

// Made-up double-dummy results, different for every board, to see them carried over.
std::vector<DoubleDummyTable> madeUpTables(std::size_t boards) {
    std::vector<DoubleDummyTable> tables(boards);
    for (std::size_t b = 0; b < boards; ++b) {
        for (std::size_t hand = 0; hand < HandCount; ++hand)
            for (std::size_t d = 0; d < DenominationCount; ++d)
                tables[b].tricks[hand][d] = static_cast<std::uint8_t>((b + 3 * hand + d) % 14);
        tables[b].parScore = static_cast<int>(b % 3) * 170 - 200;
        if (b % 2) tables[b].parContracts = {"4S-NS+1", "5H*-EW-2"};
    }
    return tables;
}

TEST(ConvertDealFile, WritingTheBoardsReadFromAWrittenFileGivesTheSameBytes) {
    // Sets 98, 99 and 100 of 99 boards (every board key of a .dlm, two- and three-digit set
    // numbers), a set of 7 with double-dummy results in its PBN file.
    for (const auto& [sets, boards, firstSet, withTables] :
         {std::tuple{3u, 99u, 98u, false}, std::tuple{1u, 7u, 1u, true}}) {
        const WrittenRun run(sets, boards, firstSet,
                             withTables ? madeUpTables(sets * boards) : std::vector<DoubleDummyTable>{});
        for (unsigned set = firstSet; set < firstSet + sets; ++set)
            for (const OutputFormat& format : OutputFormats) {
                const std::string name = setFileName(set, format.extension);
                const ConversionFolder again;
                const RunResult result = convert(run.folder.outputFile(name), settingsInto(again, set));
                ASSERT_EQ(result.filesWritten.size(), OutputFormats.size());
                for (const OutputFormat& other : OutputFormats) {
                    // Only the PBN file carries the event, the date and the double-dummy results.
                    if (other.extension == ".pbn" && format.extension != ".pbn") continue;
                    EXPECT_EQ(again.read(setFileName(set, other.extension)),
                              run.folder.read(setFileName(set, other.extension)))
                        << name << " written again as " << other.extension;
                }
                EXPECT_EQ(again.outputCount(), OutputFormats.size()) << "nothing but the set files is left";
            }
    }
}

TEST(ConvertDealFile, RefusesBoardsThatAreNotNumberedOneToNWithoutGaps) {
    const std::string hands = "A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94";
    const auto game = [&](int board) {
        return "[Board \"" + std::to_string(board) + "\"]\n[Deal \"N:" + hands + "\"]\n\n";
    };
    ConversionFolder folder;
    const std::string path = folder.outputFile("gap.pbn");
    testing::writeFile(path, game(1) + game(3));
    EXPECT_NE(failureOf<DealFileError>([&] {
                  convert(path, settingsInto(folder, 1));
              }).find("gap.pbn: board 3: boards must be numbered 1 to 2 without gaps"),
              std::string::npos);
    EXPECT_EQ(folder.outputCount(), 1u);  // only the PBN: nothing written

    testing::writeFile(path, game(2) + game(1));  // any order, written in number order
    convert(path, settingsInto(folder, 1));
    EXPECT_EQ(readDealFile(folder.outputFile("QVW-01.dup")).boards.size(), 2u);
}

TEST(ConvertDealFile, ExistingSetFilesAreRefusedBeforeAnythingIsWrittenUnlessReplacingIsAllowed) {
    const WrittenRun run(1, 4, 1);
    ConversionFolder folder;
    testing::writeFile(folder.outputFile("QVW-01.dge"), "kept");
    RunSettings settings = settingsInto(folder, 1);
    const std::string source = run.folder.outputFile("QVW-01.pbn");
    EXPECT_THROW(convert(source, settings), EFilesExist);
    EXPECT_EQ(folder.read("QVW-01.dge"), "kept");
    EXPECT_EQ(folder.outputCount(), 1u);

    settings.replaceExisting = true;
    convert(source, settings);
    EXPECT_EQ(folder.read("QVW-01.dge"), run.folder.read("QVW-01.dge"));
}

TEST(ConvertDealFile, AFailedConversionLeavesTheFolderAsItWas) {
    const WrittenRun run(1, 4, 1);
    ConversionFolder folder;
    // A folder where the .txt file would go: refused before anything is written.
    std::filesystem::create_directory(folder.outputFile("QVW-01.txt"));
    EXPECT_THROW(convert(run.folder.outputFile("QVW-01.pbn"), settingsInto(folder, 1)), EInOutError);
    EXPECT_EQ(folder.outputCount(), 1u);
}

TEST(ConvertDealFile, TheEventAndDateComeFromTheFileOrItsNameAndTheDayOfTheConversion) {
    const WrittenRun run(1, 2, 1);
    const struct {
        const char* source;
        const char* event;
        const char* date;
    } cases[] = {
        {"QVW-01.pbn", "[Event \"T\"]", "[Date \"2026.03.14\"]"},
        {"QVW-01.dlm", "[Event \"QVW-01\"]", "[Date \"2030.01.02\"]"},
    };
    for (const auto& c : cases) {
        ConversionFolder folder;
        convert(run.folder.outputFile(c.source), settingsInto(folder, 1));
        const std::string pbn = folder.read("QVW-01.pbn");
        EXPECT_NE(pbn.find(c.event), std::string::npos) << c.source;
        EXPECT_NE(pbn.find(c.date), std::string::npos) << c.source;
    }
}

}  // namespace
}  // namespace quorvex
