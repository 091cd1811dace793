#include "common/private_file.h"

#include <cerrno>

#include "common/io_error.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "common/windows_path.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvex {

#ifdef _WIN32

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
    const HANDLE handle = CreateFileW(widePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      dispositionOf(how), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw lastIoError(path);
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
    errno = 0;
    const int written = _write(descriptor_, bytes.data(), static_cast<unsigned>(bytes.size()));
    if (written < 0 || static_cast<std::size_t>(written) != bytes.size())
        throw ioErrorFromErrno(errno != 0 ? errno : ENOSPC, path_);
}

void PrivateFile::truncate(std::uint64_t size) const {
    if (_chsize_s(descriptor_, static_cast<__int64>(size)) != 0) throw ioErrorFromErrno(errno, path_);
}

void PrivateFile::sync() const {
    if (_commit(descriptor_) != 0) throw ioErrorFromErrno(errno, path_);
}

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

bool syncStdioFile(std::FILE* file) { return _commit(_fileno(file)) == 0; }

#else

PrivateFile::PrivateFile(const std::string& path, Open how) : path_(path) {
    constexpr mode_t Private = S_IRUSR | S_IWUSR;
    const int access = O_RDWR | O_CLOEXEC | (how == Open::Keep ? O_APPEND : 0);
    descriptor_ = ::open(path.c_str(), access | O_CREAT | O_EXCL, Private);
    if (descriptor_ >= 0) {
        // The umask may have narrowed the mode; a wider umask cannot widen it, so set it exactly.
        if (::fchmod(descriptor_, Private) == 0) return;
        const int error = errno;
        ::close(descriptor_);
        throw ioErrorFromErrno(error, path);
    }
    if (errno != EEXIST || how == Open::New) throw ioErrorFromErrno(errno, path);
    descriptor_ = ::open(path.c_str(), access | (how == Open::Truncate ? O_TRUNC : 0));
    if (descriptor_ < 0) throw ioErrorFromErrno(errno, path);
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
    errno = 0;
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0 || static_cast<std::size_t>(written) != bytes.size())
        throw ioErrorFromErrno(errno != 0 ? errno : ENOSPC, path_);
}

void PrivateFile::truncate(std::uint64_t size) const {
    if (::ftruncate(descriptor_, static_cast<off_t>(size)) != 0) throw ioErrorFromErrno(errno, path_);
}

void PrivateFile::sync() const {
    if (::fsync(descriptor_) != 0) throw ioErrorFromErrno(errno, path_);
}

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

bool syncStdioFile(std::FILE* file) { return ::fsync(::fileno(file)) == 0; }

#endif

}  // namespace quorvex
