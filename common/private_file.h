#pragma once
// A file opened for the run's own writing. A file it creates is private to the current
// user: mode 0600 on POSIX whatever the umask; on Windows an access list with the current
// user alone, protected from the folder's inherited entries (common/owner_only_access.h).
// The name must hold a regular file or nothing: a symbolic link (a reparse point on
// Windows) is not followed but refused, as are folders, FIFOs and devices.
// Every failure raises EInOutError naming the file.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace quorvex {

class PrivateFile {
public:
    enum class Open {
        New,       // the file must not exist yet
        Truncate,  // an existing file is emptied and keeps its mode
        Keep,      // an existing file keeps its contents and its mode; writes go to its end
    };

    PrivateFile(const std::string& path, Open how);
    ~PrivateFile();
    PrivateFile(const PrivateFile&) = delete;
    PrivateFile& operator=(const PrivateFile&) = delete;

    std::uint64_t size() const;
    // Up to `count` bytes from `offset`.
    std::string readAt(std::uint64_t offset, std::size_t count) const;
    // Appends `bytes` at the end with a single write; a short write is a failure. On POSIX a
    // file opened with Keep is in append mode, so writers in other processes cannot
    // overwrite each other's lines.
    void append(std::string_view bytes) const;
    void truncate(std::uint64_t size) const;
    // Makes the bytes written so far durable on disk.
    void sync() const;
    void close();

    // Hands the open file over to stdio for buffered writing; this object no longer owns it.
    std::FILE* releaseToStdio();

    const std::string& path() const { return path_; }
    int descriptor() const { return descriptor_; }

private:
    std::string path_;
    int descriptor_ = -1;
};

// Makes the bytes of an open stdio file durable on disk (after fflush); raises EInOutError
// naming `path` on failure.
void syncStdioFile(std::FILE* file, const std::string& path);

#ifdef _WIN32
// Refuses, closing it, a handle just opened (with FILE_FLAG_OPEN_REPARSE_POINT) that is not a
// regular file on disk: a reparse point, a folder, a device.
void checkRegularFile(void* handle, const std::string& path);
#endif

}  // namespace quorvex
