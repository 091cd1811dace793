#pragma once
// Everything the format converters need from the window or the command line, as plain values.
#include <chrono>
#include <span>
#include <string>

#include "common/product.h"
#include "common/work_progress.h"
#include "engine/double_dummy_table.h"
#include "formats/output_formats.h"

namespace quorvex {

struct ConversionSettings {
    FormatSelection formats = allFormats();
    std::string identityText;   // names the main deal file
    std::string programFolder;  // holds the main deal file
    std::string outputFolder;   // receives the converted files
    std::string baseFileName = DefaultBaseFileName;
    WorkProgress* progress = nullptr;       // advanced by every file written, when given
    std::chrono::year_month_day runDate{};  // the day of the run, printed in PBN files and hand records
    // The boards' double-dummy tables in the order of the main deal file, when computed;
    // empty otherwise.
    std::span<const DoubleDummyTable> doubleDummy;
    // The main deal file the writers read: a run points it at the file it has just written
    // under its temporary name. Empty: the identity's main deal file in the program folder.
    std::string mainDealFile;
};

std::string mainDealFileToRead(const ConversionSettings& settings);

}  // namespace quorvex
