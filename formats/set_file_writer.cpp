#include "formats/set_file_writer.h"

#include "formats/set_file_name.h"

namespace quorvex {

void writeSetFiles(const ConversionSettings& settings, SetFileFormat& format, StagedFiles& files) {
    TextFileReader reader(mainDealFileToRead(settings));
    const MainDealHeader header = ReadMainDealHeader(reader);
    const unsigned lastSet = header.firstSetNumber + header.setCount - 1u;
    for (unsigned set = header.firstSetNumber; set <= lastSet; ++set) {
        FileWriter out(
            files.stage(SetFileName(settings.outputFolder, settings.baseFileName, set, format.extension())),
            FileWriter::Mode::New);
        format.startFile(out, header, set);
        for (unsigned board = 1; board <= header.boardsPerSet; ++board)
            format.writeBoard(out, header, board, readBoardLine(reader));
        format.finishFile(out, header);
        out.close();
        advanceProgress(settings.progress, files.count());
    }
}

}  // namespace quorvex
