#include <gtest/gtest.h>

#include "common/folder_lock.h"
#include "common/io_error.h"
#include "common/text_file.h"
#include "temp_folder.h"

#ifdef _WIN32
#include <aclapi.h>
#include <windows.h>

#include <vector>
#else
#include <sys/stat.h>
#endif

namespace quorvex {
namespace {

using testing::TempFolder;
using testing::writeFile;

#ifdef _WIN32
std::vector<unsigned char> currentUserSid() {
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> info(size);
    GetTokenInformation(token, TokenUser, info.data(), size, &size);
    CloseHandle(token);
    const PSID sid = reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid;
    const auto* bytes = static_cast<const unsigned char*>(sid);
    return {bytes, bytes + GetLengthSid(sid)};
}

// Only the current user has access, and nothing is inherited from the folder.
::testing::AssertionResult isPrivate(const std::string& path) {
    PACL acl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &acl,
                              nullptr, &descriptor) != ERROR_SUCCESS)
        return ::testing::AssertionFailure() << "cannot read the access list of " << path;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor, &control, &revision);
    void* ace = nullptr;
    const bool onlyUser = acl && acl->AceCount == 1 && GetAce(acl, 0, &ace) &&
                          static_cast<ACE_HEADER*>(ace)->AceType == ACCESS_ALLOWED_ACE_TYPE &&
                          EqualSid(&static_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart, currentUserSid().data());
    const bool isProtected = (control & SE_DACL_PROTECTED) != 0;
    LocalFree(descriptor);
    if (onlyUser && isProtected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << path << " is open to others: " << (acl ? acl->AceCount : 0)
                                         << " entries, protected " << isProtected;
}
#else
::testing::AssertionResult isPrivate(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) return ::testing::AssertionFailure() << "no file " << path;
    const auto mode = status.st_mode & 07777;
    if (mode == (S_IRUSR | S_IWUSR)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << path << " has mode " << std::oct << mode;
}
#endif

#ifdef _WIN32
// Wine keeps no access lists on files: it turns them into Unix mode bits and reads back a
// made-up list, so there the access list can be set but not checked.
bool accessListsAreKept() { return !GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"); }
#else
bool accessListsAreKept() { return true; }
#endif

// New files, files emptied and rewritten, logs appended to and the folder's lock file: all
// end up private, also those that existed open to everyone, and whatever the umask.
TEST(PrivateFiles, EveryFileWrittenIsTheUsersOnly) {
    TempFolder folder;
#ifndef _WIN32
    const mode_t oldMask = umask(0);
#endif
    const std::string fresh = folder.file("fresh.dlm"), rewritten = folder.file("old.dlm"),
                      appended = folder.file("Int160.qvs");
    writeFile(rewritten, "old");
    writeFile(appended, "line\r\n");
#ifndef _WIN32
    chmod(rewritten.c_str(), 0666);
    chmod(appended.c_str(), 0644);
#endif
    for (const auto& [path, mode] :
         {std::pair{fresh, FileWriter::Mode::Create}, std::pair{rewritten, FileWriter::Mode::Create},
          std::pair{appended, FileWriter::Mode::Append}}) {
        FileWriter writer(path, mode);
        writer.writeLine("x");
        writer.close();
    }
    const FolderLock lock(folder.str());
#ifndef _WIN32
    umask(oldMask);
#endif
    EXPECT_EQ(testing::readFile(appended), "line\r\nx\r\n");
    if (!accessListsAreKept()) GTEST_SKIP() << "Wine keeps no access lists on files";
    for (const std::string& path : {fresh, rewritten, appended, folder.file(FolderLock::LockFileName)})
        EXPECT_TRUE(isPrivate(path));
}

TEST(FolderLock, ASecondRunMeetsTheLockAtOnceUntilTheFirstEnds) {
    TempFolder folder, otherFolder;
    {
        FolderLock first(folder.str());
        try {
            FolderLock second(folder.str());
            FAIL() << "a locked folder must not be locked again";
        } catch (const EFolderInUse& error) {
            EXPECT_EQ(error.folder(), folder.str());
            EXPECT_STREQ(error.what(), "Another run is writing into this folder");
        }
        FolderLock elsewhere(otherFolder.str());
    }
    FolderLock afterwards(folder.str());
}

TEST(FolderLock, AMissingFolderIsAFileErrorNamingTheLockFile) {
    TempFolder folder;
    try {
        FolderLock lock(folder.file("absent"));
        FAIL() << "a missing folder cannot be locked";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "Invalid filename");
        EXPECT_NE(error.path().find(FolderLock::LockFileName), std::string::npos) << error.path();
    }
}

}  // namespace
}  // namespace quorvex
