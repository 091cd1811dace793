#pragma once
// The whole content of a deal file, and its lines, for the readers. Set files are small; a
// main deal file of a million boards is about 106 MB, which a reader holds once.
#include <string>
#include <string_view>

namespace quorvex {

// Every byte of the file. Failures raise EInOutError with the path.
std::string readFileBytes(const std::string& path);

// Splits text into lines as the text files are read everywhere: a line ends at LF, a CR
// just before it is dropped, and a last line without a line end still counts.
class TextLines {
public:
    explicit TextLines(std::string_view text) : rest_(text) {}

    // False when every line has been taken.
    bool next(std::string_view& line);

    // 1-based number of the line last taken.
    unsigned lineNumber() const { return lineNumber_; }

private:
    std::string_view rest_;
    unsigned lineNumber_ = 0;
};

}  // namespace quorvex
