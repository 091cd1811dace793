#pragma once
// Entropy for a command-line run: without a director clicking squares, the operating
// system's secure random source supplies the numbers, written as a text of the same shape
// as the entropy dialog's (39 signed decimal numbers), so it can be logged and replayed.
#include <string>

namespace quorvex {

std::string freshEntropyText();

}  // namespace quorvex
