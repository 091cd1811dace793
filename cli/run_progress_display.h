#pragma once
// The dealer's side of a long run: Ctrl+C (SIGINT) asks the run to stop, which it does at
// its next step and then ends as a failed run ends; a second Ctrl+C ends the program at
// once. While the run lasts, its progress is shown on one line of standard error when that
// is a terminal.
#include <atomic>
#include <thread>

#include "common/work_progress.h"

namespace quorvex {

class RunProgressDisplay {
public:
    // Installs the SIGINT handler for `progress`; with `show` and standard error a terminal,
    // rewrites the progress line a few times a second until destroyed.
    RunProgressDisplay(WorkProgress& progress, bool show);
    ~RunProgressDisplay();
    RunProgressDisplay(const RunProgressDisplay&) = delete;
    RunProgressDisplay& operator=(const RunProgressDisplay&) = delete;

private:
    void showUntilStopped(const WorkProgress& progress);

    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace quorvex
