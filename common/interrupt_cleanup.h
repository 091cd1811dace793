#pragma once
// Files to remove when the process is interrupted. The command-line dealer installs the
// handler: SIGINT, SIGTERM or SIGHUP then remove every registered file (the run's
// temporary files and lock files) and end the process as the signal would have. On
// Windows no handler is installed; a run cut short there leaves temporary files that the
// next run in the folder removes.
#include <string>

namespace quorvex {

void installInterruptCleanup();

void removeOnInterrupt(const std::string& path);
void keepOnInterrupt(const std::string& path);

// Holds the interrupting signals back while a run publishes its files, so an interrupt
// cannot leave some files published and the others removed; a signal that arrived
// meanwhile is handled when this ends.
class InterruptsDeferred {
public:
    InterruptsDeferred();
    ~InterruptsDeferred();
    InterruptsDeferred(const InterruptsDeferred&) = delete;
    InterruptsDeferred& operator=(const InterruptsDeferred&) = delete;

private:
#ifndef _WIN32
    alignas(16) unsigned char saved_[256];  // the previous signal mask (a sigset_t)
#endif
};

}  // namespace quorvex
