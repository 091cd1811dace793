#include "common/paths.h"

namespace quorvex {

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path.append(folder);
    path.push_back(PathSeparator);
    path.append(name);
    return path;
}

}  // namespace quorvex
