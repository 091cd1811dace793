#include "entropy/entropy_log.h"

#include "common/line_append.h"
#include "common/paths.h"

namespace quorvex {

std::string entropyLogPath(std::string_view programFolder) {
    return joinPath(programFolder, EntropyLogFileName);
}

void appendEntropyLog(std::string_view programFolder, std::string_view entropyText) {
    appendWholeLine(entropyLogPath(programFolder), entropyText);
}

}  // namespace quorvex
