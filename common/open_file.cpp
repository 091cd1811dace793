#include "common/open_file.h"

#include <cerrno>

#include "common/io_error.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace quorvex {

#ifdef _WIN32

std::FILE* openFile(const std::string& path, OpenMode mode) {
    const DWORD access = mode == OpenMode::Read ? GENERIC_READ : GENERIC_WRITE;
    const DWORD disposition = mode == OpenMode::Read     ? OPEN_EXISTING
                              : mode == OpenMode::Create ? CREATE_ALWAYS
                                                         : OPEN_ALWAYS;
    // Shared as the C library's fopen shares: others may read and write meanwhile.
    const HANDLE handle = CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw ioErrorFromWindowsCode(GetLastError(), path);

    const int flags = _O_BINARY | (mode == OpenMode::Read     ? _O_RDONLY
                                   : mode == OpenMode::Append ? _O_APPEND
                                                              : 0);
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags);
    if (descriptor == -1) {
        CloseHandle(handle);
        throw ioErrorOfCode(io_code::TooManyOpenFiles, path);
    }
    const char* const streamMode = mode == OpenMode::Read ? "rb" : mode == OpenMode::Create ? "wb" : "ab";
    std::FILE* file = _fdopen(descriptor, streamMode);
    if (!file) {
        _close(descriptor);
        throw ioErrorOfCode(io_code::TooManyOpenFiles, path);
    }
    return file;
}

#else

std::FILE* openFile(const std::string& path, OpenMode mode) {
    const char* const streamMode = mode == OpenMode::Read ? "rb" : mode == OpenMode::Create ? "wb" : "ab";
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), streamMode);
    if (!file) throw ioErrorFromErrno(errno, path);
    return file;
}

#endif

}  // namespace quorvex
