// The dealer under real faults: every failed run exits with its status and a message
// naming the path, and leaves every folder byte for byte as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "common/file_calls.h"
#include "common/folder_lock.h"
#include "common/publishing.h"
#include "common/staged_files.h"
#include "common/text_file.h"
#include "run_command.h"
#include "temp_folder.h"

extern char** environ;

namespace quorvex {
namespace {

using testing::readFile;
using testing::runDealer;
using testing::TempFolder;

namespace fs = std::filesystem;

const std::string Recorded = "1000100110021003100410051006100710081009101010111012-77-123456789";
const std::string OtherRecorded = "2000100110021003100410051006100710081009101010111012-77-123456789";

// Every file of a folder with its bytes.
std::map<std::string, std::string> snapshot(const TempFolder& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        files[entry.path().filename().string()] = readFile(entry.path().string());
    return files;
}

// A folder holding the files of an earlier run, to prove a failed run leaves them alone.
std::vector<std::string> earlierRun(const TempFolder& folder, std::vector<std::string> extra = {}) {
    std::vector<std::string> arguments = {"--entropy-text", Recorded, "--sets",    "2", "--boards", "8",
                                          "--quiet",        "--out",  folder.str()};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    const auto result = runDealer(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.output;
    return arguments;
}

TEST(RunFaults, AReportOntoAnyFileOfTheRunIsAUsageErrorAndWritesNothing) {
    for (const std::string name : {"YourID.qvw", "QVW-01.dlm", "QVW-02.txt", "Int160.qvs", ".quorvex.lock"}) {
        SCOPED_TRACE(name);
        TempFolder folder;
        earlierRun(folder);
        testing::writeFile(folder.file("Int160.qvs"), "logged\r\n");
        const auto before = snapshot(folder);
        const auto result = runDealer({"--entropy-text", Recorded, "--sets", "2", "--boards", "8", "--force",
                                       "--out", folder.str(), "--report", folder.file(name)});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.output.find(folder.file(name) + ": The run would write this file twice."),
                  std::string::npos)
            << result.output;
        EXPECT_EQ(snapshot(folder), before);
    }
}

TEST(RunFaults, PathsTooLongForTheFileSystemFailBeforeTheEntropyIsLogged) {
    const std::string longName(250, 'x');  // fits alone, not with a set number or a temporary name
    for (const std::string option : {"--id", "--name"}) {
        SCOPED_TRACE(option);
        TempFolder folder;
        const auto result = runDealer({option, longName, "--out", folder.str()});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find(longName), std::string::npos);
        EXPECT_NE(result.output.find(": Invalid filename.\n"), std::string::npos) << result.output;
        EXPECT_TRUE(snapshot(folder).empty()) << "not even the entropy log";
    }
    TempFolder folder;
    const auto result = runDealer({"--out", folder.str(), "--report", folder.file("missing/report.txt")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "quorvex-deal: " + folder.file("missing") + ": The folder does not exist.\n");
    EXPECT_TRUE(snapshot(folder).empty());
}

TEST(RunFaults, ExistingSetFilesAreRefusedWithoutForceAndReplacedWithIt) {
    TempFolder folder;
    const auto arguments = earlierRun(folder);
    const auto before = snapshot(folder);
    auto result = runDealer({"--entropy-text", Recorded, "--sets", "2", "--out", folder.str()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find(folder.file("QVW-01.dlm") + ": File already exists."), std::string::npos)
        << result.output;
    EXPECT_EQ(snapshot(folder), before);

    result = runDealer({"--entropy-text", Recorded, "--sets", "2", "--boards", "8", "--quiet", "--force",
                        "--out=" + folder.str()});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(snapshot(folder), before) << "the same settings give the same bytes";
}

TEST(RunFaults, ASecondRunMeetingTheLockFailsAtOnceNamingTheFolder) {
    TempFolder folder, work;
    earlierRun(folder);
    const FolderLock held(folder.str());  // this test process is the other run
    const auto before = snapshot(folder);
    const auto result =
        runDealer({"--sets", "2", "--force", "--out", folder.str(), "--work-dir", work.str()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "quorvex-deal: " + folder.str() + ": Another run is writing to this folder.\n");
    EXPECT_EQ(snapshot(folder), before);
    EXPECT_TRUE(snapshot(work).empty()) << "nothing logged, nothing dealt";
}

TEST(RunFaults, StandardOutputThatCannotBeWrittenFailsTheRun) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {" 2>&1 >/dev/full", "standard output: Disk full."},
        {" 2>&1 >&-", "standard output: "},
    };
    for (const auto& [redirection, message] : cases) {
        SCOPED_TRACE(redirection);
        TempFolder folder;
        earlierRun(folder);
        const auto before = snapshot(folder);
        const auto result = runDealer({"--entropy-text", Recorded, "--sets", "2", "--boards", "8", "--force",
                                       "--analysis", "--out", folder.str()},
                                      redirection);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find("quorvex-deal: " + message), std::string::npos) << result.output;
        EXPECT_EQ(snapshot(folder), before);
    }
}

TEST(RunFaults, AFullFileSystemLeavesTheFolderAsItWas) {
    // The file-size limit makes every write beyond 8 blocks fail as on a full disk.
    TempFolder folder;
    earlierRun(folder);
    const auto before = snapshot(folder);
    const auto result = runDealer({"--entropy-text", Recorded, "--sets", "2", "--boards", "400",
                                   "--test-mode", "--force", "--out", folder.str()},
                                  " 2>&1", "ulimit -f 8; ");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "quorvex-deal: " + folder.file("YourID.qvw") + ": Disk full.\n");
    EXPECT_EQ(snapshot(folder), before);
}

