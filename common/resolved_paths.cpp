#include "common/resolved_paths.h"

#include <filesystem>

#include "common/paths.h"

namespace quorvex {

namespace fs = std::filesystem;

const std::string& ResolvedPaths::folder(const std::string& folder) {
    auto known = folders_.find(folder);
    if (known == folders_.end()) {
        std::error_code error;
        const fs::path resolved = fs::weakly_canonical(fs::absolute(folder, error), error);
        known = folders_.emplace(folder, error ? folder : resolved.lexically_normal().string()).first;
    }
    return known->second;
}

std::string ResolvedPaths::path(const std::string& path) {
    const FolderAndName parts = splitPath(path);
    return joinPath(folder(parts.folder), parts.name);
}

}  // namespace quorvex
