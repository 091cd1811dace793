#pragma once
// Joining a folder and a file name with the platform's separator.
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

}  // namespace quorvex
