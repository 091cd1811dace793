#pragma once
// Deal files as the readers take them in: only regular files, never more bytes than the
// largest file of their format can hold, and their lines split one way for every format.
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

// A deal file open for reading. A folder, FIFO or device is refused without waiting on it
// (a FIFO is opened without blocking), and so is a file larger than `largest` bytes: a
// reader never holds more than the largest legal file, whatever the path names.
class DealFileInput {
public:
    DealFileInput(const std::string& path, std::uint64_t largest);
    ~DealFileInput();
    DealFileInput(const DealFileInput&) = delete;
    DealFileInput& operator=(const DealFileInput&) = delete;

    // Reads up to `size` bytes; 0 at the end of the file. Failures raise EInOutError.
    std::size_t read(char* into, std::size_t size);

    // Every byte left.
    std::string rest();

private:
    const std::string path_;
    int descriptor_ = -1;
};

// Every byte of the file at `path`, refused as DealFileInput refuses it.
std::string readFileBytes(const std::string& path, std::uint64_t largest);

// Splits text into lines as the text files are read everywhere: a line ends at LF, CR LF
// or a lone CR (files from old Mac programs, hand edits that mix them), a last line without
// a line end still counts, and a UTF-8 byte-order mark before the first line is dropped.
// The text is either given whole or read from a DealFileInput a piece at a time, so that a
// file of a million lines is never held whole.
class TextLines {
public:
    explicit TextLines(std::string_view text) : rest_(text) { dropByteOrderMark(); }
    explicit TextLines(DealFileInput& input) : input_(&input) { refill(); }

    // False when every line has been taken. A line longer than the piece read at a time
    // (a megabyte) comes cut to that length.
    bool next(std::string_view& line);

    // 1-based number of the line last taken.
    unsigned lineNumber() const { return lineNumber_; }

private:
    void dropByteOrderMark();
    // Moves the unread rest to the front of the buffer and reads after it.
    void refill();
    // Takes the LF, CR LF or CR that rest_ starts with.
    void dropLineEnd();
    // Takes what is left of a line cut to the piece size, and its line end.
    void skipRestOfLine();

    std::string_view rest_;
    DealFileInput* input_ = nullptr;
    std::string buffer_;
    std::string lineCopy_;
    bool skipToLineEnd_ = false;
    bool ended_ = true;  // no more bytes to read behind rest_
    unsigned lineNumber_ = 0;
};

}  // namespace quorvex
