#include "common/private_file.h"

#include <cerrno>

#include "common/error_texts.h"
#include "common/file_calls.h"
#include "common/io_error.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "common/owner_only_access.h"
#include "common/windows_path.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvex {

#ifdef _WIN32

void checkRegularFile(void* openHandle, const std::string& path) {
    const HANDLE handle = static_cast<HANDLE>(openHandle);
    BY_HANDLE_FILE_INFORMATION information;
    const bool known =
        GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &information);
    if (known &&
        (information.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0)
        return;
    CloseHandle(handle);
    if (known && (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        throw EInOutError(io_code::AccessDenied, error_text::LinkNotFollowed, path);
    throw EInOutError(io_code::AccessDenied, error_text::NotARegularFile, path);
}

namespace {

DWORD dispositionOf(PrivateFile::Open how) {
    switch (how) {
        case PrivateFile::Open::New:
            return CREATE_NEW;
        case PrivateFile::Open::Truncate:
            return CREATE_ALWAYS;
        case PrivateFile::Open::Keep:
            break;
    }
    return OPEN_ALWAYS;
}

}  // namespace

PrivateFile::PrivateFile(const std::string& path, Open how) : path_(path) {
    OwnerOnlyAccess ownerOnly;
    // A reparse point (a symbolic link, a junction) is opened itself, not followed, and refused.
    const HANDLE handle =
        CreateFileW(widePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, ownerOnly.attributes(),
                    dispositionOf(how), FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw lastIoError(path);
    checkRegularFile(handle, path);
    descriptor_ = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (descriptor_ < 0) {
        CloseHandle(handle);
        throw ioErrorOfCode(io_code::TooManyOpenFiles, path);
    }
}

PrivateFile::~PrivateFile() {
    if (descriptor_ >= 0) _close(descriptor_);
}

std::uint64_t PrivateFile::size() const {
    const __int64 end = _lseeki64(descriptor_, 0, SEEK_END);
    if (end < 0) throw ioErrorFromErrno(errno, path_);
    return static_cast<std::uint64_t>(end);
}

std::string PrivateFile::readAt(std::uint64_t offset, std::size_t count) const {
    std::string bytes(count, '\0');
    if (_lseeki64(descriptor_, static_cast<__int64>(offset), SEEK_SET) < 0)
        throw ioErrorFromErrno(errno, path_);
    const int got = _read(descriptor_, bytes.data(), static_cast<unsigned>(count));
    if (got < 0) throw ioErrorFromErrno(errno, path_);
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

void PrivateFile::append(std::string_view bytes) const {
    if (_lseeki64(descriptor_, 0, SEEK_END) < 0) throw ioErrorFromErrno(errno, path_);
    fileCalls().write(descriptor_, bytes, path_);
}

void PrivateFile::truncate(std::uint64_t size) const {
    if (_chsize_s(descriptor_, static_cast<__int64>(size)) != 0) throw ioErrorFromErrno(errno, path_);
}

void PrivateFile::sync() const { fileCalls().sync(descriptor_, path_); }

void PrivateFile::close() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (_close(descriptor) != 0) throw ioErrorFromErrno(errno, path_);
}

std::FILE* PrivateFile::releaseToStdio() {
    std::FILE* file = _fdopen(descriptor_, "wb");
    if (!file) throw ioErrorFromErrno(errno, path_);
    descriptor_ = -1;
    return file;
}

void syncStdioFile(std::FILE* file, const std::string& path) { fileCalls().sync(_fileno(file), path); }

#else

namespace {

// A link at the name itself is refused as such; a loop of links on the way is reported as one.
EInOutError openError(int error, const std::string& path) {
    struct stat status;
    if (error == ELOOP && ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode))
        return EInOutError(io_code::AccessDenied, error_text::LinkNotFollowed, path);
    return ioErrorFromErrno(error, path);
}

// Only a regular file is written: a FIFO or a device opened under the name is refused.
void checkRegularFile(int descriptor, const std::string& path) {
    struct stat status;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) return;
    ::close(descriptor);
    throw EInOutError(io_code::AccessDenied, error_text::NotARegularFile, path);
}

}  // namespace

PrivateFile::PrivateFile(const std::string& path, Open how) : path_(path) {
    constexpr mode_t Private = S_IRUSR | S_IWUSR;
    // O_NOFOLLOW: a link planted under the name must not lead the bytes to another file.
    const int access = O_RDWR | O_CLOEXEC | O_NOFOLLOW | (how == Open::Keep ? O_APPEND : 0);
    descriptor_ = ::open(path.c_str(), access | O_CREAT | O_EXCL, Private);
    if (descriptor_ >= 0) {
        // The umask may have narrowed the mode; a wider umask cannot widen it, so set it exactly.
        if (::fchmod(descriptor_, Private) == 0) return;
        const int error = errno;
        ::close(descriptor_);
        throw ioErrorFromErrno(error, path);
    }
    if (errno != EEXIST || how == Open::New) throw openError(errno, path);
    descriptor_ = ::open(path.c_str(), access);
    if (descriptor_ < 0) throw openError(errno, path);
    checkRegularFile(descriptor_, path);
    if (how == Open::Truncate) truncate(0);
}

PrivateFile::~PrivateFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

std::uint64_t PrivateFile::size() const {
    struct stat status;
    if (::fstat(descriptor_, &status) != 0) throw ioErrorFromErrno(errno, path_);
    return static_cast<std::uint64_t>(status.st_size);
}

std::string PrivateFile::readAt(std::uint64_t offset, std::size_t count) const {
    std::string bytes(count, '\0');
    const ssize_t got = ::pread(descriptor_, bytes.data(), count, static_cast<off_t>(offset));
    if (got < 0) throw ioErrorFromErrno(errno, path_);
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

void PrivateFile::append(std::string_view bytes) const {
    if (::lseek(descriptor_, 0, SEEK_END) < 0) throw ioErrorFromErrno(errno, path_);
    fileCalls().write(descriptor_, bytes, path_);
}

void PrivateFile::truncate(std::uint64_t size) const {
    if (::ftruncate(descriptor_, static_cast<off_t>(size)) != 0) throw ioErrorFromErrno(errno, path_);
}

void PrivateFile::sync() const { fileCalls().sync(descriptor_, path_); }

void PrivateFile::close() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0) throw ioErrorFromErrno(errno, path_);
}

std::FILE* PrivateFile::releaseToStdio() {
    std::FILE* file = ::fdopen(descriptor_, "wb");
    if (!file) throw ioErrorFromErrno(errno, path_);
    descriptor_ = -1;
    return file;
}

void syncStdioFile(std::FILE* file, const std::string& path) { fileCalls().sync(::fileno(file), path); }

#endif

}  // namespace quorvex
