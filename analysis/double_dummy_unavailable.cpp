// The double-dummy entry points of a build made without the solver library (a system that
// has no build of it, such as the Windows cross-build): every request is refused with a
// clear text, and nothing else changes.
#include "analysis/double_dummy.h"
#include "common/error_texts.h"

namespace quorvex {

void checkDoubleDummyAvailable() { throw EDoubleDummyError(error_text::DoubleDummyUnavailable); }

// Nothing is solved: the run that asks is refused at once.
std::chrono::seconds estimatedDoubleDummyTime(std::size_t) { return std::chrono::seconds(0); }

void setPar(DoubleDummyTable&, unsigned) { checkDoubleDummyAvailable(); }

std::vector<DoubleDummyTable> solveDoubleDummy(std::span<const DoubleDummyBoard>, WorkProgress*) {
    checkDoubleDummyAvailable();
    return {};
}

}  // namespace quorvex
