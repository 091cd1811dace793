#include "common/folder_lock.h"

#include <cerrno>
#include <utility>

#include "common/error_texts.h"
#include "common/io_error.h"
#include "common/paths.h"

#ifdef _WIN32
#include <windows.h>

#include "common/owner_only_access.h"
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvex {

EFolderInUse::EFolderInUse(std::string folder)
    : std::runtime_error(error_text::FolderInUse), folder_(std::move(folder)) {}

#ifdef _WIN32

FolderLock::FolderLock(const std::string& folder) {
    const std::string path = joinPath(folder, LockFileName);
    OwnerOnlyAccess ownerOnly;
    handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, ownerOnly.attributes(),
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) throw ioErrorFromWindowsCode(GetLastError(), path);
    OVERLAPPED whole{};
    if (!LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        const DWORD error = GetLastError();
        CloseHandle(handle_);
        if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) throw EFolderInUse(folder);
        throw ioErrorFromWindowsCode(error, path);
    }
}

FolderLock::~FolderLock() { CloseHandle(handle_); }

#else

FolderLock::FolderLock(const std::string& folder) {
    const std::string path = joinPath(folder, LockFileName);
    descriptor_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (descriptor_ == -1) throw ioErrorFromErrno(errno, path);
    if (flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(descriptor_);
        if (error == EWOULDBLOCK) throw EFolderInUse(folder);
        throw ioErrorFromErrno(error, path);
    }
}

FolderLock::~FolderLock() { ::close(descriptor_); }

#endif

}  // namespace quorvex
