// The header line of the main deal file: "<sets> <boards per set>  <first set>".
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/conversion_error.h"
#include "common/range_error.h"
#include "engine/main_deal_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    try {
        const quorvex::MainDealHeader header = quorvex::parseMainDealHeader(line);
        // What the program writes it reads back the same.
        if (quorvex::parseMainDealHeader(quorvex::mainDealHeaderLine(header)).setCount != header.setCount)
            __builtin_trap();
    } catch (const quorvex::EConvertError&) {
    } catch (const quorvex::ERangeError&) {
    }
    return 0;
}
