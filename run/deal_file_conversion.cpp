#include "run/deal_file_conversion.h"

#include <filesystem>

#include "common/date_text.h"
#include "formats/readers/deal_file_error.h"

namespace quorvex {

std::vector<const ReadBoard*> boardsOfOneSet(const DealFile& file) {
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
    return byNumber;
}

RunSettings conversionSettingsOf(const DealFile& file, const RunSettings& settings) {
    RunSettings converted = settings;
    const auto boards = static_cast<std::uint16_t>(file.boards.size());
    converted.counts = {1, boards, settings.counts.firstSetNumber};
    converted.analysis = false;
    converted.reportFile.clear();
    ConversionSettings& conversion = converted.conversion;
    conversion.programFolder = conversion.outputFolder;
    conversion.identityText =
        file.event.empty() ? std::filesystem::path(file.path).stem().string() : file.event;
    if (const auto date = dateOfText(file.date, '.')) conversion.runDate = *date;
    return converted;
}

std::unique_ptr<GenerationRun> conversionRun(const DealFile& file, const RunSettings& converted) {
    std::vector<ByHandDeal> deals;
    std::vector<DoubleDummyTable> tables;
    for (const ReadBoard* board : boardsOfOneSet(file)) {
        deals.push_back(board->deal);
        if (board->doubleDummy) tables.push_back(*board->doubleDummy);
    }
    // The file's own tables only when every board has one.
    if (tables.size() != deals.size()) tables.clear();
    // Replacing the input would destroy what is being converted (its auction, its notes).
    for (const std::string& output : existingRunFiles(converted)) {
        std::error_code error;
        if (std::filesystem::equivalent(output, file.path, error)) throw EOutputIsInput(output);
    }
    return std::make_unique<GenerationRun>(converted, std::move(deals), std::move(tables));
}

RunResult convertDealFile(const DealFile& file, const RunSettings& converted, WorkProgress* progress) {
    const std::unique_ptr<GenerationRun> run = conversionRun(file, converted);
    RunResult result = run->convert(progress);
    run->publish();
    return result;
}

}  // namespace quorvex
