#pragma once
// Paths spelled from the root with their folders' links resolved, so that two spellings of
// one file compare equal and a path stays valid from any working folder. Each folder is
// resolved once (a walk of the file system per component), however many files it holds.
#include <map>
#include <string>

namespace quorvex {

class ResolvedPaths {
public:
    // `folder` made absolute with its links resolved; as given when it cannot be resolved.
    const std::string& folder(const std::string& folder);
    // `path`'s name in its folder made absolute with its links resolved.
    std::string path(const std::string& path);

private:
    std::map<std::string, std::string> folders_;
};

}  // namespace quorvex
