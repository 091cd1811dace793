#include "formats/convert_main_deal_file.h"

#include "formats/set_file_name.h"

namespace quorvex {

std::string mainDealFileToRead(const ConversionSettings& settings) {
    return settings.mainDealFile.empty() ? mainDealFilePath(settings.programFolder, settings.identityText)
                                         : settings.mainDealFile;
}

void ConvertMainDealFile(const ConversionSettings& settings, StagedFiles& files) {
    for (std::size_t i = 0; i < OutputFormats.size(); ++i)
        if (settings.formats.test(i)) OutputFormats[i].write(settings, files);
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
