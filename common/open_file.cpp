#include "common/open_file.h"

#include <cerrno>

#include "common/io_error.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <optional>

#include "common/owner_only_access.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvex {

namespace {

const char* streamMode(OpenMode mode) {
    return mode == OpenMode::Read ? "rb" : mode == OpenMode::Create ? "wb" : "ab";
}

}  // namespace

#ifdef _WIN32

std::FILE* openFile(const std::string& path, OpenMode mode) {
    const bool writing = mode != OpenMode::Read;
    std::optional<OwnerOnlyAccess> ownerOnly;
    if (writing) ownerOnly.emplace();
    const DWORD access = writing ? GENERIC_WRITE | WRITE_DAC : GENERIC_READ;
    const DWORD disposition = mode == OpenMode::Read     ? OPEN_EXISTING
                              : mode == OpenMode::Create ? CREATE_ALWAYS
                                                         : OPEN_ALWAYS;
    // Shared as the C library's fopen shares: others may read and write meanwhile.
    const HANDLE handle =
        CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    writing ? ownerOnly->attributes() : nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw ioErrorFromWindowsCode(GetLastError(), path);
    try {
        // A file that existed keeps its access list when reopened; replace it, as fchmod does.
        if (writing && GetLastError() == ERROR_ALREADY_EXISTS) ownerOnly->applyTo(handle, path);
    } catch (...) {
        CloseHandle(handle);
        throw;
    }

    const int flags = _O_BINARY | (mode == OpenMode::Read     ? _O_RDONLY
                                   : mode == OpenMode::Append ? _O_APPEND
                                                              : 0);
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags);
    if (descriptor == -1) {
        CloseHandle(handle);
        throw ioErrorOfCode(io_code::TooManyOpenFiles, path);
    }
    std::FILE* file = _fdopen(descriptor, streamMode(mode));
    if (!file) {
        _close(descriptor);
        throw ioErrorOfCode(io_code::TooManyOpenFiles, path);
    }
    return file;
}

#else

namespace {

int openDescriptor(const std::string& path, OpenMode mode) {
    if (mode == OpenMode::Read) return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == OpenMode::Create ? O_TRUNC : O_APPEND);
    const int descriptor = ::open(path.c_str(), flags, S_IRUSR | S_IWUSR);
    if (descriptor == -1) return -1;
    // The mode given to open() applies only to a new file. An existing regular file of this
    // user is made private too; devices such as /dev/null keep theirs.
    struct stat status;
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == geteuid() &&
        (status.st_mode & 07777) != (S_IRUSR | S_IWUSR) && fchmod(descriptor, S_IRUSR | S_IWUSR) != 0) {
        const int error = errno;
        ::close(descriptor);
        errno = error;
        return -1;
    }
    return descriptor;
}

}  // namespace

std::FILE* openFile(const std::string& path, OpenMode mode) {
    errno = 0;
    const int descriptor = openDescriptor(path, mode);
    if (descriptor == -1) throw ioErrorFromErrno(errno, path);
    std::FILE* file = fdopen(descriptor, streamMode(mode));
    if (!file) {
        const int error = errno;
        ::close(descriptor);
        throw ioErrorFromErrno(error, path);
    }
    return file;
}

#endif

}  // namespace quorvex
