#pragma once
// Deal numbers written as decimal text in tests, such as "26560748501243227251896627819".
#include <string_view>

#include "engine/mp.h"

namespace quorvex::testing {

inline MpInt mpFromDecimal(std::string_view digits) {
    MpInt value, ten = mpFromUint64(10);
    for (char digit : digits) {
        if (digit == ',') continue;
        mpMul(value, ten, value);
        mpAdd(value, mpFromUint64(static_cast<std::uint64_t>(digit - '0')), value);
    }
    return value;
}

}  // namespace quorvex::testing
