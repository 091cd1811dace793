// The mechanics of safe files: whole-line appends, private files, staged files, folder
// locks and the name rule.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/folder_lock.h"
#include "common/interrupt_cleanup.h"
#include "common/io_error.h"
#include "common/line_append.h"
#include "common/name_text.h"
#include "common/path_limits.h"
#include "common/staged_files.h"
#include "common/text_file.h"
#include "temp_folder.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file_size_limit.h"
#endif

namespace quorvex {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

namespace fs = std::filesystem;

TEST(AppendWholeLine, TheFileOnlyEverGainsWholeLines) {
    const std::vector<std::pair<std::optional<std::string>, std::string>> cases = {
        {std::nullopt, "123-4\r\n"},          // created
        {"9\r\n", "9\r\n123-4\r\n"},          // appended
        {"9\r\n88", "9\r\n88\r\n123-4\r\n"},  // torn by an earlier failure: mended first
        {"9\r", "9\r\r\n123-4\r\n"},          // half a line end is not a line end
        {"9\n", "9\n\r\n123-4\r\n"},          // nor is a bare LF (another program's line end)
    };
    for (const auto& [before, after] : cases) {
        TempFolder folder;
        const std::string log = folder.file("Int160.qvs");
        if (before) writeFile(log, *before);
        appendWholeLine(log, "123-4");
        EXPECT_EQ(readFile(log), after);
    }
}

#ifndef _WIN32
// A file-size limit (POSIX) stands in for a full disk; the umask is POSIX's.
TEST(AppendWholeLine, AFailedWriteIsCutBackAndNamesTheFile) {
    TempFolder folder;
    const std::string log = folder.file("Int160.qvs");
    writeFile(log, "9\r\n88");
    {
        const testing::FileSizeLimit full(10);  // room for part of the line only
        try {
            appendWholeLine(log, "1234567890");
            ADD_FAILURE() << "the write cannot fit";
        } catch (const EInOutError& error) {
            EXPECT_STREQ(error.what(), "Disk full");
            EXPECT_EQ(error.path(), log);
        }
    }
    EXPECT_EQ(readFile(log), "9\r\n88");
}

TEST(PrivateFiles, NewFilesAreForTheOwnerOnlyWhateverTheUmask) {
    TempFolder folder;
    const mode_t saved = umask(0);
    appendWholeLine(folder.file("log"), "1");
    FileWriter(folder.file("file")).close();
    FileWriter(folder.file("new"), FileWriter::Mode::New).close();
    umask(0277);  // would also take the owner's right to write
    FileWriter(folder.file("narrow")).close();
    umask(saved);
    for (const char* name : {"log", "file", "new", "narrow"})
        EXPECT_EQ(fs::status(folder.file(name)).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write)
            << name;
}
#endif

TEST(StagedFiles, NothingReachesItsFinalNameUnlessPublished) {
    TempFolder folder;
    const std::string dlm = folder.file("QVW-01.dlm");
    writeFile(dlm, "previous run");
    {
        StagedFiles files;
        FileWriter out(files.stage(dlm), FileWriter::Mode::New);
        out.writeLine("torn");
        out.close();
        EXPECT_EQ(finalPathOf(temporaryPathOf(dlm)), dlm);
    }
    EXPECT_EQ(readFile(dlm), "previous run");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    StagedFiles files;
    FileWriter out(files.stage(dlm), FileWriter::Mode::New);
    out.writeLine("new");
    out.close();
    files.publish();
    EXPECT_EQ(readFile(dlm), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(FolderLock, ASecondLockFailsAtOnceNamingTheFolderAndTheLockFileGoesWithTheLock) {
    TempFolder folder;
    {
        const FolderLock first(folder.str());
        try {
            const FolderLock second(folder.str());
            ADD_FAILURE() << "two locks on one folder";
        } catch (const EInOutError& error) {
            EXPECT_STREQ(error.what(), "Another run is writing to this folder");
            EXPECT_EQ(error.path(), folder.str());
        }
    }
    EXPECT_TRUE(fs::is_empty(folder.path()));
    const FolderLock again(folder.str());
}

#ifndef _WIN32
// Each problem names what the director must look at: the folder, or the lock file in it.
// Nothing is written anywhere a link points.
TEST(FolderLock, ProblemsNameTheFolderOrTheLockFileAndFollowNoLink) {
    TempFolder outside;
    const std::string target = outside.file("target");
    const std::string existing = outside.file("existing");
    writeFile(existing, "keep");
    const struct {
        const char* plant;  // what holds the lock file's name, or the folder's
        std::string (*folderIn)(const TempFolder&);
        bool namesLock;
        const char* text;
    } cases[] = {
        {"nothing", [](const TempFolder& f) { return f.file("absent"); }, false, "The folder does not exist"},
        {"file", [](const TempFolder& f) { return f.file("plain"); }, false, "Not a folder"},
        {"folder", [](const TempFolder& f) { return f.str(); }, true, "Is a folder, not a file"},
        {"fifo", [](const TempFolder& f) { return f.str(); }, true, "Not a regular file"},
        {"link", [](const TempFolder& f) { return f.str(); }, true,
         "Is a symbolic link; the program writes only regular files"},
        {"link to file", [](const TempFolder& f) { return f.str(); }, true,
         "Is a symbolic link; the program writes only regular files"},
        {"loop", [](const TempFolder& f) { return f.file("loop"); }, false,
         "The path runs in a loop of symbolic links"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plant);
        TempFolder folder;
        const std::string lock = folder.file(".quorvex.lock");
        const std::string plant = c.plant;
        if (plant == "file") writeFile(folder.file("plain"), "x");
        if (plant == "folder") fs::create_directory(lock);
        if (plant == "fifo") {
            ASSERT_EQ(mkfifo(lock.c_str(), 0600), 0);
        }
        if (plant == "link") fs::create_symlink(target, lock);
        if (plant == "link to file") fs::create_symlink(existing, lock);
        if (plant == "loop") fs::create_symlink(folder.file("loop"), folder.file("loop"));
        const std::string lockedFolder = c.folderIn(folder);
        try {
            const FolderLock held(lockedFolder);
            ADD_FAILURE() << "locked";
        } catch (const EInOutError& error) {
            EXPECT_STREQ(error.what(), c.text);
            EXPECT_EQ(error.path(), c.namesLock ? lock : lockedFolder);
        }
        EXPECT_FALSE(fs::exists(fs::symlink_status(target))) << "nothing created at the link's target";
        EXPECT_EQ(readFile(existing), "keep");
    }
}
#endif

TEST(AppendWholeLine, ALinkOrAFifoInPlaceOfTheLogIsRefusedAndNothingIsWrittenThrough) {
    TempFolder folder, outside;
    const std::string log = folder.file("Int160.qvs");
    const std::string target = outside.file("secret.txt");
    writeFile(target, "someone's file\n");
    // Windows lets only privileged users make links, and Wine none.
    if (std::error_code linkError; fs::create_symlink(target, log, linkError), linkError)
        GTEST_SKIP() << "no symbolic link can be made here: " << linkError.message();
    try {
        appendWholeLine(log, "123-4");
        ADD_FAILURE() << "the line went through the link";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "Is a symbolic link; the program writes only regular files");
        EXPECT_EQ(error.path(), log);
    }
    EXPECT_EQ(readFile(target), "someone's file\n");
#ifndef _WIN32
    fs::remove(log);
    ASSERT_EQ(mkfifo(log.c_str(), 0600), 0);
    try {
        appendWholeLine(log, "123-4");
        ADD_FAILURE() << "a FIFO took the line";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "Not a regular file");
        EXPECT_EQ(error.path(), log);
    }
#endif
}

#ifndef _WIN32
TEST(Interrupts, OtherThreadsNeverTakeThemAndOneHeldBackCanBeTakenInstead) {
    sigset_t before;
    pthread_sigmask(SIG_BLOCK, nullptr, &before);
    bool blockedThere = false;
    threadWithoutInterrupts([&] {
        sigset_t mask;
        pthread_sigmask(SIG_BLOCK, nullptr, &mask);
        blockedThere =
            sigismember(&mask, SIGINT) && sigismember(&mask, SIGTERM) && sigismember(&mask, SIGHUP);
    }).join();
    EXPECT_TRUE(blockedThere);
    sigset_t after;
    pthread_sigmask(SIG_BLOCK, nullptr, &after);
    EXPECT_EQ(sigismember(&after, SIGTERM), sigismember(&before, SIGTERM)) << "this thread is as it was";

    // A SIGTERM that comes while held back is taken, not acted on: this process lives on.
    InterruptsDeferred deferred;
    EXPECT_EQ(deferred.takePending(), 0);
    ASSERT_EQ(kill(getpid(), SIGTERM), 0);
    EXPECT_EQ(deferred.takePending(), SIGTERM);
    EXPECT_EQ(deferred.takePending(), 0);
}

// Files registered and kept many at a time, kept in any order: an interrupt removes exactly
// the files still registered, and the process ends as the signal would have ended it.
TEST(Interrupts, RemoveWhatIsStillRegisteredWhenRegisteredAndKeptInBatches) {
    TempFolder folder;
    const std::vector<std::string> files = {folder.file("a"), folder.file("b"), folder.file("c"),
                                            folder.file("d"), folder.file("e")};
    for (const std::string& file : files) writeFile(file, "x");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        installInterruptCleanup();
        removeOnInterrupt(files);
        const std::vector<std::string> kept = {files[3], files[0], files[2]};
        keepOnInterrupt(kept);
        raise(SIGTERM);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    for (std::size_t index = 0; index < files.size(); ++index)
        EXPECT_EQ(std::filesystem::exists(files[index]), index == 0 || index == 2 || index == 3)
            << files[index];
}
#endif

TEST(PathLimits, ANameOrPathTooLongForTheFileSystemIsAnInvalidFilename) {
    TempFolder folder;
    PathLimits limits;  // the folder's limit, once asked, serves the later paths
    limits.check(folder.file(std::string(150, 'n')));
    for (const std::string& path :
         {folder.file(std::string(256, 'n')), folder.file(std::string(4096, 'p'))}) {
        try {
            limits.check(path);
            ADD_FAILURE() << path.size() << " characters fit";
        } catch (const EInOutError& error) {
            EXPECT_STREQ(error.what(), "Invalid filename");
            EXPECT_EQ(error.path(), path);
        }
    }
}

TEST(NameRule, IdentitiesAndBaseNamesThatCannotBeFilesAreRefused) {
    const std::vector<std::tuple<std::string, bool, bool>> cases = {
        // text, refused as identity, refused as base file name
        {"YourID", false, false},
        {"", true, false},
        {"CON", true, true},
        {"con", true, true},
        {"Nul  ", true, true},
        {"com1", true, true},
        {"LPT9", true, true},
        {"COM0", false, false},
        {"LPT10", false, false},
        {"CONSOLE", false, false},
        {"a/b", true, true},
        {"x.y", true, true},
        {" ", true, true},
        {"   ", true, true},
        {" QVW", true, true},
        {"QVW ", true, true},
        {"Club Night", false, false},
    };
    for (const auto& [text, identity, base] : cases) {
        EXPECT_EQ(nameRuleBreach(text, NameUse::Identity).has_value(), identity) << "'" << text << "'";
        EXPECT_EQ(nameRuleBreach(text, NameUse::BaseFileName).has_value(), base) << "'" << text << "'";
    }
}

}  // namespace
}  // namespace quorvex
