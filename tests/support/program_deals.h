#pragma once
// Deals exactly as the program deals them: the seeded stream of deal numbers, unranked into
// hands. Tests use them where the files and statistics of real runs are needed.
#include <string_view>
#include <vector>

#include "engine/deal_numbering.h"
#include "engine/deal_stream.h"
#include "hash/hash_registry.h"

namespace quorvex::testing {

inline std::vector<ByHandDeal> programDeals(std::size_t count, std::string_view entropyText = "31415926535") {
    registerHashClasses();
    const HashClass cls = seedingHashClass();
    DealStream stream;
    stream.seed(cls, "Audit", entropyText);
    std::vector<ByHandDeal> deals;
    deals.reserve(count);
    while (deals.size() < count)
        deals.push_back(internalDealToByHand(dealNumberToInternalDeal(stream.nextDealNumber(cls))));
    return deals;
}

}  // namespace quorvex::testing
