#pragma once
// Why a deal file cannot be read: the file, the board and what is wrong, so a director can
// find the damage ("QVW-01.dlm: board 9: checksum 041 should be 045").
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvex {

struct DealFileError : std::runtime_error {
    // `where` names the board ("board 9"); empty for a defect of the file as a whole.
    DealFileError(std::string_view path, std::string_view where, std::string_view what)
        : std::runtime_error(std::string(path) + ": " + (where.empty() ? "" : std::string(where) + ": ") +
                             std::string(what)) {}
};

// A defect found inside one board; the reader that meets it adds the file and the board.
struct BoardDefect : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace quorvex
