#include "common/work_progress.h"

namespace quorvex {

void WorkProgress::begin(std::string activity, std::uint64_t total) {
    const std::lock_guard lock(mutex_);
    activity_ = std::move(activity);
    total_ = total;
    done_.store(0, std::memory_order_relaxed);
}

void WorkProgress::advance(std::uint64_t done) {
    done_.store(done, std::memory_order_relaxed);
    if (cancelRequested()) throw EWorkCancelled();
}

WorkProgress::Snapshot WorkProgress::snapshot() const {
    const std::lock_guard lock(mutex_);
    return {activity_, done_.load(std::memory_order_relaxed), total_};
}

}  // namespace quorvex
