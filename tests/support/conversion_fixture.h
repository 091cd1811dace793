#pragma once
// A program folder holding a main deal file "T.qvw" and an output folder "out" inside one
// temporary folder, plus hand-checked board lines used across the format tests.
#include <filesystem>
#include <string>
#include <vector>

#include "formats/conversion_settings.h"
#include "temp_folder.h"
#include "test_deals.h"

namespace quorvex::testing {

class ConversionFolder {
public:
    ConversionFolder() {
        std::filesystem::create_directory(folder_.path() / "out");
        settings.formats.reset();
        settings.identityText = "T";
        settings.programFolder = folder_.str();
        settings.outputFolder = output();
    }

    void selectAllFormats() { settings.formats.set(); }

    // Writes the main deal file: the header text and the board lines, each ending in CR LF.
    void writeMainDeal(const std::string& header, const std::vector<std::string>& boards) const {
        std::vector<std::string> lines{header};
        lines.insert(lines.end(), boards.begin(), boards.end());
        writeFile(folder_.file("T.qvw"), crlfLines(lines));
    }

    std::string output() const { return (folder_.path() / "out").string(); }
    std::string outputFile(const std::string& name) const { return (folder_.path() / "out" / name).string(); }
    bool exists(const std::string& name) const { return std::filesystem::exists(outputFile(name)); }
    std::string read(const std::string& name) const { return readFile(outputFile(name)); }
    std::size_t outputCount() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder_.path() / "out"),
                          std::filesystem::directory_iterator{}));
    }

    ConversionSettings settings;

private:
    TempFolder folder_;
};

}  // namespace quorvex::testing
