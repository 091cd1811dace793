#pragma once
// An index or value outside its allowed range (a damaged file, a count that does not fit).
#include <stdexcept>

#include "common/error_texts.h"

namespace quorvex {

struct ERangeError : std::out_of_range {
    ERangeError() : std::out_of_range(error_text::RangeCheck) {}
};

}  // namespace quorvex
