#include "formats/set_file_writer.h"

#include <optional>

#include "engine/board_line.h"
#include "formats/set_file_name.h"

namespace quorvex {

namespace {

// The boards the frame writes, in dealing order, with the counts of the main deal file's header.
class BoardSource {
public:
    virtual ~BoardSource() = default;
    virtual MainDealHeader header() = 0;
    virtual ValidBoardLine nextBoard() = 0;
};

// Reads the main deal file from its first line.
class MainDealFileSource final : public BoardSource {
public:
    explicit MainDealFileSource(const ConversionSettings& settings)
        : reader_(OpenMainDealReader(settings.programFolder, settings.identityText)) {}
    MainDealHeader header() override { return ReadMainDealHeader(reader_); }
    ValidBoardLine nextBoard() override { return readBoardLine(reader_); }

private:
    TextFileReader reader_;
};

// Boards held in memory, as one set; each goes through the same board-line check.
class BoardListSource final : public BoardSource {
public:
    explicit BoardListSource(const BoardList& boards) : boards_(boards) {}
    MainDealHeader header() override {
        return {1, static_cast<std::uint16_t>(boards_.deals.size()), boards_.firstSetNumber};
    }
    ValidBoardLine nextBoard() override { return ValidBoardLine(boardLine(boards_.deals.at(next_++))); }

private:
    const BoardList& boards_;
    std::size_t next_ = 0;
};

}  // namespace

void writeSetFiles(const ConversionSettings& settings, SetFileFormat& format,
                   std::vector<std::string>& written) {
    std::optional<MainDealFileSource> mainDealFile;
    std::optional<BoardListSource> boardList;
    BoardSource& source = settings.boards ? static_cast<BoardSource&>(boardList.emplace(*settings.boards))
                                          : mainDealFile.emplace(settings);
    const MainDealHeader header = source.header();
    const unsigned lastSet = header.firstSetNumber + header.setCount - 1u;
    for (unsigned set = header.firstSetNumber; set <= lastSet; ++set) {
        FileWriter out(SetFileName(settings.outputFolder, settings.baseFileName, set, format.extension()));
        written.push_back(out.path());
        format.startFile(out, header);
        for (unsigned board = 1; board <= header.boardsPerSet; ++board)
            format.writeBoard(out, header, board, source.nextBoard());
        format.finishFile(out, header);
        out.close();
        advanceProgress(settings.progress, written.size());
    }
}

}  // namespace quorvex
