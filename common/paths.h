#pragma once
// Joining a folder and a file name with the platform's separator, and the folder of a path.
#include <string>
#include <string_view>

namespace quorvex {

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// The separator is always inserted, also after a folder that already ends in one
// (a drive root): the file system accepts the doubled separator.
std::string joinPath(std::string_view folder, std::string_view name);

// The folder that holds `path` ("." for a bare file name) and the file's name in it.
struct FolderAndName {
    std::string folder;
    std::string name;
};
FolderAndName splitPath(const std::string& path);

// The folder that holds `path`: "." for a bare file name.
std::string folderOf(const std::string& path);

// Whether anything (a file, a folder, a link, even a dangling one) has the name `path`.
bool existsAsAnything(const std::string& path);

// Raises EInOutError naming `folder` unless it is a folder: "The folder does not exist",
// "Not a folder" or a loop of links.
void checkFolderExists(const std::string& folder);

}  // namespace quorvex
