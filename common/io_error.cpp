#include "common/io_error.h"

#include <cerrno>
#include <filesystem>

namespace quorvex {

namespace {

std::string otherErrorText(int code) {
    std::string text = "I/O error ";
    text += std::to_string(code);
    return text;
}

} // namespace

EInOutError ioErrorOfCode(int code) {
    switch (code) {
    case io_code::FileNotFound: return {code, "File not found"};
    case io_code::PathNotFound: return {code, "Invalid filename"};
    case io_code::TooManyOpenFiles: return {code, "Too many open files"};
    case io_code::AccessDenied: return {code, "File access denied"};
    case io_code::DiskFull: return {code, "Disk full"};
    default: return {code, otherErrorText(code)};
    }
}

namespace {

bool parentFolderExists(const std::string& path) {
    std::error_code ec;
    const auto parent = std::filesystem::path(path).parent_path();
    return parent.empty() || std::filesystem::is_directory(parent, ec);
}

} // namespace

EInOutError ioErrorFromErrno(int err, const std::string& path) {
    switch (err) {
    case ENOENT:
        return ioErrorOfCode(parentFolderExists(path) ? io_code::FileNotFound : io_code::PathNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return ioErrorOfCode(io_code::PathNotFound);
    case EMFILE:
    case ENFILE:
        return ioErrorOfCode(io_code::TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return ioErrorOfCode(io_code::AccessDenied);
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return ioErrorOfCode(io_code::DiskFull);
    default:
        // Unknown failures keep the system's own number so they can be looked up.
        return {err, otherErrorText(err)};
    }
}

} // namespace quorvex
