// Publishing under a failure injected at every file-system call, and after a crash at
// every step: each folder ends with all of the old files or all of the new ones.
#include "common/publishing.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <set>

#include "common/file_calls.h"
#include "common/io_error.h"
#include "common/line_append.h"
#include "common/staged_files.h"
#include "common/text_file.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

namespace fs = std::filesystem;

std::string nameOf(const std::string& path) { return fs::path(path).filename().string(); }

// Passes every call on to the real one and writes it down as "<step> <file name>". The
// calls numbered in `failing` fail as the disk would; with `crash`, the first of them and
// every call after it end the "process" instead: nothing more reaches the disk, no
// clean-up runs.
class ScriptedCalls : public FileCalls {
public:
    struct Crash {};

    std::vector<std::string> calls;
    std::set<std::size_t> failing;  // the calls that fail, numbered from 1
    bool crash = false;

    void write(int descriptor, std::string_view bytes, const std::string& path) override {
        step("write", nameOf(path), path);
        FileCalls::write(descriptor, bytes, path);
    }
    void flush(std::FILE* file, const std::string& path) override {
        step("flush", nameOf(path), path);
        FileCalls::flush(file, path);
    }
    void sync(int descriptor, const std::string& path) override {
        step("sync", nameOf(path), path);
        FileCalls::sync(descriptor, path);
    }
    void rename(const std::string& from, const std::string& to) override {
        step("rename", nameOf(from) + " -> " + nameOf(to), to);
        FileCalls::rename(from, to);
    }
    void syncFolder(const std::string& folder) override {
        step("sync folder", nameOf(folder), folder);
        FileCalls::syncFolder(folder);
    }
    bool remove(const std::string& path) override {
        try {
            step("remove", nameOf(path), path);
        } catch (const EInOutError&) {
            return false;
        }
        return FileCalls::remove(path);
    }

private:
    void step(const char* what, const std::string& names, const std::string& path) {
        if (crashed_) throw Crash{};
        calls.push_back(std::string(what) + " " + names);
        if (!failing.contains(calls.size())) return;
        if (crash) {
            crashed_ = true;
            throw Crash{};
        }
        throw ioErrorFromErrno(EIO, path);
    }
    bool crashed_ = false;
};

using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const std::string& folder) {
    Snapshot files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[nameOf(entry.path().string())] = readFile(entry.path().string());
    return files;
}

// Two folders, as a run with its main deal file in the program folder: the old run's
// files, and the new run's files to publish over them (one of them new to the folder).
struct TwoRuns {
    TempFolder out, work;
    Snapshot oldOut{{"QVW-01.dlm", "old 1"}, {"QVW-02.dlm", "old 2"}};
    Snapshot oldWork{{"YourID.qvw", "old deal"}};
    Snapshot newOut{{"QVW-01.dlm", "new 1\r\n"}, {"QVW-02.dlm", "new 2\r\n"}, {"QVW-03.dlm", "new 3\r\n"}};
    Snapshot newWork{{"YourID.qvw", "new deal\r\n"}};

    TwoRuns() {
        for (const auto& [name, bytes] : oldOut) writeFile(out.file(name), bytes);
        for (const auto& [name, bytes] : oldWork) writeFile(work.file(name), bytes);
    }

    // The new files under their temporary names, the main deal file first, as a run stages them.
    std::vector<StagedFile> stage() const {
        std::vector<StagedFile> files;
        const auto add = [&](const TempFolder& folder, const std::string& name, const std::string& bytes) {
            files.push_back({folder.file(name), temporaryPathOf(folder.file(name))});
            FileWriter file(files.back().temporaryPath, FileWriter::Mode::New);
            file.write(bytes);
            file.close();
        };
        for (const auto& [name, bytes] : newWork) add(work, name, bytes);
        for (const auto& [name, bytes] : newOut) add(out, name, bytes);
        return files;
    }

    bool holdsOld() const { return snapshot(out.str()) == oldOut && snapshot(work.str()) == oldWork; }
    bool holdsNew() const { return snapshot(out.str()) == newOut && snapshot(work.str()) == newWork; }

    // What the next run in both folders does before it writes anything.
    void nextRun() const {
        for (const std::string& folder : {out.str(), work.str()}) {
            finishInterruptedPublishing(folder, {out.str(), work.str()});
            removeLeftoverTemporaries(folder);
        }
    }
};

