#pragma once
// Everything the format converters need from the window or the command line, as plain values.
#include <string>

namespace quorvex {

struct ConversionSettings {
    bool dlm = true;
    bool dup = true;
    bool bri = true;
    bool dge = true;
    bool deepFinesse = true;
    std::string identityText;   // names the main deal file
    std::string programFolder;  // holds the main deal file
    std::string outputFolder;   // receives the converted files
    std::string baseFileName = "QVW-";
};

} // namespace quorvex
