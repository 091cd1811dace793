#include "common/interrupt_cleanup.h"

#include <cstring>
#include <mutex>
#include <vector>

#ifndef _WIN32
#include <signal.h>
#include <unistd.h>
#endif

namespace quorvex {

namespace {

// A list the signal handler can walk: nodes are linked and unlinked only while the
// signals are blocked, so the handler never sees a half-changed list.
struct Registered {
    std::string path;
    Registered* next = nullptr;
};

Registered* registered = nullptr;
std::mutex registryMutex;  // other threads of the window may run while one run registers

#ifndef _WIN32
constexpr int InterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};

sigset_t interruptSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : InterruptSignals) sigaddset(&set, signal);
    return set;
}

extern "C" void removeRegisteredAndExit(int signal) {
    for (const Registered* file = registered; file; file = file->next) ::unlink(file->path.c_str());
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}
#endif

}  // namespace

void installInterruptCleanup() {
#ifndef _WIN32
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = removeRegisteredAndExit;
    action.sa_mask = interruptSet();
    for (int signal : InterruptSignals) sigaction(signal, &action, nullptr);
#endif
}

InterruptsDeferred::InterruptsDeferred() {
#ifndef _WIN32
    static_assert(sizeof(sigset_t) <= sizeof saved_);
    const sigset_t set = interruptSet();
    pthread_sigmask(SIG_BLOCK, &set, reinterpret_cast<sigset_t*>(saved_));
#endif
}

InterruptsDeferred::~InterruptsDeferred() {
#ifndef _WIN32
    pthread_sigmask(SIG_SETMASK, reinterpret_cast<const sigset_t*>(saved_), nullptr);
#endif
}

int InterruptsDeferred::takePending() {
#ifndef _WIN32
    sigset_t pending;
    if (sigpending(&pending) != 0) return 0;
    for (int signal : InterruptSignals)
        if (sigismember(&pending, signal)) {
            sigset_t one;
            sigemptyset(&one);
            sigaddset(&one, signal);
            const timespec now{};
            if (sigtimedwait(&one, nullptr, &now) == signal) return signal;
        }
#endif
    return 0;
}

std::string interruptName(int signal) {
#ifndef _WIN32
    switch (signal) {
        case SIGINT:
            return "SIGINT";
        case SIGTERM:
            return "SIGTERM";
        case SIGHUP:
            return "SIGHUP";
    }
#endif
    return "signal " + std::to_string(signal);
}

void removeOnInterrupt(const std::string& path) { removeOnInterrupt(std::span(&path, 1)); }

void keepOnInterrupt(const std::string& path) { keepOnInterrupt(std::span(&path, 1)); }

void removeOnInterrupt(std::span<const std::string> paths) {
    std::vector<Registered*> files;
    files.reserve(paths.size());
    for (const std::string& path : paths) files.push_back(new Registered{path});
    const std::lock_guard lock(registryMutex);
    const InterruptsDeferred deferred;
    for (Registered* file : files) {
        file->next = registered;
        registered = file;
    }
}

// Files are mostly kept in the reverse order of their registration, each then found first.
void keepOnInterrupt(std::span<const std::string> paths) {
    std::vector<Registered*> removed;
    {
        const std::lock_guard lock(registryMutex);
        const InterruptsDeferred deferred;
        for (const std::string& path : paths)
            for (Registered** link = &registered; *link; link = &(*link)->next)
                if ((*link)->path == path) {
                    removed.push_back(*link);
                    *link = removed.back()->next;
                    break;
                }
    }
    for (Registered* file : removed) delete file;
}

}  // namespace quorvex
