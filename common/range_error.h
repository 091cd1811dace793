#pragma once
// An index or value outside its allowed range (a damaged file, a count that does not fit).
#include <stdexcept>

namespace quorvex {

struct ERangeError : std::out_of_range {
    ERangeError() : std::out_of_range("Range check error") {}
};

} // namespace quorvex
