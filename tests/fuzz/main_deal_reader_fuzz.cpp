// The main deal file read back as the writers and the analysis read it: header, then board
// lines until the end. Conversion and range errors are the answers to damaged files.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "common/conversion_error.h"
#include "common/range_error.h"
#include "engine/main_deal_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = "/tmp";
    static const std::string identity =
        "quorvex-fuzz-" + std::to_string(reinterpret_cast<std::uintptr_t>(&folder));
    std::ofstream(quorvex::mainDealFilePath(folder, identity), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        quorvex::TextFileReader reader = quorvex::OpenMainDealReader(folder, identity);
        const quorvex::MainDealHeader header = quorvex::ReadMainDealHeader(reader);
        for (unsigned board = 0; board < header.boardsPerSet && !reader.atEnd(); ++board)
            quorvex::readBoardLine(reader);
    } catch (const quorvex::EConvertError&) {
    } catch (const quorvex::ERangeError&) {
    }
    return 0;
}
