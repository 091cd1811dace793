#pragma once
// How far a long piece of work has come, shared between the thread that does the work and
// the one that shows it, and the way to ask the work to stop. No Qt: the core reports
// through it, the window (or any other caller) reads it.
//
// The work side calls begin() for each activity ("Boards dealt", with the count it goes
// to) and advance() as units are done; both are cheap enough to call once per board.
// The watching side reads snapshot() whenever it likes (the window does so a few times a
// second) and may call cancel(). advance() throws EWorkCancelled once cancel() has been
// called, so every reported step is a point where the work stops; work that must stop
// elsewhere polls cancelRequested().
#include <atomic>
#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <string>

namespace quorvex {

// Raised inside work whose caller asked it to stop.
struct EWorkCancelled : std::runtime_error {
    EWorkCancelled() : std::runtime_error("Cancelled") {}
};

class WorkProgress {
public:
    struct Snapshot {
        std::string activity;     // what is counted: "Boards dealt", "Files written", ...
        std::uint64_t done = 0;   // units finished so far
        std::uint64_t total = 0;  // units the activity goes to; 0 when not known
    };

    // Work side.
    void begin(std::string activity, std::uint64_t total);
    void advance(std::uint64_t done);  // throws EWorkCancelled after cancel()

    // Watching side; safe from any thread.
    Snapshot snapshot() const;
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool cancelRequested() const { return cancelled_.load(std::memory_order_relaxed); }

private:
    mutable std::mutex mutex_;  // guards activity_ and total_, which change once per activity
    std::string activity_;
    std::uint64_t total_ = 0;
    std::atomic<std::uint64_t> done_{0};
    std::atomic<bool> cancelled_{false};
};

// The calls the core makes, for work that may run without anyone watching (null progress).
inline void beginProgress(WorkProgress* progress, std::string activity, std::uint64_t total) {
    if (progress) progress->begin(std::move(activity), total);
}
inline void advanceProgress(WorkProgress* progress, std::uint64_t done) {
    if (progress) progress->advance(done);
}

}  // namespace quorvex
