#include "common/owner_only_access.h"

#ifdef _WIN32
#include "common/io_error.h"

namespace quorvex {

namespace {

std::vector<unsigned char> currentUser() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) throw lastIoError({});
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> info(size);
    const bool read = GetTokenInformation(token, TokenUser, info.data(), size, &size);
    const DWORD error = GetLastError();
    CloseHandle(token);
    if (!read) {
        SetLastError(error);
        throw lastIoError({});
    }
    const PSID sid = reinterpret_cast<const TOKEN_USER*>(info.data())->User.Sid;
    const auto* bytes = static_cast<const unsigned char*>(sid);
    return {bytes, bytes + GetLengthSid(sid)};
}

}  // namespace

OwnerOnlyAccess::OwnerOnlyAccess() {
    std::vector<unsigned char> sid = currentUser();
    const PSID user = sid.data();
    acl_.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + GetLengthSid(user));
    const auto acl = reinterpret_cast<PACL>(acl_.data());
    if (!InitializeAcl(acl, static_cast<DWORD>(acl_.size()), ACL_REVISION) ||
        !AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, user) ||
        !InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) ||
        !SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED))
        throw lastIoError({});
    attributes_.nLength = sizeof(attributes_);
    attributes_.lpSecurityDescriptor = &descriptor_;
    attributes_.bInheritHandle = FALSE;
}

}  // namespace quorvex
#endif
