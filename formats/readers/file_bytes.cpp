#include "formats/readers/file_bytes.h"

#include <cerrno>

#include "common/io_error.h"
#include "formats/readers/deal_file_error.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvex {

namespace {

constexpr std::size_t PieceSize = std::size_t{1} << 20;

#ifdef _WIN32
using FileStatus = struct _stat64;
int openForReading(const char* path) { return _open(path, _O_RDONLY | _O_BINARY); }
int statusOf(int descriptor, FileStatus& status) { return _fstat64(descriptor, &status); }
bool isFolder(const FileStatus& status) { return (status.st_mode & _S_IFMT) == _S_IFDIR; }
bool isRegular(const FileStatus& status) { return (status.st_mode & _S_IFMT) == _S_IFREG; }
long long readSome(int descriptor, char* into, std::size_t size) {
    return _read(descriptor, into, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}
void closeDescriptor(int descriptor) { _close(descriptor); }
#else
using FileStatus = struct stat;
// Without blocking: opening a FIFO for reading would otherwise wait for a writer.
int openForReading(const char* path) { return ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC); }
int statusOf(int descriptor, FileStatus& status) { return ::fstat(descriptor, &status); }
bool isFolder(const FileStatus& status) { return S_ISDIR(status.st_mode); }
bool isRegular(const FileStatus& status) { return S_ISREG(status.st_mode); }
long long readSome(int descriptor, char* into, std::size_t size) { return ::read(descriptor, into, size); }
void closeDescriptor(int descriptor) { ::close(descriptor); }
#endif

}  // namespace

DealFileInput::DealFileInput(const std::string& path, std::uint64_t largest) : path_(path) {
    errno = 0;
    descriptor_ = openForReading(path.c_str());
    if (descriptor_ < 0) throw ioErrorFromErrno(errno, path);
    FileStatus status{};
    if (statusOf(descriptor_, status) != 0) {
        const int error = errno;
        closeDescriptor(descriptor_);
        throw ioErrorFromErrno(error, path);
    }
    const char* refusal = nullptr;
    if (isFolder(status))
        refusal = "this is a folder, not a deal file";
    else if (!isRegular(status))
        refusal = "this is no regular file (a device, FIFO or socket), not a deal file";
    if (refusal) {
        closeDescriptor(descriptor_);
        throw DealFileError(path, "", refusal);
    }
    if (static_cast<std::uint64_t>(status.st_size) > largest) {
        closeDescriptor(descriptor_);
        throw DealFileError(path, "",
                            "the file is too large (" + std::to_string(status.st_size) +
                                " bytes; the largest file of its kind holds " + std::to_string(largest) +
                                ")");
    }
}

DealFileInput::~DealFileInput() { closeDescriptor(descriptor_); }

std::size_t DealFileInput::read(char* into, std::size_t size) {
    for (;;) {
        errno = 0;
        const long long got = readSome(descriptor_, into, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) throw ioErrorFromErrno(errno != 0 ? errno : EIO, path_);
    }
}

std::string DealFileInput::rest() {
    std::string bytes;
    std::size_t got;
    do {
        const std::size_t start = bytes.size();
        bytes.resize(start + PieceSize);
        got = read(bytes.data() + start, PieceSize);
        bytes.resize(start + got);
    } while (got > 0);
    return bytes;
}

std::string readFileBytes(const std::string& path, std::uint64_t largest) {
    DealFileInput input(path, largest);
    return input.rest();
}

void TextLines::dropByteOrderMark() {
    if (rest_.starts_with("\xEF\xBB\xBF")) rest_.remove_prefix(3);
}

void TextLines::refill() {
    buffer_.erase(0, buffer_.size() - rest_.size());
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + PieceSize);
    const std::size_t got = input_->read(buffer_.data() + kept, PieceSize);
    buffer_.resize(kept + got);
    ended_ = got == 0;
    rest_ = buffer_;
    if (lineNumber_ == 0 && kept == 0) dropByteOrderMark();
}

void TextLines::dropLineEnd() {
    if (rest_.front() == '\r' && rest_.size() == 1 && !ended_) refill();
    const bool crLf = rest_.starts_with("\r\n");
    rest_.remove_prefix(crLf ? 2 : 1);
}

void TextLines::skipRestOfLine() {
    skipToLineEnd_ = false;
    for (;;) {
        const std::size_t end = rest_.find_first_of("\r\n");
        if (end != std::string_view::npos) {
            rest_.remove_prefix(end);
            return dropLineEnd();
        }
        rest_ = {};
        if (ended_) return;
        refill();
    }
}

bool TextLines::next(std::string_view& line) {
    if (skipToLineEnd_) skipRestOfLine();
    std::size_t end = rest_.find_first_of("\r\n");
    while (!ended_ && end == std::string_view::npos && rest_.size() < PieceSize) {
        refill();
        end = rest_.find_first_of("\r\n");
    }
    if (rest_.empty()) return false;
    ++lineNumber_;
    if (end != std::string_view::npos) {
        line = rest_.substr(0, end);
        rest_.remove_prefix(end);
        // The view stays valid: a refill for the LF of a CR at the piece's end keeps no bytes
        // before the line end, and the line is handed out from a copy of the buffer's front.
        if (rest_.size() == 1 && rest_.front() == '\r' && !ended_) {
            lineCopy_.assign(line);
            line = lineCopy_;
        }
        dropLineEnd();
    } else {
        line = rest_.substr(0, PieceSize);
        rest_.remove_prefix(line.size());
        skipToLineEnd_ = !ended_ || !rest_.empty();
    }
    return true;
}

}  // namespace quorvex
