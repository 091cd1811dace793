#pragma once
// File errors: every file operation of the system reports its failure as one
// exception type carrying a numeric code and the text a director is shown.
#include <stdexcept>
#include <string>

namespace quorvex {

class EInOutError : public std::runtime_error {
public:
    EInOutError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int code() const noexcept { return code_; }

private:
    int code_;
};

// Well-known codes; any other failure is reported as "I/O error <code>".
namespace io_code {
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int TooManyOpenFiles = 4;
inline constexpr int AccessDenied = 5;
inline constexpr int DiskFull = 101;
} // namespace io_code

// The error of a code, with its standard text.
EInOutError ioErrorOfCode(int code);

// The error of a failed operation on `path`, from the operating system's errno value.
// A missing folder on the way to the file counts as an invalid file name, a missing
// file itself as "File not found".
EInOutError ioErrorFromErrno(int err, const std::string& path);

} // namespace quorvex
