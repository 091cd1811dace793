// A run's progress: every activity ends at the total it announced, and a cancelled run
// stops at its next step.
#include "run/generation_run.h"

#include <gtest/gtest.h>

#include "engine/deal_stream.h"
#include "hash/hash_registry.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

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
         {Case{true, true, false, "Boards analysed", 6}, Case{true, false, false, "Files written", 12},
          Case{true, false, true, "Files written", 14}, Case{false, false, true, "Files written", 2},
          Case{false, false, false, "Files written", 0}}) {
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

}  // namespace
}  // namespace quorvex
