#pragma once
// The entropy log: one line per completed collection, appended to a file in the program
// folder that is never truncated, so every session's stream can be reproduced later.
#include <string>
#include <string_view>

namespace quorvex {

inline constexpr std::string_view EntropyLogFileName = "Int160.qvs";

std::string entropyLogPath(std::string_view programFolder);

// Appends `entropyText` and CR LF to the log in `programFolder`, creating it when missing.
// The log only ever gains whole lines: see appendWholeLine.
void appendEntropyLog(std::string_view programFolder, std::string_view entropyText);

}  // namespace quorvex
