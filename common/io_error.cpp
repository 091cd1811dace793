#include "common/io_error.h"

#include <cerrno>
#include <filesystem>

#include "common/error_texts.h"
#include "common/paths.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvex {

EInOutError ioErrorOfCode(int code, std::string path) {
    switch (code) {
        case io_code::FileNotFound:
            return {code, error_text::FileNotFound, std::move(path)};
        case io_code::PathNotFound:
            return {code, error_text::InvalidFilename, std::move(path)};
        case io_code::TooManyOpenFiles:
            return {code, error_text::TooManyOpenFiles, std::move(path)};
        case io_code::AccessDenied:
            return {code, error_text::FileAccessDenied, std::move(path)};
        case io_code::DiskFull:
            return {code, error_text::DiskFull, std::move(path)};
        default:
            return {code, error_text::otherIoError(code), std::move(path)};
    }
}

namespace {

bool parentFolderExists(const std::string& path) {
    std::error_code ec;
    const auto parent = std::filesystem::path(path).parent_path();
    return parent.empty() || std::filesystem::is_directory(parent, ec);
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// A missing folder on the way to `path` is named as such, not as a bad file name.
EInOutError missingFolder(const std::string& path) {
    return {io_code::PathNotFound, error_text::FolderDoesNotExist, folderOf(path)};
}

}  // namespace

EInOutError ioErrorFromErrno(int err, const std::string& path) {
    switch (err) {
        case ENOENT:
            if (parentFolderExists(path)) return ioErrorOfCode(io_code::FileNotFound, path);
            return missingFolder(path);
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
            return ioErrorOfCode(io_code::PathNotFound, path);
        case EMFILE:
        case ENFILE:
            return ioErrorOfCode(io_code::TooManyOpenFiles, path);
        case EACCES:
        case EPERM:
            // Windows refuses to open a folder as a file with "access denied".
            if (!path.empty() && isFolder(path)) return {io_code::AccessDenied, error_text::IsAFolder, path};
            return ioErrorOfCode(io_code::AccessDenied, path);
        case EROFS:
            return {io_code::AccessDenied, error_text::ReadOnlyFileSystem, path};
        case EISDIR:
            return {io_code::AccessDenied, error_text::IsAFolder, path};
        case ELOOP:
            return {io_code::PathNotFound, error_text::LoopOfLinks, path};
        case ENOSPC:
        case EFBIG:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return ioErrorOfCode(io_code::DiskFull, path);
        default:
            // Unknown failures keep the system's own number so they can be looked up.
            return {err, error_text::otherIoError(err), path};
    }
}

#ifdef _WIN32
EInOutError lastIoError(const std::string& path) {
    const DWORD error = GetLastError();
    switch (error) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ioErrorOfCode(io_code::DiskFull, path);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return ioErrorOfCode(io_code::AccessDenied, path);
        case ERROR_ACCESS_DENIED:
            // Windows refuses to open a folder as a file with "access denied".
            if (!path.empty() && isFolder(path)) return {io_code::AccessDenied, error_text::IsAFolder, path};
            return ioErrorOfCode(io_code::AccessDenied, path);
        case ERROR_PATH_NOT_FOUND:
            return missingFolder(path);
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
            return ioErrorOfCode(io_code::PathNotFound, path);
        default:
            return ioErrorOfCode(static_cast<int>(error), path);
    }
}
#else
EInOutError lastIoError(const std::string& path) { return ioErrorFromErrno(errno, path); }
#endif

}  // namespace quorvex
