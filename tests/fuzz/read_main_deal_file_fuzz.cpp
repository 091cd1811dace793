// libFuzzer target: the reader of the main deal file on arbitrary bytes.
#include "deal_file_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvex::testing::readDealFileOrRefuse("input.qvw", data, size);
    return 0;
}
