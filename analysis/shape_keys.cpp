#include "analysis/shape_keys.h"

#include <algorithm>
#include <functional>

#include "common/range_error.h"
#include "engine/cards.h"

namespace quorvex {

namespace {

SuitLengths sortedDescending(SuitLengths lengths) {
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    return lengths;
}

}  // namespace

std::string shapeKeyOf(SuitLengths lengths) {
    std::string key;
    for (unsigned length : sortedDescending(lengths)) key += std::to_string(length);
    return key;
}

int shapeIndexOf(SuitLengths lengths) {
    if ((lengths[0] >= SuitLengthLimit) | (lengths[1] >= SuitLengthLimit) | (lengths[2] >= SuitLengthLimit) |
        (lengths[3] >= SuitLengthLimit))
        throw ERangeError();
    if (lengths[0] + lengths[1] + lengths[2] + lengths[3] != static_cast<unsigned>(CardsPerHand)) return -1;
    return static_cast<int>(shapeIndexOfHand(lengths[0], lengths[1], lengths[2]));
}

}  // namespace quorvex
