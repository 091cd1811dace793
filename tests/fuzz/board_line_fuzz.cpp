// The check of one board line: 104 digits, 52 distinct card numbers, each hand ascending.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/conversion_error.h"
#include "common/range_error.h"
#include "engine/valid_board_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const quorvex::ValidBoardLine board(std::string(reinterpret_cast<const char*>(data), size));
        for (std::size_t field = 0; field < 52; ++field)
            if (board.card(field) < 1 || board.card(field) > 52) __builtin_trap();
    } catch (const quorvex::EConvertError&) {
    } catch (const quorvex::ERangeError&) {
    }
    return 0;
}
