#include "formats/convert_main_deal_file.h"

#include <memory>

#include "formats/set_file_name.h"
#include "formats/set_file_writer.h"

namespace quorvex {

std::string mainDealFileToRead(const ConversionSettings& settings) {
    return settings.mainDealFile.empty() ? mainDealFilePath(settings.programFolder, settings.identityText)
                                         : settings.mainDealFile;
}

bool ConvertMainDealFile(const ConversionSettings& settings, StagedFiles& files,
                         const BoardLineVisitor& alsoEachBoard) {
    // Formats written board by board share one reading of the main deal file; a format
    // written only on its own is written in its place in the order. The first shared
    // reading also gives its boards to `alsoEachBoard`.
    std::vector<std::unique_ptr<SetFileFormat>> shared;
    std::vector<SetFileFormat*> together;
    bool boardsGiven = false;
    const auto writeTogether = [&] {
        if (together.empty()) return;
        writeSetFiles(settings, together, files, boardsGiven ? BoardLineVisitor{} : alsoEachBoard);
        boardsGiven = true;
        together.clear();
    };
    for (std::size_t i = 0; i < OutputFormats.size(); ++i) {
        if (!settings.formats.test(i)) continue;
        if (OutputFormats[i].setFileFormat) {
            shared.push_back(OutputFormats[i].setFileFormat(settings));
            together.push_back(shared.back().get());
        } else {
            writeTogether();
            OutputFormats[i].write(settings, files);
        }
    }
    writeTogether();
    return boardsGiven;
}

std::vector<std::string> ConvertMainDealFile(const ConversionSettings& settings) {
    StagedFiles files;
    ConvertMainDealFile(settings, files);
    files.publish();
    return files.finalPaths();
}

std::vector<std::string> setFilePaths(const ConversionSettings& settings, const MainDealHeader& header) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < OutputFormats.size(); ++i) {
        if (!settings.formats.test(i)) continue;
        for (unsigned set = header.firstSetNumber; set < header.firstSetNumber + header.setCount; ++set)
            paths.push_back(
                SetFileName(settings.outputFolder, settings.baseFileName, set, OutputFormats[i].extension));
    }
    return paths;
}

}  // namespace quorvex
