#pragma once
// Whether the tests run under Wine, where some of what a real Windows machine has is missing
// (a fixed-pitch font, Windows' own UI font and its metrics); checks that need it skip there.
#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvex::testing {

inline bool underWine() {
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

}  // namespace quorvex::testing
