// libFuzzer target: the reader of a Duplimate .dlm file on arbitrary bytes.
#include "deal_file_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvex::testing::readDealFileOrRefuse("input.dlm", data, size);
    return 0;
}