// Starts the dealer without waiting for it; `actions` set up its standard streams.
pid_t startDealer(std::vector<std::string> arguments, const posix_spawn_file_actions_t* actions = nullptr) {
    arguments.insert(arguments.begin(), QUORVEX_DEAL_PATH);
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    pid_t pid = 0;
    posix_spawn(&pid, QUORVEX_DEAL_PATH, actions, nullptr, pointers.data(), environ);
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// Runs the dealer with standard output a pipe whose reader has gone already, standard error
// into the file `errors`; returns the exit status.
int runIntoBrokenPipe(const std::vector<std::string>& arguments, const std::string& errors) {
    int ends[2];
    if (pipe(ends) != 0) return -1;
    close(ends[0]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, ends[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    const pid_t pid = startDealer(arguments, &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    const int status = waitFor(pid);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Every command treats standard output like a file: a full disk, a closed stream or a pipe
// whose reader has gone is reported on standard error with exit 1, never exit 0 with
// nothing said.
TEST(RunFaults, EveryCommandFailsLoudlyWhenStandardOutputCannotBeWritten) {
    TempFolder folder, output;
    earlierRun(folder);
    const std::string set = folder.file("QVW-01.pbn");
    const std::vector<std::vector<std::string>> commands = {
        {"--help"},
        {"--version"},
        {"help", "check"},
        {"check", "--help"},
        {"check", set},
        {"audit", set},
        {"convert", set, "--out", output.str(), "--force"},
        {"--entropy-text", Recorded, "--formats", "none", "--out", output.str()},
    };
    const std::string errors = output.file("errors");
    for (const std::vector<std::string>& arguments : commands) {
        for (const auto& [redirection, text] : {std::pair{std::string(" 2>&1 >/dev/full"), "Disk full."},
                                                std::pair{std::string(" 2>&1 >&-"), ""}}) {
            SCOPED_TRACE(arguments.front() + redirection);
            const auto result = runDealer(arguments, redirection);
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_NE(result.output.find(": standard output: " + std::string(text)), std::string::npos)
                << result.output;
        }
        SCOPED_TRACE(arguments.front() + " into a pipe nobody reads");
        EXPECT_EQ(runIntoBrokenPipe(arguments, errors), 1);
        EXPECT_NE(readFile(errors).find(": standard output: "), std::string::npos) << readFile(errors);
    }
}

TEST(RunFaults, AnOutputFolderRemovedMidRunFailsNamingItAndLeavesTheWorkFolderAsItWas) {
    TempFolder work, parent;
    const std::string out = parent.file("out");
    fs::create_directory(out);
    const pid_t pid = startDealer({"--entropy-text", Recorded, "--test-mode", "--sets", "100", "--boards",
                                   "1000", "--quiet", "--out", out, "--work-dir", work.str()});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::error_code busy;  // the run may add a file while the folder is being emptied
    while (fs::exists(out)) fs::remove_all(out, busy);
    const int status = waitFor(pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);  // "<out>: The folder does not exist."
    EXPECT_TRUE(snapshot(work).empty());
}

// A small file system of its own for one test: needs root and the right to mount.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const TempFolder& folder) : path_(folder.str()) {
        mounted_ = geteuid() == 0 && mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=256k,mode=0700") == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) umount2(path_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    bool makeReadOnly() {
        return mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    std::string path_;
    bool mounted_ = false;
};

TEST(RunFaults, AFullAndThenReadOnlyFileSystemLeavesItAsItWas) {
    TempFolder folder;
    SmallFileSystem small(folder);
    if (!small.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root (the file-size limit test covers a full disk)";
    earlierRun(folder);
    const auto before = snapshot(folder);
    auto result = runDealer({"--entropy-text", Recorded, "--test-mode", "--sets", "2", "--boards", "1000",
                             "--force", "--out", folder.str()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find(": Disk full.\n"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find(folder.str()), std::string::npos) << result.output;
    EXPECT_EQ(snapshot(folder), before);

    ASSERT_TRUE(small.makeReadOnly());
    result = runDealer(
        {"--entropy-text", Recorded, "--sets", "2", "--boards", "8", "--force", "--out", folder.str()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "quorvex-deal: " + folder.file(".quorvex.lock") + ": Read-only file system.\n");
    EXPECT_EQ(snapshot(folder), before);
}

TEST(RunFaults, AnInterruptedRunLeavesNothingAndARerunGivesTheSameFiles) {
    TempFolder interrupted, complete;
    const std::vector<std::string> arguments = {"--entropy-text", Recorded, "--test-mode", "--sets", "100",
                                                "--boards",       "1000",   "--quiet"};
    std::vector<std::string> first = arguments;
    first.insert(first.end(), {"--out", interrupted.str(), "--report", interrupted.file("report.txt")});
    const pid_t pid = startDealer(first);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(pid, SIGINT);
    const int status = waitFor(pid);
    // While boards are dealt the interrupt cancels the run ("Cancelled", exit 1); before
    // or after that the cleanup handler removes the files and the signal ends the process.
    // Either way nothing of the run is left.
    const bool cancelled = WIFEXITED(status) && WEXITSTATUS(status) == 1;
    const bool killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGINT;
    ASSERT_TRUE(cancelled || killed) << "the run ended before the interrupt; make it larger";
    EXPECT_TRUE(snapshot(interrupted).empty()) << "no temporary file, no lock file";

    std::vector<std::string> rerun = arguments;
    rerun.insert(rerun.end(), {"--out", interrupted.str(), "--report", interrupted.file("report.txt")});
    ASSERT_EQ(runDealer(rerun).exitCode, 0);
    std::vector<std::string> clean = arguments;
    clean.insert(clean.end(), {"--out", complete.str(), "--report", complete.file("report.txt")});
    ASSERT_EQ(runDealer(clean).exitCode, 0);
    EXPECT_EQ(snapshot(interrupted), snapshot(complete));
}

TEST(RunFaults, AnInterruptedConversionLeavesNothingAndAFinishedOneOnlyPrivateFiles) {
    TempFolder source, output;
    ASSERT_EQ(runDealer({"--entropy-text", Recorded, "--boards", "16", "--formats", "pbn", "--quiet", "--out",
                         source.str()})
                  .exitCode,
              0);
    // Solving 16 boards double dummy takes seconds: time enough to interrupt.
    const pid_t pid = startDealer(
        {"convert", source.file("QVW-01.pbn"), "--out", output.str(), "--double-dummy", "--quiet"});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(pid, SIGINT);
    const int status = waitFor(pid);
    const bool cancelled = WIFEXITED(status) && WEXITSTATUS(status) == 1;
    const bool killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGINT;
    ASSERT_TRUE(cancelled || killed) << "the conversion ended before the interrupt";
    EXPECT_TRUE(snapshot(output).empty()) << "no temporary file, no lock file";

    const auto result = runDealer({"convert", source.file("QVW-01.pbn"), "--out", output.str(), "--quiet"},
                                  " 2>&1", "umask 000; ");
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(snapshot(output).size(), 6u);
    for (const auto& entry : std::filesystem::directory_iterator(output.path()))
        EXPECT_EQ(entry.status().permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
            << entry.path();
}

TEST(RunFaults, LeftoversOfAKilledRunAreRemovedByTheNextRun) {
    TempFolder folder;
    testing::writeFile(folder.file("QVW-01.dlm.99999.qvtmp"), "torn");
    testing::writeFile(folder.file("notes.txt"), "kept");
    earlierRun(folder, {"--formats", "dlm"});
    EXPECT_FALSE(std::filesystem::exists(folder.file("QVW-01.dlm.99999.qvtmp")));
    EXPECT_EQ(readFile(folder.file("notes.txt")), "kept");
}

TEST(RunFaults, EveryFileTheRunCreatesIsPrivateWhateverTheUmask) {
    TempFolder folder;
    const auto result = runDealer({"--sets", "1", "--boards", "2", "--quiet", "--out", folder.str(),
                                   "--report", folder.file("report.txt")},
                                  " 2>&1", "umask 000; ");
    ASSERT_EQ(result.exitCode, 0) << result.output;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(entry.status().permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
            << entry.path();
}

// A SIGTERM held back until the files are being published (here: held back from the
// start, as the process inherits its blocked signals) comes too late to cancel the run,
// which says so and succeeds.
TEST(RunFaults, AnInterruptHeldBackWhilePublishingIsReportedAndTheRunSucceeds) {
    TempFolder folder, clean, logs;
    const std::vector<std::string> arguments = {"--entropy-text", Recorded, "--sets", "2",
                                                "--boards",       "8",      "--quiet"};
    std::vector<std::string> spawned = arguments;
    spawned.insert(spawned.begin(), QUORVEX_DEAL_PATH);
    spawned.insert(spawned.end(), {"--out", folder.str()});
    std::vector<char*> pointers;
    for (std::string& argument : spawned) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t held;
    sigemptyset(&held);
    sigaddset(&held, SIGTERM);
    posix_spawnattr_setsigmask(&attributes, &held);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string errors = logs.file("stderr");
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT, 0600);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, QUORVEX_DEAL_PATH, &actions, &attributes, pointers.data(), environ), 0);
    kill(pid, SIGTERM);
    const int status = waitFor(pid);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by the signal";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(
        readFile(errors),
        "quorvex-deal: SIGTERM came while the files were being published, too late to cancel; the run has "
        "completed.\n");
    std::vector<std::string> inClean = arguments;
    inClean.insert(inClean.end(), {"--out", clean.str()});
    ASSERT_EQ(runDealer(inClean).exitCode, 0);
    EXPECT_EQ(snapshot(folder), snapshot(clean)) << "every file published";
}

// chattr needs root and a file system that keeps the flag.
bool setImmutable(const std::string& path, bool on) {
    const std::string command =
        std::string("chattr ") + (on ? "+i " : "-i ") + testing::quoted(path) + " 2>/dev/null";
    return geteuid() == 0 && std::system(command.c_str()) == 0;
}

// A run that cannot replace one of the files of the earlier run fails naming it and leaves
// every earlier file as it was: none of the new run's files is published beside them.
TEST(RunFaults, AFileThatCannotBeReplacedLeavesEveryFileOfTheEarlierRun) {
    if (geteuid() != 0) GTEST_SKIP() << "immutable files and another user's files need root";
    const struct {
        const char* fault;
        const char* file;  // the file that cannot be replaced
        bool asNobody;     // the run is another user's, in a shared (sticky) folder
    } cases[] = {
        {"immutable set file", "QVW-02.dlm", false},
        {"immutable main deal file", "YourID.qvw", false},
        {"immutable last file", "QVW-02.txt", false},
        {"another user's files", "YourID.qvw", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        TempFolder folder;
        earlierRun(folder);
        const std::string locked = folder.file(c.file);
        if (c.asNobody) {
            fs::permissions(folder.path(), fs::perms::all | fs::perms::sticky_bit);
        } else if (!setImmutable(locked, true)) {
            GTEST_SKIP() << "chattr +i is refused on this file system";
        }
        const auto before = snapshot(folder);
        const auto result = runDealer({"--entropy-text", OtherRecorded, "--sets", "2", "--boards", "8",
                                       "--force", "--quiet", "--out", folder.str()},
                                      " 2>&1", c.asNobody ? "runuser -u nobody -- " : "");
        if (!c.asNobody) setImmutable(locked, false);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.output, "quorvex-deal: " + locked + ": File access denied.\n");
        EXPECT_EQ(snapshot(folder), before) << "no new file, no file moved aside, no journal";
    }
}

TEST(RunFaults, AStaleLockFileOfAnotherUserIsNamed) {
    if (geteuid() != 0) GTEST_SKIP() << "a file of another user needs root";
    TempFolder folder;
    fs::permissions(folder.path(), fs::perms::all | fs::perms::sticky_bit);
    testing::writeFile(folder.file(".quorvex.lock"), "");
    fs::permissions(folder.file(".quorvex.lock"), fs::perms::owner_read | fs::perms::owner_write);
    const auto before = snapshot(folder);
    const auto result =
        runDealer({"--entropy-text", Recorded, "--out", folder.str()}, " 2>&1", "runuser -u nobody -- ");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "quorvex-deal: " + folder.file(".quorvex.lock") + ": File access denied.\n");
    EXPECT_EQ(snapshot(folder), before);
}

// Links planted under the names of the run's own files lead nothing anywhere.
TEST(RunFaults, ALinkInPlaceOfTheLogTheLockOrASetFileIsRefusedNamingIt) {
    const std::string linkText = ": Is a symbolic link; the program writes only regular files.\n";
    const struct {
        const char* name;
        bool targetExists;
    } cases[] = {{"Int160.qvs", true},
                 {"Int160.qvs", false},
                 {".quorvex.lock", false},
                 {".quorvex.lock", true},
                 {"QVW-01.dlm", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.targetExists ? " to a file" : " to nothing"));
        TempFolder folder, outside;
        const std::string target = outside.file("target");
        if (c.targetExists) testing::writeFile(target, "someone's file\n");
        fs::create_symlink(target, folder.file(c.name));
        const auto before = snapshot(outside);
        // No --entropy-text: fresh entropy is appended to the log.
        const auto result = runDealer({"--sets", "2", "--boards", "8", "--force", "--out", folder.str()});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.output, "quorvex-deal: " + folder.file(c.name) + linkText);
        EXPECT_EQ(snapshot(outside), before) << "nothing written at the link's target";
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
            << "only the link";
    }
}

// Whatever the command prints is written before its files are published, so output that
// cannot be written fails the run with every folder as it was.
TEST(RunFaults, OutputThatCannotBeWrittenPublishesNothing) {
    TempFolder source, folder;
    ASSERT_EQ(runDealer({"--entropy-text", Recorded, "--boards", "4", "--formats", "pbn", "--quiet", "--out",
                         source.str()})
                  .exitCode,
              0);
    earlierRun(folder);
    const std::vector<std::vector<std::string>> cases = {
        {"--entropy-text", OtherRecorded, "--sets", "2", "--name", "NEW-", "--out", folder.str()},
        {"convert", source.file("QVW-01.pbn"), "--name", "NEW-", "--out", folder.str()},
    };
    for (const auto& arguments : cases) {
        for (const std::string redirection : {" 2>&1 >/dev/full", " 2>&1 >&-"}) {
            SCOPED_TRACE(arguments[0] + redirection);
            const auto before = snapshot(folder);
            const auto result = runDealer(arguments, redirection);
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_NE(result.output.find(": standard output: "), std::string::npos) << result.output;
            EXPECT_EQ(snapshot(folder), before);
        }
    }
}

// The conversion's own working copy of the boards is not a file the director knows: a
// failure writing it names the output folder.
TEST(RunFaults, AConversionFailingOnItsWorkingFileNamesTheOutputFolder) {
    TempFolder source, folder;
    ASSERT_EQ(runDealer({"--entropy-text", Recorded, "--boards", "32", "--formats", "pbn", "--quiet", "--out",
                         source.str()})
                  .exitCode,
              0);
    // 1 KiB: less than the 32 board lines of the working file.
    const auto result = runDealer({"convert", source.file("QVW-01.pbn"), "--quiet", "--out", folder.str()},
                                  " 2>&1", "ulimit -f 1; ");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "quorvex-deal convert: " + folder.str() + ": Disk full.\n");
    EXPECT_TRUE(snapshot(folder).empty());
}

TEST(RunFaults, AConversionOntoItsOwnInputIsAUsageError) {
    TempFolder source;
    ASSERT_EQ(runDealer({"--entropy-text", Recorded, "--boards", "4", "--formats", "pbn", "--quiet", "--out",
                         source.str()})
                  .exitCode,
              0);
    const std::string alias = source.str() + "-alias";
    fs::create_directory_symlink(source.path(), alias);
    const auto before = snapshot(source);
    const std::vector<std::vector<std::string>> cases = {
        {"convert", source.file("QVW-01.pbn"), "--out", source.str()},
        {"convert", source.file("QVW-01.pbn"), "--out", source.str(), "--force"},
        {"convert", alias + "/QVW-01.pbn", "--out", source.str(), "--force", "--formats", "pbn,dlm"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments.back());
        const auto result = runDealer(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.output,
                  "quorvex-deal convert: " + source.file("QVW-01.pbn") +
                      ": The conversion would write over the file it reads. (choose another --out or "
                      "--name)\n");
        EXPECT_EQ(snapshot(source), before);
    }
    fs::remove(alias);
}

// A run killed while publishing (simulated: every file-system call after the chosen one is
// lost) leaves a journal; the next run in the folder, even one that writes other files,
// puts the old files back before anything else and leaves no trace of the killed run.
TEST(RunFaults, TheNextRunUndoesOrFinishesThePublishingOfAKilledRun) {
    struct Killed : FileCalls {
        std::size_t callsLeft;
        explicit Killed(std::size_t calls) : callsLeft(calls) {}
        struct Dead {};
        void rename(const std::string& from, const std::string& to) override {
            if (callsLeft-- == 0) throw Dead{};
            FileCalls::rename(from, to);
        }
        bool remove(const std::string& path) override {
            if (callsLeft == 0) throw Dead{};
            return FileCalls::remove(path);
        }
    };
    // Renames: two old files aside, then three new ones in.
    for (std::size_t renames = 0; renames <= 5; ++renames) {
        SCOPED_TRACE(std::to_string(renames) + " renames done");
        TempFolder folder, clean;
        earlierRun(folder, {"--formats", "dlm"});
        earlierRun(clean, {"--formats", "dlm"});
        std::vector<StagedFile> files;
        for (const char* name : {"QVW-01.dlm", "QVW-02.dlm", "QVW-03.dlm"}) {
            files.push_back({folder.file(name), temporaryPathOf(folder.file(name))});
            FileWriter file(files.back().temporaryPath, FileWriter::Mode::New);
            file.writeLine("killed run");
            file.close();
        }
        {
            Killed killed(renames);
            const FileCallsReplaced replaced(killed);
            try {
                publishAllOrNothing(files);
            } catch (const Killed::Dead&) {
            }
        }
        // Every new file was in place: the killed run had succeeded.
        if (renames == 5) testing::writeFile(clean.file("QVW-03.dlm"), "killed run\r\n");
        for (const char* name : {"QVW-01.dlm", "QVW-02.dlm"})
            if (renames == 5) testing::writeFile(clean.file(name), "killed run\r\n");
        const std::vector<std::string> next = {"--entropy-text", Recorded,    "--sets", "2", "--boards", "8",
                                               "--quiet",        "--formats", "pbn"};
        std::vector<std::string> inFolder = next, inClean = next;
        inFolder.insert(inFolder.end(), {"--out", folder.str()});
        inClean.insert(inClean.end(), {"--out", clean.str()});
        ASSERT_EQ(runDealer(inFolder).exitCode, 0);
        ASSERT_EQ(runDealer(inClean).exitCode, 0);
        EXPECT_EQ(snapshot(folder), snapshot(clean));
    }
}

}  // namespace
}  // namespace quorvex
