#pragma once
// Opening a file as a stdio stream in binary mode. A failure raises EInOutError with the
// operating system's reason: on Windows the file is opened through the Windows API, so the
// reason comes from the Windows error code itself, not from the C library's errno guess.
//
// Every file the system writes reveals deals, so a file opened for writing is private to the
// current user, whether new or existing: mode 0600 on POSIX systems whatever the umask, an
// owner-only access list on Windows (common/owner_only_access.h).
#include <cstdio>
#include <string>

namespace quorvex {

enum class OpenMode {
    Read,    // an existing file
    Create,  // a new file, or an existing one emptied
    Append,  // writes go to the end; a missing file is created
};

std::FILE* openFile(const std::string& path, OpenMode mode);

}  // namespace quorvex
