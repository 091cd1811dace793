#include "cli/run_progress_display.h"

#include <chrono>
#include <csignal>
#include <cstdio>

#include "common/interrupt_cleanup.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace quorvex {

namespace {

// The run the SIGINT handler stops; cancel() is a lock-free atomic store.
std::atomic<WorkProgress*> interruptible{nullptr};
// The handler before the display's: a second interrupt goes to it (the one that removes
// the run's temporary files), as does every interrupt after the display ends.
using SignalHandler = void (*)(int);
std::atomic<SignalHandler> previousHandler{SIG_DFL};

extern "C" void onInterrupt(int) {
    if (WorkProgress* progress = interruptible.load()) progress->cancel();
    std::signal(SIGINT, previousHandler.load());
}

}  // namespace

RunProgressDisplay::RunProgressDisplay(WorkProgress& progress, bool show) {
    interruptible.store(&progress);
    previousHandler.store(std::signal(SIGINT, onInterrupt));
    if (show && isatty(fileno(stderr)))
        thread_ = threadWithoutInterrupts([this, &progress] { showUntilStopped(progress); });
}

RunProgressDisplay::~RunProgressDisplay() {
    stop_.store(true);
    if (thread_.joinable()) thread_.join();
    std::signal(SIGINT, previousHandler.load());
    interruptible.store(nullptr);
}

void RunProgressDisplay::showUntilStopped(const WorkProgress& progress) {
    bool shown = false;
    for (;;) {
        const bool last = stop_.load();  // the final pass shows where the run ended
        const WorkProgress::Snapshot now = progress.snapshot();
        if (!now.activity.empty()) {
            // Blanks at the end wipe the rest of a longer earlier line.
            std::fprintf(stderr, "\r%s: %llu of %llu        ", now.activity.c_str(),
                         static_cast<unsigned long long>(now.done),
                         static_cast<unsigned long long>(now.total));
            std::fflush(stderr);
            shown = true;
        }
        if (last) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    if (shown) std::fputc('\n', stderr);
}

}  // namespace quorvex
