#pragma once
// Double-dummy tables and par of whole runs of boards, computed by the double-dummy solver
// library (DDS). Boards go to the library in batches, which it spreads over its threads.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "common/work_progress.h"
#include "engine/cards.h"
#include "engine/double_dummy_table.h"

namespace quorvex {

struct DoubleDummyBoard {
    // Card numbers 1..52 hand by hand: North's 13, East's, South's, West's.
    std::array<std::uint8_t, CardsPerDeal> cards{};
    // Number within its set (from 1): gives the dealer and vulnerability of the par.
    unsigned boardNumber = 1;
};

// The library solves at most this many tables per call; 32 keeps both cores busy.
inline constexpr std::size_t DoubleDummyBatchSize = 32;

// Raised when the library refuses a batch; the text is the library's own.
struct EDoubleDummyError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One table per board, in the order given. `progress`, when given, counts the "Boards
// solved" batch by batch; a cancel stops the work before the next batch and after the
// last one with EWorkCancelled.
std::vector<DoubleDummyTable> solveDoubleDummy(std::span<const DoubleDummyBoard> boards,
                                               WorkProgress* progress = nullptr);

}  // namespace quorvex
