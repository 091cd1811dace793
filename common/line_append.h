#pragma once
// Appending a line to a file that must only ever gain whole lines (the entropy log).
#include <string>
#include <string_view>

namespace quorvex {

// Appends `text` and CR LF to `path` in one write, creating the file (private to the user)
// when missing. A file that does not end in CR LF (torn by an earlier failure) first gets
// one, so the new line stands on its own. The line is synced to disk. When anything fails,
// the file is cut back to its old length and the error, naming the file, is raised.
void appendWholeLine(const std::string& path, std::string_view text);

}  // namespace quorvex
