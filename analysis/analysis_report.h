#pragma once
// The 43-line analysis report built from the totals of the last analysis.
#include <string>
#include <string_view>
#include <vector>

#include "analysis/board_analysis.h"

namespace quorvex {

// The report's lines (tabs kept, no line ends). `identityText` names the analysed file in
// the title; `decimalSeparator` comes from the user's locale in the window.
std::vector<std::string> AddToMemo(const AnalysisResult& result, std::string_view identityText,
                                   char decimalSeparator);

}  // namespace quorvex
