#pragma once
// Hands the run's double-dummy tables to a format board by board, in the order the set
// files are written, which is the order of the main deal file.
#include <cstddef>
#include <span>
#include <stdexcept>

#include "engine/double_dummy_table.h"

namespace quorvex {

class DoubleDummyCursor {
public:
    explicit DoubleDummyCursor(std::span<const DoubleDummyTable> tables) : tables_(tables) {}

    // The next board's table; null when the run computed none.
    const DoubleDummyTable* next() {
        if (tables_.empty()) return nullptr;
        if (next_ == tables_.size()) throw std::logic_error("more boards than double-dummy tables");
        return &tables_[next_++];
    }

private:
    std::span<const DoubleDummyTable> tables_;
    std::size_t next_ = 0;
};

}  // namespace quorvex
