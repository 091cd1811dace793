#include "common/path_limits.h"

#include "common/io_error.h"
#include "common/paths.h"

#ifndef _WIN32
#include <unistd.h>

#include <climits>
#endif

namespace quorvex {

namespace {

#ifdef _WIN32
constexpr std::size_t PathLimit = 259;  // MAX_PATH less the terminating zero
std::size_t nameLimit(const std::string&) { return 255; }
#else
constexpr std::size_t PathLimit = PATH_MAX - 1;
std::size_t nameLimit(const std::string& folder) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}
#endif

}  // namespace

void PathLimits::check(const std::string& path) {
    const FolderAndName parts = splitPath(path);
    auto limit = nameLimits_.find(parts.folder);
    if (limit == nameLimits_.end()) limit = nameLimits_.emplace(parts.folder, nameLimit(parts.folder)).first;
    if (path.size() > PathLimit || parts.name.size() > limit->second)
        throw ioErrorOfCode(io_code::PathNotFound, path);
}

}  // namespace quorvex
