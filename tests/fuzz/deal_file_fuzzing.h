#pragma once
// What every deal-file reader's fuzz target does with its input: read it as a file of one
// kind. A refusal (DealFileError) is the expected answer to garbage; any other exception,
// a crash, a hang or a sanitizer report is a fault.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/readers/deal_file_error.h"
#include "formats/readers/deal_file_reader.h"

namespace quorvex::testing {

// `fileName` picks the reader by its extension.
inline void readDealFileOrRefuse(const std::string& fileName, const std::uint8_t* data, std::size_t size) {
    try {
        readDealFileBytes(fileName, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const DealFileError&) {
    }
}

}  // namespace quorvex::testing
