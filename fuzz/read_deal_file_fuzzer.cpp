// libFuzzer target: one reader of deal files on arbitrary bytes. A refusal (DealFileError)
// is the expected answer to garbage; any other exception, a crash, a hang or a sanitizer
// report is a fault. FUZZ_FILE_NAME picks the reader by its extension.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/readers/deal_file_error.h"
#include "formats/readers/deal_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        quorvex::ReadDealFileBytes(FUZZ_FILE_NAME,
                                   std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const quorvex::DealFileError&) {
    }
    return 0;
}
