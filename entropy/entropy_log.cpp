#include "entropy/entropy_log.h"

#include "common/paths.h"
#include "common/text_file.h"

namespace quorvex {

void appendEntropyLog(std::string_view programFolder, std::string_view entropyText) {
    FileWriter log(joinPath(programFolder, EntropyLogFileName), FileWriter::Mode::Append);
    log.writeLine(entropyText);
    log.close();
}

}  // namespace quorvex
