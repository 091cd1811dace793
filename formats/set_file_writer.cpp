#include "formats/set_file_writer.h"

#include <memory>

#include "formats/set_file_name.h"

namespace quorvex {

void writeSetFiles(const ConversionSettings& settings, SetFileFormat& format, StagedFiles& files) {
    SetFileFormat* const formats[] = {&format};
    writeSetFiles(settings, formats, files);
}

void writeSetFiles(const ConversionSettings& settings, std::span<SetFileFormat* const> formats,
                   StagedFiles& files, const BoardLineVisitor& alsoEachBoard) {
    if (formats.empty()) return;
    TextFileReader reader(mainDealFileToRead(settings));
    const MainDealHeader header = ReadMainDealHeader(reader);
    const std::size_t filesBefore = files.count();
    // Every name is staged before the first file is written, so the order of the staged
    // files (and of the files a run reports) stays format by format.
    std::vector<std::string> finalPaths;
    finalPaths.reserve(formats.size() * header.setCount);
    for (SetFileFormat* format : formats)
        for (unsigned set = header.firstSetNumber; set < header.firstSetNumber + header.setCount; ++set)
            finalPaths.push_back(
                SetFileName(settings.outputFolder, settings.baseFileName, set, format->extension()));
    const std::vector<std::string> temporaryPaths = files.stage(finalPaths);
    std::vector<std::unique_ptr<FileWriter>> outs;  // a set's files, one per format
    outs.reserve(formats.size());
    for (unsigned index = 0; index < header.setCount; ++index) {
        const unsigned set = header.firstSetNumber + index;
        for (std::size_t format = 0; format < formats.size(); ++format) {
            outs.push_back(std::make_unique<FileWriter>(temporaryPaths[format * header.setCount + index],
                                                        FileWriter::Mode::New));
            formats[format]->startFile(*outs.back(), header, set);
        }
        for (unsigned board = 1; board <= header.boardsPerSet; ++board) {
            const ValidBoardLine line = readBoardLine(reader);
            for (std::size_t format = 0; format < formats.size(); ++format)
                formats[format]->writeBoard(*outs[format], header, board, line);
            if (alsoEachBoard) alsoEachBoard(line);
        }
        for (std::size_t format = 0; format < formats.size(); ++format) {
            formats[format]->finishFile(*outs[format], header);
            outs[format]->close();
        }
        outs.clear();
        advanceProgress(settings.progress, filesBefore + (index + 1u) * formats.size());
    }
}

}  // namespace quorvex
