#pragma once
// Sets of the program's own deals written in every format from a main deal file, as a
// run writes them, to be read back.
#include <chrono>
#include <string>
#include <vector>

#include "conversion_fixture.h"
#include "engine/board_line.h"
#include "formats/convert_main_deal_file.h"
#include "program_deals.h"

namespace quorvex::testing {

// The date the written PBN files carry.
inline constexpr std::chrono::year_month_day WrittenRunDate{std::chrono::year{2026}, std::chrono::month{3},
                                                            std::chrono::day{14}};

// Writes `sets` sets of `boards` program deals from set `firstSet` through every writer;
// with `doubleDummy` (one table per board) the PBN files carry it.
struct WrittenRun {
    WrittenRun(unsigned sets, unsigned boards, unsigned firstSet,
               std::vector<DoubleDummyTable> doubleDummy = {})
        : deals(programDeals(sets * boards)), tables(std::move(doubleDummy)) {
        std::vector<std::string> lines;
        for (const ByHandDeal& deal : deals) lines.push_back(boardLine(deal));
        folder.writeMainDeal(
            std::to_string(sets) + " " + std::to_string(boards) + "  " + std::to_string(firstSet), lines);
        folder.selectAllFormats();
        folder.settings.runDate = WrittenRunDate;
        folder.settings.doubleDummy = tables;
        ConvertMainDealFile(folder.settings);
    }
    ConversionFolder folder;
    std::vector<ByHandDeal> deals;
    std::vector<DoubleDummyTable> tables;
};

// "QVW-01.dlm", "QVW-100.pbn": the name of a set file of the default base name.
inline std::string setFileName(unsigned set, std::string_view extension) {
    return "QVW-" + std::string(set < 10 ? "0" : "") + std::to_string(set) + std::string(extension);
}

}  // namespace quorvex::testing
