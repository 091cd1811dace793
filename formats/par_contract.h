#pragma once
// A par contract as the double-dummy library writes it, read into its parts so hand
// records can say it in players' words. The library's text: level, denomination letter
// (S H D C, N for no trump), "*" when doubled, "-", the declaring seat or side (N E S W,
// NS EW), then "+k" when the contract makes with k tricks more than it names, or "-k" for
// a sacrifice that goes k down. "4S-NS+1", "5H*-EW-2", "3N-W".
#include <optional>
#include <string_view>

#include "engine/double_dummy_table.h"

namespace quorvex {

struct ParContract {
    unsigned level = 1;  // as the library names it, 1..7
    Denomination denomination = NoTrump;
    bool doubled = false;
    std::string_view declarer;  // "N", "E", "S", "W", "NS" or "EW", a view into the text read
    int result = 0;             // tricks over (positive) or under (negative) the named level

    bool eastWest() const { return declarer.find_first_of("EW") != std::string_view::npos; }
    // The level a player bids to score the same: "1H-NS+1" is two hearts making.
    unsigned levelMade() const { return result > 0 ? level + static_cast<unsigned>(result) : level; }
};

// The parts of `text`; nothing when it is not a contract in the library's form.
std::optional<ParContract> readParContract(std::string_view text);

}  // namespace quorvex