// The calls of a publishing that nothing disturbs.
std::vector<std::string> undisturbedCalls() {
    const TwoRuns runs;
    const std::vector<StagedFile> files = runs.stage();
    ScriptedCalls calls;
    const FileCallsReplaced replaced(calls);
    publishAllOrNothing(files);
    return calls.calls;
}

TEST(Publishing, FilesAreSyncedBeforeTheJournalAndRenamedOnlyAfterIt) {
    TempFolder folder;
    writeFile(folder.file("QVW-01.dlm"), "old");
    ScriptedCalls calls;
    const FileCallsReplaced replaced(calls);
    StagedFiles files;
    for (const char* name : {"QVW-01.dlm", "QVW-02.dlm"}) {
        FileWriter file(files.stage(folder.file(name)), FileWriter::Mode::New);
        file.writeLine(name);
        file.close();
    }
    files.publish();
    const std::string one = nameOf(temporaryPathOf("QVW-01.dlm"));
    const std::string two = nameOf(temporaryPathOf("QVW-02.dlm"));
    const std::string aside = nameOf(asidePathOf("QVW-01.dlm"));
    const std::string here = nameOf(folder.str());
    const std::vector<std::string> expected = {
        "flush " + one,
        "sync " + one,
        "flush " + two,
        "sync " + two,
        "write .quorvex.publish",
        "sync .quorvex.publish",
        "sync folder " + here,
        "rename QVW-01.dlm -> " + aside,
        "rename " + one + " -> QVW-01.dlm",
        "rename " + two + " -> QVW-02.dlm",
        "sync folder " + here,
        "remove " + aside,  // the old file goes only once every new one is in place
        "sync folder " + here,
        "remove .quorvex.publish",
        "sync folder " + here,
    };
    EXPECT_EQ(calls.calls, expected);
    EXPECT_EQ(snapshot(folder.str()),
              (Snapshot{{"QVW-01.dlm", "QVW-01.dlm\r\n"}, {"QVW-02.dlm", "QVW-02.dlm\r\n"}}));
}

TEST(Publishing, ALogLineIsWrittenThenSynced) {
    TempFolder folder;
    ScriptedCalls calls;
    const FileCallsReplaced replaced(calls);
    appendWholeLine(folder.file("Int160.qvs"), "123");
    EXPECT_EQ(calls.calls, (std::vector<std::string>{"write Int160.qvs", "sync Int160.qvs"}));
}

TEST(Publishing, AFailureAtAnyCallLeavesTheOldFilesOrPublishesAllTheNewOnes) {
    const std::size_t count = undisturbedCalls().size();
    for (std::size_t failAt = 1; failAt <= count; ++failAt) {
        const TwoRuns runs;
        const std::vector<StagedFile> files = runs.stage();
        ScriptedCalls calls;
        calls.failing = {failAt};
        bool failed = false;
        {
            const FileCallsReplaced replaced(calls);
            try {
                publishAllOrNothing(files);
            } catch (const EInOutError& error) {
                failed = true;
                const std::string& step = calls.calls.back();
                SCOPED_TRACE(step);
                if (step.starts_with("rename")) {
                    // Named as the caller gave the file, never by a temporary name.
                    bool given = false;
                    for (const StagedFile& file : files) given = given || error.path() == file.finalPath;
                    EXPECT_TRUE(given) << error.path();
                }
            }
        }
        SCOPED_TRACE("failed at " + calls.calls.back());
        for (const StagedFile& file : files)
            fs::remove(file.temporaryPath);  // as the run's own clean-up does
        if (failed) {
            EXPECT_TRUE(runs.holdsOld());
        } else {
            runs.nextRun();  // tidies what a failed removal of an old file left
            EXPECT_TRUE(runs.holdsNew());
        }
    }
}

// When moving the old files back fails too, everything the next run needs stays: the
// journal and the new files under their temporary names.
TEST(Publishing, AFailedRollBackIsFinishedByTheNextRun) {
    const std::vector<std::string> undisturbed = undisturbedCalls();
    for (std::size_t failAt = 1; failAt <= undisturbed.size(); ++failAt) {
        if (!undisturbed[failAt - 1].starts_with("rename")) continue;
        for (std::size_t rollBackFailure = failAt + 1;; ++rollBackFailure) {
            SCOPED_TRACE(undisturbed[failAt - 1] + ", then call " + std::to_string(rollBackFailure));
            const TwoRuns runs;
            ScriptedCalls calls;
            calls.failing = {failAt, rollBackFailure};
            {
                StagedFiles files;  // as a run holds them, with its clean-up when it fails
                for (const StagedFile& file : runs.stage()) files.stage(file.finalPath);
                const FileCallsReplaced replaced(calls);
                EXPECT_THROW(files.publish(), EInOutError);
            }
            runs.nextRun();
            EXPECT_TRUE(runs.holdsOld());
            if (rollBackFailure > calls.calls.size()) break;  // the roll-back ran to its end
        }
    }
}

