#pragma once
// Name of the output file of one set in one format.
#include <string>
#include <string_view>

namespace quorvex {

// Output folder + separator + base name + set number (at least two digits: 01, 09, 10,
// 100) + extension (".dlm", ".dup", ".bri", ".dge", ".txt").
std::string SetFileName(std::string_view outputFolder, std::string_view baseFileName, unsigned setNumber,
                        std::string_view extension);

}  // namespace quorvex
