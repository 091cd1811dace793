#pragma once
// Windows only: the program's 8-bit paths (the ANSI code page, as the window hands them
// over) as the wide texts the file functions take.
#ifdef _WIN32
#include <windows.h>

#include <string>

namespace quorvex {

inline std::wstring widePath(const std::string& path) {
    const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return wide;
}

}  // namespace quorvex
#endif
