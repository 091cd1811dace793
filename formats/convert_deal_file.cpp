#include "formats/convert_deal_file.h"

#include <algorithm>

#include "formats/convert_main_deal_file.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/deal_file_reader.h"
#include "formats/set_file_name.h"

namespace quorvex {

BoardList oneSetOf(const DealFile& file, std::uint16_t firstSetNumber) {
    if (file.setCount > 1)
        throw DealFileError(
            file.path, "",
            "the file holds " + std::to_string(file.setCount) + " sets; convert takes one set");
    if (file.boards.size() > LargestConvertedSet)
        throw DealFileError(file.path, "",
                            "the file holds " + std::to_string(file.boards.size()) +
                                " boards; a set holds at most " + std::to_string(LargestConvertedSet));
    std::vector<const ReadBoard*> byNumber(file.boards.size(), nullptr);
    for (const ReadBoard& board : file.boards) {
        if (board.number < 1 || board.number > byNumber.size())
            throw DealFileError(file.path, boardLabel(file, board),
                                "boards must be numbered 1 to " + std::to_string(file.boards.size()) +
                                    " without gaps for the dealing machines");
        const ReadBoard*& slot = byNumber[board.number - 1];
        if (slot) throw DealFileError(file.path, boardLabel(file, board), "the board number appears twice");
        slot = &board;
    }
    BoardList list{firstSetNumber, {}};
    for (const ReadBoard* board : byNumber) list.deals.push_back(board->deal);
    return list;
}

std::vector<std::string> setFilesOf(const ConversionSettings& settings, std::uint16_t setNumber) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < OutputFormats.size(); ++i)
        if (settings.formats.test(i))
            files.push_back(SetFileName(settings.outputFolder, settings.baseFileName, setNumber,
                                        OutputFormats[i].extension));
    return files;
}

std::vector<std::string> convertDealFile(const std::string& path, ConversionSettings settings,
                                         std::uint16_t firstSetNumber) {
    settings.boards = std::make_shared<const BoardList>(oneSetOf(readDealFile(path), firstSetNumber));
    return ConvertMainDealFile(settings);
}

}  // namespace quorvex
