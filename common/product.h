#pragma once
// Facts about the product that both front ends share: its name and version, the start
// values of the director's choices and the limits of the counts.
#include <string>

#include "common/version.h"  // generated from the build's project version

namespace quorvex {

// The program's name as the director sees it: window captions, message boxes, files.
inline constexpr char ApplicationTitle[] = "Quorvex for Windows";

// "Version <n>", as the about box and the dealer's --version show it.
inline std::string versionText() { return std::string("Version ") + ProductVersion; }

inline constexpr char DefaultIdentityText[] = "YourID";
inline constexpr char DefaultBaseFileName[] = "QVW-";
inline constexpr int DefaultNumberOfSets = 1;
inline constexpr int DefaultBoardsPerSet = 32;
inline constexpr int DefaultFirstSetNumber = 1;

// Sets and boards per set allowed normally and under the test switch; the first set
// number is limited alike in both modes.
inline constexpr int NormalCountLimit = 99;
inline constexpr int TestModeCountLimit = 1000;
inline constexpr int FirstSetNumberLimit = 99;

// Boards a run may deal and discard first, to reproduce a later run of a session.
inline constexpr long long MaximumSkippedBoards = 1000000000;

constexpr int countLimit(bool testMode) { return testMode ? TestModeCountLimit : NormalCountLimit; }

}  // namespace quorvex
