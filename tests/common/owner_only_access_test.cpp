// Windows: every file a run creates admits the current user alone, whatever the folder's
// inherited entries would give it.
#include "common/owner_only_access.h"

#include <aclapi.h>
#include <gtest/gtest.h>

#include "common/line_append.h"
#include "common/staged_files.h"
#include "common/text_file.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

using testing::TempFolder;

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

// One entry, allowing the current user, and nothing inherited from the folder.
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
    const WORD entries = acl ? acl->AceCount : 0;
    LocalFree(descriptor);
    if (onlyUser && isProtected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << path << " is open to others: " << entries << " entries, protected " << isProtected;
}

// Wine keeps no access lists on files: it turns them into Unix mode bits and reads back a
// made-up list, so there the list is set but cannot be checked.
bool accessListsAreKept() { return !GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"); }

TEST(OwnerOnlyAccess, EveryKindOfFileARunCreatesIsTheUsersAlone) {
    TempFolder folder;
    const std::string written = folder.file("QVW-01.dlm"), log = folder.file("Int160.qvs"),
                      published = folder.file("YourID.qvw");
    FileWriter(written).close();
    appendWholeLine(log, "123-4");
    StagedFiles staged;
    FileWriter(staged.stage(published), FileWriter::Mode::New).close();
    staged.publish();
    if (!accessListsAreKept()) GTEST_SKIP() << "Wine keeps no access lists on files";
    for (const std::string& path : {written, log, published}) EXPECT_TRUE(isPrivate(path));
}

}  // namespace
}  // namespace quorvex
