#include "common/text_file.h"

#include <cerrno>
#include <cstring>

#include "common/file_calls.h"
#include "common/io_error.h"
#include "common/private_file.h"

namespace quorvex {

namespace {

constexpr std::size_t ReadBlockSize = std::size_t{1} << 18;

std::FILE* openFile(const std::string& path, const char* mode) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (!file) throw ioErrorFromErrno(errno, path);
    return file;
}

std::FILE* createFile(const std::string& path, FileWriter::Mode mode) {
    PrivateFile file(path,
                     mode == FileWriter::Mode::New ? PrivateFile::Open::New : PrivateFile::Open::Truncate);
    return file.releaseToStdio();
}

}  // namespace

FileWriter::FileWriter(const std::string& path, Mode mode)
    : path_(path), file_(createFile(path, mode)), buffer_(new char[BufferSize]) {
    // The writer gathers its small writes itself and hands stdio whole buffers, which
    // stdio passes straight on: a locked stdio call per record cost more than the record.
    std::setvbuf(file_, nullptr, _IONBF, 0);
}

FileWriter::~FileWriter() {
    if (file_) std::fclose(file_);
}

void FileWriter::fail() const { throw ioErrorFromErrno(errno != 0 ? errno : ENOSPC, path_); }

void FileWriter::write(std::string_view bytes) {
    if (bytes.size() >= BufferSize) {
        writeBuffer();
        writeOut(bytes);
        return;
    }
    if (bytes.size() > BufferSize - buffered_) writeBuffer();
    std::memcpy(buffer_.get() + buffered_, bytes.data(), bytes.size());
    buffered_ += bytes.size();
}

void FileWriter::writeBuffer() {
    if (buffered_ == 0) return;
    const std::size_t size = buffered_;
    buffered_ = 0;
    writeOut({buffer_.get(), size});
}

void FileWriter::writeOut(std::string_view bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) fail();
}

void FileWriter::writeLine(std::string_view text) {
    write(text);
    write("\r\n");
}

void FileWriter::flush() {
    writeBuffer();
    fileCalls().flush(file_, path_);
}

void FileWriter::close() {
    if (!file_) return;  // closed already
    std::FILE* file = file_;
    try {
        writeBuffer();
        file_ = nullptr;
        fileCalls().flush(file, path_);
        syncStdioFile(file, path_);
    } catch (...) {
        file_ = nullptr;
        std::fclose(file);
        throw;
    }
    errno = 0;
    if (std::fclose(file) != 0) fail();
}

TextFileReader::TextFileReader(const std::string& path) : path_(path), file_(openFile(path, "rb")) {}

TextFileReader::~TextFileReader() { std::fclose(file_); }

bool TextFileReader::fillBuffer() {
    // The unread bytes move to the front; the buffer only ever grows (for a line longer than
    // it), so its bytes are set once, not before every read.
    const std::size_t kept = end_ - pos_;
    std::memmove(buffer_.data(), buffer_.data() + pos_, kept);
    pos_ = 0;
    if (buffer_.size() < kept + ReadBlockSize) buffer_.resize(kept + ReadBlockSize);
    errno = 0;
    const std::size_t got = std::fread(buffer_.data() + kept, 1, ReadBlockSize, file_);
    end_ = kept + got;
    if (got == 0 && std::ferror(file_)) throw ioErrorFromErrno(errno != 0 ? errno : EIO, path_);
    return got > 0;
}

bool TextFileReader::atEnd() { return pos_ == end_ && !fillBuffer(); }

std::string_view TextFileReader::nextLine() {
    const char* lineEnd;
    while (!(lineEnd = static_cast<const char*>(std::memchr(buffer_.data() + pos_, '\n', end_ - pos_)))) {
        if (!fillBuffer()) {  // last line without a line end
            std::string_view line(buffer_.data() + pos_, end_ - pos_);
            pos_ = end_;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            return line;
        }
    }
    const auto end = static_cast<std::size_t>(lineEnd - buffer_.data());
    std::size_t stop = end;
    if (stop > pos_ && buffer_[stop - 1] == '\r') --stop;
    const std::string_view line(buffer_.data() + pos_, stop - pos_);
    pos_ = end + 1;
    return line;
}

std::string TextFileReader::readLine() { return std::string(nextLine()); }

}  // namespace quorvex
