// A run's progress: every activity ends at the total it announced, and a cancelled run
// stops at its next step. Its analysis counts every board once. Its printed documents (hand records,
// duplication sheets, curtain cards) follow the set files, are published with them and checked with them
// before any board is dealt.
#include "run/generation_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/deal_stream.h"
#include "hash/hash_registry.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

struct Documents {
    bool handRecords, dealingSheets, curtainCards;
};

struct RunFolders {
    testing::TempFolder program, output;

    RunSettings settings(bool formats, bool analysis, bool handRecords = false) const {
        RunSettings s;
        s.counts = {2, 3, 1};
        s.conversion.identityText = "YourID";
        s.conversion.programFolder = program.str();
        s.conversion.outputFolder = output.str();
        s.conversion.formats = formats ? allFormats() : FormatSelection();
        s.analysis = analysis;
        s.handRecords = handRecords;
        return s;
    }

    // Two sets of three boards, as .dlm files and the documents asked for; existing files
    // are refused.
    RunSettings settings(Documents documents) const {
        RunSettings s = settings(false, false, documents.handRecords);
        s.conversion.formats.set(findOutputFormat("dlm").value());
        s.dealingSheets = documents.dealingSheets;
        s.curtainCards = documents.curtainCards;
        s.replaceExisting = false;
        return s;
    }

    std::size_t outputCount() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(output.path()),
                                                      std::filesystem::directory_iterator{}));
    }
};

DealStream seededStream() {
    registerHashClasses();
    DealStream stream;
    stream.seed(seedingHashClass(), "YourID", "12345");
    return stream;
}

TEST(GenerationRunProgress, TheLastActivityEndsAtItsTotal) {
    struct Case {
        bool formats, analysis, handRecords;
        std::string activity;
        std::uint64_t total;
    };
    // Two sets: each format and the hand records write one file per set.
    for (const Case& c :
         {Case{true, true, false, "Files written", 12}, Case{false, true, false, "Boards analysed", 6},
          Case{true, false, false, "Files written", 12}, Case{true, false, true, "Files written", 14},
          Case{false, false, true, "Files written", 2}, Case{false, false, false, "Files written", 0}}) {
        const RunFolders folders;
        DealStream stream = seededStream();
        WorkProgress progress;
        runGeneration(stream, folders.settings(c.formats, c.analysis, c.handRecords), &progress);
        const WorkProgress::Snapshot last = progress.snapshot();
        EXPECT_EQ(last.activity, c.activity);
        EXPECT_EQ(last.done, c.total) << c.activity;
        EXPECT_EQ(last.total, c.total) << c.activity;
    }
}

// With formats the analysis takes the boards as the writers read them; without, it reads
// the main deal file itself. Every board is counted once either way.
TEST(GenerationRunAnalysis, TheSameReportWhetherTheFormatsReadTheBoardsOrNot) {
    const RunFolders withFormats, alone;
    DealStream first = seededStream(), second = seededStream();
    const RunResult shared = runGeneration(first, withFormats.settings(true, true));
    const RunResult own = runGeneration(second, alone.settings(false, true));
    ASSERT_FALSE(own.report.empty());
    EXPECT_EQ(shared.report, own.report);
}

TEST(GenerationRunProgress, ACancelledRunStopsAfterTheBoardBeingDealt) {
    const RunFolders folders;
    DealStream stream = seededStream();
    WorkProgress progress;
    progress.cancel();
    EXPECT_THROW(runGeneration(stream, folders.settings(true, true), &progress), EWorkCancelled);
    EXPECT_EQ(progress.snapshot().activity, "Boards dealt");
    EXPECT_EQ(progress.snapshot().done, 1u);
    EXPECT_TRUE(std::filesystem::is_empty(folders.output.path()));   // nothing converted
    EXPECT_TRUE(std::filesystem::is_empty(folders.program.path()));  // nor a torn main deal file
}

RunResult run(const RunSettings& settings, WorkProgress* progress = nullptr) {
    DealStream stream = seededStream();
    return runGeneration(stream, settings, progress);
}

TEST(PrintedDocumentsOfARun, FollowTheSetFilesAndTheFirstIsTheOneToOpen) {
    const struct {
        Documents documents;
        std::vector<std::string> names;  // after the .dlm files
    } cases[] = {
        {{true, true, true},
         {"QVW-01.html", "QVW-02.html", "QVW-01-dealing.html", "QVW-02-dealing.html", "QVW-01-curtain.html",
          "QVW-02-curtain.html"}},
        {{false, true, false}, {"QVW-01-dealing.html", "QVW-02-dealing.html"}},
        {{false, false, true}, {"QVW-01-curtain.html", "QVW-02-curtain.html"}},
        {{false, false, false}, {}},
    };
    for (const auto& c : cases) {
        const RunFolders folders;
        WorkProgress progress;
        const RunResult result = run(folders.settings(c.documents), &progress);
        std::vector<std::string> expected = {folders.output.file("QVW-01.dlm"),
                                             folders.output.file("QVW-02.dlm")};
        for (const std::string& name : c.names) expected.push_back(folders.output.file(name));
        EXPECT_EQ(result.filesWritten, expected);
        EXPECT_EQ(result.firstDocument, c.names.empty() ? "" : expected[2]);
        EXPECT_EQ(folders.outputCount(), expected.size());
        EXPECT_EQ(progress.snapshot().activity, "Files written");
        EXPECT_EQ(progress.snapshot().total, expected.size());
    }
}

TEST(PrintedDocumentsOfARun, AnExistingDocumentIsRefusedBeforeAnyBoardIsDealt) {
    const RunFolders folders;
    testing::writeFile(folders.output.file("QVW-02-curtain.html"), "kept");
    RunSettings settings = folders.settings({false, true, true});
    EXPECT_EQ(existingRunFiles(settings),
              std::vector<std::string>{folders.output.file("QVW-02-curtain.html")});
    try {
        run(settings);
        ADD_FAILURE() << "the run replaced an existing document";
    } catch (const EFilesExist& error) {
        EXPECT_EQ(error.path(), folders.output.file("QVW-02-curtain.html"));
        EXPECT_EQ(error.count, 1u);
    }
    EXPECT_EQ(testing::readFile(folders.output.file("QVW-02-curtain.html")), "kept");
    EXPECT_EQ(folders.outputCount(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(folders.program.path()));  // not even the main deal file

    settings.replaceExisting = true;
    run(settings);
    EXPECT_NE(testing::readFile(folders.output.file("QVW-02-curtain.html")).find("Board 3"),
              std::string::npos);
}

TEST(PrintedDocumentsOfARun, AFolderWhereADocumentGoesFailsTheRunBeforeAnythingIsWritten) {
    const RunFolders folders;
    std::filesystem::create_directory(folders.output.file("QVW-01-dealing.html"));
    EXPECT_THROW(run(folders.settings({true, true, false})), EInOutError);
    EXPECT_EQ(folders.outputCount(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(folders.program.path()));
}

}  // namespace
}  // namespace quorvex
