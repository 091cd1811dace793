#pragma once
// One board as a reader finds it in a deal file: where it stands and its four hands.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/board_rotation.h"
#include "engine/cards.h"
#include "engine/deal_numbering.h"
#include "engine/double_dummy_table.h"

namespace quorvex {

struct ReadBoard {
    unsigned set = 0;            // set number where the file states it (main deal file), else 0
    unsigned number = 0;         // board number within its set
    ByHandDeal deal{};           // hands North, East, South, West, 13 ascending card numbers each
    std::optional<Hand> dealer;  // where the file states it (PBN)
    std::optional<Vulnerability> vulnerable;  // where the file states it (PBN)
    // The double-dummy tricks and par, where the file states all of them (PBN).
    std::optional<DoubleDummyTable> doubleDummy;
};

struct DealFile {
    std::string path;
    std::vector<ReadBoard> boards;  // in the order of the file
    unsigned setCount = 1;          // sets the file holds (several only in a main deal file)
    std::string event;              // the event the file names (PBN Event), else empty
    std::string date;               // the date the file states, "YYYY.MM.DD" (PBN Date), else empty
};

// Takes each board as a reader finds it; `file` holds the file's path and sets, not its boards.
using BoardVisitor = std::function<void(const DealFile& file, const ReadBoard& board)>;

// How messages name a board: "board 9", or "board 9 of set 3" in a file of several sets.
inline std::string boardLabel(const DealFile& file, const ReadBoard& board) {
    std::string label = "board " + std::to_string(board.number);
    if (file.setCount > 1) label += " of set " + std::to_string(board.set);
    return label;
}

}  // namespace quorvex
