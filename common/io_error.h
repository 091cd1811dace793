#pragma once
// File errors: every file operation of the system reports its failure as one
// exception type carrying a numeric code, the text a director is shown and the path of
// the file or folder it concerns (empty when there is none).
#include <stdexcept>
#include <string>
#include <utility>

namespace quorvex {

class EInOutError : public std::runtime_error {
public:
    EInOutError(int code, const std::string& text, std::string path = {})
        : std::runtime_error(text), code_(code), path_(std::move(path)) {}
    int code() const noexcept { return code_; }
    const std::string& path() const noexcept { return path_; }

private:
    int code_;
    std::string path_;
};

// Well-known codes; any other failure is reported as "I/O error <code>".
namespace io_code {
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int TooManyOpenFiles = 4;
inline constexpr int AccessDenied = 5;
inline constexpr int DiskFull = 101;
inline constexpr int FolderInUse = 33;  // the lock of another run (Windows' lock violation)
}  // namespace io_code

// The error of a code, with its standard text.
EInOutError ioErrorOfCode(int code, std::string path = {});

// The error of a failed operation on `path`, from the operating system's errno value.
// A missing folder on the way to the file is "The folder does not exist" naming the
// folder, a missing file itself "File not found".
EInOutError ioErrorFromErrno(int err, const std::string& path);

// The error of the operating-system call that just failed on `path`: errno on POSIX,
// GetLastError on Windows (whose codes 2 to 5 are the codes above).
EInOutError lastIoError(const std::string& path);

}  // namespace quorvex
