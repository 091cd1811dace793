#pragma once
// Double-dummy tables and par of whole runs of boards, computed by the double-dummy solver
// library (DDS). Boards go to the library in batches, which it spreads over its threads.
#include <array>
#include <chrono>
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

// Tables handed to the library per call: two for each of its threads, so every call keeps
// all cores busy and yet ends within a second or two, and the progress keeps moving. Never
// more than the library takes per call.
std::size_t doubleDummyBatchSize();

// How long solving `boards` tables is expected to take on this computer, from a table's
// typical time on one core (the time varies with the deal by a factor of ten either way).
std::chrono::seconds estimatedDoubleDummyTime(std::size_t boards);

// Raised when the library refuses a batch; the text is the library's own.
struct EDoubleDummyError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Raises EDoubleDummyError in a build without the library, so that a run asking for double
// dummy fails before it logs entropy or deals a board; does nothing where the library is.
void checkDoubleDummyAvailable();

// Sets the par of a board with these tricks for the dealer and vulnerability of its number.
void setPar(DoubleDummyTable& table, unsigned boardNumber);

// One table per board, in the order given. `progress`, when given, counts the "Boards
// solved" batch by batch; a cancel stops the work before the next batch and after the
// last one with EWorkCancelled.
std::vector<DoubleDummyTable> solveDoubleDummy(std::span<const DoubleDummyBoard> boards,
                                               WorkProgress* progress = nullptr);

}  // namespace quorvex
