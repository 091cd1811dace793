// A replayed entropy text: the dealer's rule for it, then seeding a stream with whatever
// it accepts and drawing a board.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/command_line.h"
#include "engine/deal_numbering.h"
#include "engine/deal_stream.h"
#include "hash/hash_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = (quorvex::registerHashClasses(), true);
    (void)registered;
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const quorvex::CliOptions options = quorvex::parseCliOptions({"--entropy-text", text});
        quorvex::DealStream stream;
        stream.seed(quorvex::seedingHashClass(), options.identityText, *options.entropyText);
        quorvex::internalDealToByHand(
            quorvex::dealNumberToInternalDeal(stream.nextDealNumber(quorvex::seedingHashClass())));
    } catch (const quorvex::UsageError&) {
    }
    return 0;
}
