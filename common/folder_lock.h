#pragma once
// One run per folder: a run holds an exclusive lock on every folder it writes into, so two
// runs (two terminals, the window and a script) never mix their files. The lock is a lock
// file in the folder locked with flock (POSIX) or LockFileEx (Windows); the operating
// system releases it when the process ends, however it ends. The lock file is removed
// when the lock is released, so a finished run leaves the folder as it found it.
#include <memory>
#include <string>

namespace quorvex {

class PrivateFile;

inline constexpr char FolderLockFileName[] = ".quorvex.lock";

class FolderLock {
public:
    // Fails at once, without waiting, with EInOutError: naming the folder when another
    // process holds the lock ("Another run is writing to this folder") or the folder is
    // missing; naming the lock file when it cannot be opened (another user's, a folder or a
    // symbolic link in its place).
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    const std::string& lockFile() const { return lockFile_; }

private:
    std::string lockFile_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    std::unique_ptr<PrivateFile> file_;
#endif
};

}  // namespace quorvex
