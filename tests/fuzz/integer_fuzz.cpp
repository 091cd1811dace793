// Integer conversion of the file readers: a whole text, and two-digit card numbers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/conversion_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const int value = quorvex::strToInt(text);
        // A value read is a value that prints and reads back the same.
        if (quorvex::strToInt(std::to_string(value)) != value) __builtin_trap();
    } catch (const quorvex::EConvertError&) {
    }
    for (std::size_t pos = 0; pos <= size; ++pos) {
        try {
            if (quorvex::twoDigitNumber(text, pos) > 99) __builtin_trap();
        } catch (const quorvex::EConvertError&) {
        }
    }
    return 0;
}
