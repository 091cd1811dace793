#pragma once
// Windows' counterpart of the 0600 mode: the security of a new file that lets only the
// current user read or change it, protected so that the folder's inherited entries add
// nothing.
#ifdef _WIN32
#include <windows.h>

#include <vector>

namespace quorvex {

class OwnerOnlyAccess {
public:
    // Reads the current user from the process token; EInOutError with Windows' code when
    // that fails.
    OwnerOnlyAccess();
    OwnerOnlyAccess(const OwnerOnlyAccess&) = delete;
    OwnerOnlyAccess& operator=(const OwnerOnlyAccess&) = delete;

    // For CreateFile: the access list of a file it creates; an existing file keeps its own.
    SECURITY_ATTRIBUTES* attributes() { return &attributes_; }

private:
    std::vector<unsigned char> acl_;  // holds a copy of the user's SID
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
};

}  // namespace quorvex
#endif
