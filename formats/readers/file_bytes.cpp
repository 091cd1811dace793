#include "formats/readers/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "common/io_error.h"

namespace quorvex {

std::string readFileBytes(const std::string& path) {
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) throw ioErrorFromErrno(errno, path);
    std::string bytes;
    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get())) throw ioErrorFromErrno(errno != 0 ? errno : EIO, path);
    return bytes;
}

bool TextLines::next(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t end = rest_.find('\n');
    line = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view{} : rest_.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber_;
    return true;
}

}  // namespace quorvex
