#pragma once
// The output formats, in the one table every part of the program iterates: the converter
// writes them in this order, the dealer's --formats takes their names, the window shows
// their check boxes and the settings store keeps each one's choice under its key.
// Adding a format is one row here plus its writer.
#include <array>
#include <bitset>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

struct ConversionSettings;
class SetFileFormat;
class StagedFiles;

// Writes one file per set of the main deal file, each staged in `files` under its
// temporary name (see StagedFiles).
using SetFilesWriter = void (*)(const ConversionSettings& settings, StagedFiles& files);

struct OutputFormat {
    std::string_view name;          // in the dealer's --formats list
    std::string_view extension;     // of every set file
    std::string_view settingsKey;   // the stored choice: 1 selected, 0 not
    std::string_view checkBoxName;  // the window's control
    std::string_view caption;       // the check box's text ("&&" shows one "&")
    SetFilesWriter write;
    // The same format as the converter writes it board by board, beside the other formats
    // in one reading of the main deal file; none for a format written only by `write`.
    std::unique_ptr<SetFileFormat> (*setFileFormat)(const ConversionSettings& settings) = nullptr;
};

inline constexpr std::size_t OutputFormatCount = 6;

extern const std::array<OutputFormat, OutputFormatCount> OutputFormats;

// Bit i selects OutputFormats[i].
using FormatSelection = std::bitset<OutputFormatCount>;

inline FormatSelection allFormats() { return FormatSelection().set(); }

// The index in OutputFormats of the format with this --formats name; none for an unknown name.
std::optional<std::size_t> findOutputFormat(std::string_view name);

}  // namespace quorvex
