// libFuzzer target: the reader of a Deep Finesse text file on arbitrary bytes.
#include "deal_file_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvex::testing::readDealFileOrRefuse("input.txt", data, size);
    return 0;
}
