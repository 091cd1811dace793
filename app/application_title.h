#pragma once
// The program's name as the director sees it: main window caption, task bar, message boxes.
namespace quorvex {

inline constexpr char ApplicationTitle[] = "Quorvex for Windows";

}  // namespace quorvex
