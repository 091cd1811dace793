#pragma once
// Files to remove when the process is interrupted. The command-line dealer installs the
// handler: SIGINT, SIGTERM or SIGHUP then remove every registered file (the run's
// temporary files and lock files) and end the process as the signal would have. On
// Windows no handler is installed; a run cut short there leaves temporary files that the
// next run in the folder removes.
#include <span>
#include <string>
#include <thread>
#include <utility>

namespace quorvex {

void installInterruptCleanup();

void removeOnInterrupt(const std::string& path);
void keepOnInterrupt(const std::string& path);
// The same for many files at once, with the signals held back once: a run has thousands.
void removeOnInterrupt(std::span<const std::string> paths);
void keepOnInterrupt(std::span<const std::string> paths);

// Holds the interrupting signals back on this thread while a run publishes its files, so
// an interrupt cannot leave some files published and the others removed; a signal that
// arrived meanwhile is handled when this ends, unless taken with takePending.
class InterruptsDeferred {
public:
    InterruptsDeferred();
    ~InterruptsDeferred();
    InterruptsDeferred(const InterruptsDeferred&) = delete;
    InterruptsDeferred& operator=(const InterruptsDeferred&) = delete;

    // The interrupting signal that arrived while held back, taken so that it is not acted
    // on; 0 when none came.
    int takePending();

private:
#ifndef _WIN32
    alignas(16) unsigned char saved_[256];  // the previous signal mask (a sigset_t)
#endif
};

// Starts `work` on a thread that never takes an interrupting signal (a new thread inherits
// the mask of the thread that starts it): the handler then runs only on the threads that
// change the list of files above with the signals held back, never beside such a change.
template <typename Work>
std::thread threadWithoutInterrupts(Work&& work) {
    const InterruptsDeferred blocked;
    return std::thread(std::forward<Work>(work));
}

// The name of an interrupting signal for a message ("SIGTERM").
std::string interruptName(int signal);

}  // namespace quorvex
