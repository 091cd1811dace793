#include "common/file_calls.h"

#include <cerrno>

#include "common/io_error.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "common/windows_path.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quorvex {

namespace {

FileCalls realCalls;
FileCalls* current = &realCalls;

}  // namespace

FileCalls& fileCalls() { return *current; }

FileCallsReplaced::FileCallsReplaced(FileCalls& calls) : previous_(current) { current = &calls; }

FileCallsReplaced::~FileCallsReplaced() { current = previous_; }

#ifdef _WIN32

void FileCalls::write(int descriptor, std::string_view bytes, const std::string& path) {
    errno = 0;
    const int written = _write(descriptor, bytes.data(), static_cast<unsigned>(bytes.size()));
    if (written < 0 || static_cast<std::size_t>(written) != bytes.size())
        throw ioErrorFromErrno(errno != 0 ? errno : ENOSPC, path);
}

void FileCalls::sync(int descriptor, const std::string& path) {
    if (_commit(descriptor) != 0) throw ioErrorFromErrno(errno, path);
}

void FileCalls::rename(const std::string& from, const std::string& to) {
    if (!MoveFileExW(widePath(from).c_str(), widePath(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw lastIoError(to);
}

// MOVEFILE_WRITE_THROUGH has made the renames durable already.
void FileCalls::syncFolder(const std::string&) {}

bool FileCalls::remove(const std::string& path) {
    return DeleteFileW(widePath(path).c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

#else

void FileCalls::write(int descriptor, std::string_view bytes, const std::string& path) {
    errno = 0;
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 || static_cast<std::size_t>(written) != bytes.size())
        throw ioErrorFromErrno(errno != 0 ? errno : ENOSPC, path);
}

void FileCalls::sync(int descriptor, const std::string& path) {
    if (::fsync(descriptor) != 0) throw ioErrorFromErrno(errno, path);
}

void FileCalls::rename(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) throw ioErrorFromErrno(errno, to);
}

void FileCalls::syncFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) throw ioErrorFromErrno(errno, folder);
    const bool synced = ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    if (!synced) throw ioErrorFromErrno(error, folder);
}

bool FileCalls::remove(const std::string& path) { return ::unlink(path.c_str()) == 0 || errno == ENOENT; }

#endif

void FileCalls::flush(std::FILE* file, const std::string& path) {
    errno = 0;
    if (std::fflush(file) != 0 || std::ferror(file)) throw ioErrorFromErrno(errno != 0 ? errno : EIO, path);
}

}  // namespace quorvex
