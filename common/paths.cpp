#include "common/paths.h"

#include <filesystem>
#include <utility>

#include "common/error_texts.h"
#include "common/io_error.h"

namespace quorvex {

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path.append(folder);
    path.push_back(PathSeparator);
    path.append(name);
    return path;
}

FolderAndName splitPath(const std::string& path) {
    const std::filesystem::path given(path);
    std::string folder = given.parent_path().string();
    return {folder.empty() ? "." : std::move(folder), given.filename().string()};
}

std::string folderOf(const std::string& path) { return splitPath(path).folder; }

bool existsAsAnything(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

void checkFolderExists(const std::string& folder) {
    std::error_code error;
    const auto status = std::filesystem::status(folder, error);
    if (std::filesystem::is_directory(status)) return;
    if (error == std::errc::too_many_symbolic_link_levels)
        throw EInOutError(io_code::PathNotFound, error_text::LoopOfLinks, folder);
    throw EInOutError(
        io_code::PathNotFound,
        std::filesystem::exists(status) ? error_text::NotAFolder : error_text::FolderDoesNotExist, folder);
}

}  // namespace quorvex