TEST(Publishing, ACrashAtAnyStepIsFinishedOrUndoneByTheNextRunEvenIfThatCrashesToo) {
    const std::vector<std::string> undisturbed = undisturbedCalls();
    std::size_t lastMoveIn = 0;
    for (std::size_t call = 0; call < undisturbed.size(); ++call)
        if (undisturbed[call].find(".qvtmp -> ") != std::string::npos) lastMoveIn = call + 1;
    ASSERT_GT(lastMoveIn, 0u);
    for (std::size_t crashAt = 1; crashAt <= undisturbed.size(); ++crashAt) {
        SCOPED_TRACE("crash at " + undisturbed[crashAt - 1]);
        // The first recovery may crash too, at any of its own steps; a later one finishes.
        for (std::size_t recoveryCrash = 0;; ++recoveryCrash) {
            const TwoRuns runs;
            const std::vector<StagedFile> files = runs.stage();
            {
                ScriptedCalls calls;
                calls.failing = {crashAt};
                calls.crash = true;
                const FileCallsReplaced replaced(calls);
                try {
                    publishAllOrNothing(files);
                } catch (const ScriptedCalls::Crash&) {  // a crash while deleting old files is not seen
                }
            }
            // The next run in the output folder alone also puts the work folder right.
            ScriptedCalls recovery;
            recovery.failing = {recoveryCrash};
            recovery.crash = true;
            {
                const FileCallsReplaced replaced(recovery);
                try {
                    finishInterruptedPublishing(runs.out.str(), {runs.out.str()});
                } catch (const ScriptedCalls::Crash&) {
                }
            }
            const Snapshot& expectedWork = crashAt > lastMoveIn ? runs.newWork : runs.oldWork;
            if (recoveryCrash == 0) {
                removeLeftoverTemporaries(runs.work.str());
                Snapshot work = snapshot(runs.work.str());
                work.erase(".quorvex.publish");  // torn while written: removed by a run in that folder
                EXPECT_EQ(work, expectedWork);
            }
            runs.nextRun();
            if (crashAt > lastMoveIn)
                EXPECT_TRUE(runs.holdsNew()) << "recovery crashed at call " << recoveryCrash;
            else
                EXPECT_TRUE(runs.holdsOld()) << "recovery crashed at call " << recoveryCrash;
            if (recoveryCrash >= recovery.calls.size()) break;  // the recovery ran to its end
        }
    }
}

#ifndef _WIN32
// chattr needs root and a file system that keeps the flag.
bool makeImmutable(const std::string& path, bool on) {
    const std::string command = std::string("chattr ") + (on ? "+i " : "-i ") + '"' + path + "\" 2>/dev/null";
    return geteuid() == 0 && std::system(command.c_str()) == 0;
}

TEST(Publishing, AnImmutableFileFailsThePublishingAndEveryOldFileStays) {
    for (const char* immutable : {"QVW-01.dlm", "QVW-02.dlm"}) {
        SCOPED_TRACE(immutable);
        TwoRuns runs;
        const std::string locked = runs.out.file(immutable);
        if (!makeImmutable(locked, true))
            GTEST_SKIP() << "chattr +i is refused here (needs root and ext4 or alike)";
        {
            StagedFiles files;
            for (const StagedFile& file : runs.stage()) {
                fs::rename(file.temporaryPath, files.stage(file.finalPath));
            }
            try {
                files.publish();
                ADD_FAILURE() << "an immutable file was replaced";
            } catch (const EInOutError& error) {
                EXPECT_STREQ(error.what(), "File access denied");
                EXPECT_EQ(error.path(), locked);
            }
        }
        makeImmutable(locked, false);
        EXPECT_TRUE(runs.holdsOld());
    }
}
#endif

}  // namespace
}  // namespace quorvex
