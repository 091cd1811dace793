#include "common/folder_lock.h"

#include <cerrno>

#include "common/error_texts.h"
#include "common/interrupt_cleanup.h"
#include "common/io_error.h"
#include "common/paths.h"

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

#ifndef _WIN32
// The error of the lock file `lockFile` in `folder`, reported for the folder: a missing
// folder is an invalid file name, as Windows reports it, not a missing file.
EInOutError lockFileError(int error, const std::string& lockFile, const std::string& folder) {
    const EInOutError fileError = ioErrorFromErrno(error, lockFile);
    return EInOutError(fileError.code(), fileError.what(), folder);
}
#endif

}  // namespace

#ifdef _WIN32

FolderLock::FolderLock(const std::string& folder) : lockFile_(joinPath(folder, FolderLockFileName)) {
    // Delete-on-close removes the lock file when the last handle closes, also when the
    // process is killed.
    const HANDLE handle =
        CreateFileW(widePath(lockFile_).c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // The lock file of a run that is just ending is pending deletion and refuses to open.
        const DWORD error = GetLastError();
        if ((error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) &&
            GetFileAttributesW(widePath(lockFile_).c_str()) != INVALID_FILE_ATTRIBUTES)
            throw folderBusy(folder);
        SetLastError(error);
        throw lastIoError(folder);
    }
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
    for (;;) {
        const int descriptor = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (descriptor < 0) throw lockFileError(errno, lockFile_, folder);
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(descriptor);
            if (error == EWOULDBLOCK) throw folderBusy(folder);
            throw lockFileError(error, lockFile_, folder);
        }
        // The run that held the lock may have removed its lock file between our open and
        // our lock; a lock on a removed file guards nothing, so take the folder's current one.
        struct stat locked, current;
        if (::fstat(descriptor, &locked) == 0 && ::stat(lockFile_.c_str(), &current) == 0 &&
            locked.st_dev == current.st_dev && locked.st_ino == current.st_ino) {
            descriptor_ = descriptor;
            removeOnInterrupt(lockFile_);
            return;
        }
        ::close(descriptor);
    }
}

FolderLock::~FolderLock() {
    // Removed while still locked, so no other run can take the lock on this file after it.
    ::unlink(lockFile_.c_str());
    keepOnInterrupt(lockFile_);
    ::close(descriptor_);
}

#endif

}  // namespace quorvex
