#pragma once
// Whether a path fits the file system's limits, checked before a run writes anything.
#include <string>

namespace quorvex {

// Raises EInOutError "Invalid filename" naming `path` when its last component is longer
// than the file system allows in its folder, or the whole path longer than the platform's
// limit (MAX_PATH on Windows).
void checkPathFits(const std::string& path);

}  // namespace quorvex
