#pragma once
// One run per folder: a run holds an exclusive lock on each folder it writes into, through a
// lock file in that folder locked with flock (POSIX) or LockFileEx (Windows). The operating
// system releases the lock when the process ends, however it ends, so a killed run never
// leaves a folder locked; the lock file itself stays and is reused.
#include <stdexcept>
#include <string>

namespace quorvex {

// Another run (or another lock in this process) holds the folder.
class EFolderInUse : public std::runtime_error {
public:
    explicit EFolderInUse(std::string folder);
    const std::string& folder() const noexcept { return folder_; }

private:
    std::string folder_;
};

class FolderLock {
public:
    static constexpr char LockFileName[] = "quorvex.lock";

    // Takes the lock at once or raises EFolderInUse; never waits. A lock file that cannot be
    // created (a missing or read-only folder) raises EInOutError naming it.
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
#ifdef _WIN32
    void* handle_;
#else
    int descriptor_;
#endif
};

}  // namespace quorvex
