#pragma once
// A program folder holding a main deal file "T.qvw" and an output folder "out" inside one
// temporary folder, plus hand-checked board lines used across the format tests.
#include "formats/conversion_settings.h"

#include "temp_folder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quorvex::testing {

// North every spade, East every heart, South every diamond, West every club.
inline const std::string OneSuitEachDeal = "01020304050607080910111213"
                                           "14151617181920212223242526"
                                           "27282930313233343536373839"
                                           "40414243444546474849505152";

// Card c belongs to hand (c - 1) mod 4.
inline const std::string RoundRobinDeal = "01050913172125293337414549"
                                          "02061014182226303438424650"
                                          "03071115192327313539434751"
                                          "04081216202428323640444852";

// North void in spades, East in hearts, South in diamonds, West in clubs.
inline const std::string OneVoidEachDeal = "14151617182728293040414243"
                                           "01020304313233343544454647"
                                           "05060708192021224849505152"
                                           "09101112132324252636373839";

// The text of the error of type Error that `run` raises; another outcome gives a text
// that matches no expectation.
template <class Error, class Run>
std::string failureOf(Run run) {
    try {
        run();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error of the expected type";
}

// Text lines joined with CR LF after each, as the system writes them.
inline std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

class ConversionFolder {
public:
    ConversionFolder() {
        std::filesystem::create_directory(folder_.path() / "out");
        settings.dlm = settings.dup = settings.bri = settings.dge = settings.deepFinesse = false;
        settings.identityText = "T";
        settings.programFolder = folder_.str();
        settings.outputFolder = output();
    }

    void selectAllFormats() {
        settings.dlm = settings.dup = settings.bri = settings.dge = settings.deepFinesse = true;
    }

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
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_.path() / "out"),
                                                      std::filesystem::directory_iterator{}));
    }

    ConversionSettings settings;

private:
    TempFolder folder_;
};

} // namespace quorvex::testing
