#pragma once
// Whether a path fits the file system's limits, checked before a run writes anything.
#include <map>
#include <string>

namespace quorvex {

// Each folder's limit is asked of the file system once, however many paths it checks.
class PathLimits {
public:
    // Raises EInOutError "Invalid filename" naming `path` when its last component is longer
    // than the file system allows in its folder, or the whole path longer than the
    // platform's limit (MAX_PATH on Windows).
    void check(const std::string& path);

private:
    std::map<std::string, std::size_t> nameLimits_;  // by folder
};

}  // namespace quorvex
