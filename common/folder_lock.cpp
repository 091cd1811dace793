#include "common/folder_lock.h"

#include <cerrno>

#include "common/error_texts.h"
#include "common/interrupt_cleanup.h"
#include "common/io_error.h"
#include "common/paths.h"
#include "common/private_file.h"

#ifdef _WIN32
#include <windows.h>

#include "common/windows_path.h"
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvex {

namespace {

EInOutError folderBusy(const std::string& folder) {
    return EInOutError(io_code::FolderInUse, error_text::FolderInUse, folder);
}

}  // namespace

#ifdef _WIN32

FolderLock::FolderLock(const std::string& folder) : lockFile_(joinPath(folder, FolderLockFileName)) {
    checkFolderExists(folder);
    // Delete-on-close removes the lock file when the last handle closes, also when the
    // process is killed. A reparse point under the lock's name is opened itself and refused.
    const HANDLE handle = CreateFileW(
        widePath(lockFile_).c_str(), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // The lock file of a run that is just ending is pending deletion and refuses to open.
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(widePath(lockFile_).c_str());
        if ((error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) &&
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            throw folderBusy(folder);
        SetLastError(error);
        throw lastIoError(lockFile_);
    }
    checkRegularFile(handle, lockFile_);
    OVERLAPPED whole{};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        CloseHandle(handle);
        throw folderBusy(folder);
    }
    handle_ = handle;
}

FolderLock::~FolderLock() {
    OVERLAPPED whole{};
    UnlockFileEx(static_cast<HANDLE>(handle_), 0, 1, 0, &whole);
    CloseHandle(static_cast<HANDLE>(handle_));
}

#else

FolderLock::FolderLock(const std::string& folder) : lockFile_(joinPath(folder, FolderLockFileName)) {
    checkFolderExists(folder);
    for (;;) {
        // A private file: only a regular file, never a link followed to a file elsewhere.
        auto file = std::make_unique<PrivateFile>(lockFile_, PrivateFile::Open::Keep);
        if (::flock(file->descriptor(), LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) throw folderBusy(folder);
            throw ioErrorFromErrno(errno, lockFile_);
        }
        // The run that held the lock may have removed its lock file between our open and
        // our lock; a lock on a removed file guards nothing, so take the folder's current one.
        struct stat locked, current;
        if (::fstat(file->descriptor(), &locked) == 0 && ::lstat(lockFile_.c_str(), &current) == 0 &&
            locked.st_dev == current.st_dev && locked.st_ino == current.st_ino) {
            file_ = std::move(file);
            removeOnInterrupt(lockFile_);
            return;
        }
    }
}

FolderLock::~FolderLock() {
    // Removed while still locked, so no other run can take the lock on this file after it.
    ::unlink(lockFile_.c_str());
    keepOnInterrupt(lockFile_);
}

#endif

}  // namespace quorvex
