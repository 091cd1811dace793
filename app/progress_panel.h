#pragma once
// A progress display for long work that runs off the GUI thread, so the window keeps
// repainting: a bar, a line saying what is being done ("Boards solved: 120 of 2000, about
// 4 minutes left", the time once it can be judged) and, when asked for, a Cancel button.
//
// Use:
//     auto* panel = new ProgressPanel(parent);   // place it in a layout; hidden when idle,
//                                                // its place kept
//     panel->setCancellable(true);               // optional: shows Cancel during the work
//     const Result result = panel->run([&](WorkProgress& progress) {
//         return coreWork(..., &progress);       // runs on a worker thread
//     });
//
// run() starts the work on a worker thread, shows the panel and keeps the event loop
// running (paint events, timers, input) until the work ends; then hides the panel and
// returns the work's result, or rethrows the exception the work ended with, on the calling
// thread, so errors reach the application-wide error display as if the work had run there.
// The caller disables whatever must not be used meanwhile; the panel only owns its Cancel.
//
// The work reports through WorkProgress (common/work_progress.h, no Qt): begin() names an
// activity and its total, advance() counts. Cancel (or cancel()) sets the work's cancel
// flag: advance() then throws EWorkCancelled, which run() rethrows like any other error;
// cancelRequested() is emitted as well.
#include <QElapsedTimer>
#include <QWidget>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>

#include "common/work_progress.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace quorvex {

class ProgressPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget* parent = nullptr);

    // Whether run() shows the Cancel button. Off at the start.
    void setCancellable(bool cancellable) { cancellable_ = cancellable; }

    // True while run() is waiting for work.
    bool busy() const { return progress_ != nullptr; }

    // Runs `work(WorkProgress&)` as described above; returns its result.
    template <typename Work>
    auto run(Work&& work) -> std::invoke_result_t<Work&, WorkProgress&>;

    // Asks the running work to stop, as the Cancel button does. Nothing when idle.
    void cancel();

signals:
    void cancelRequested();

private:
    void runOnWorkerThread(const std::function<void(WorkProgress&)>& work);
    void refresh();

    QProgressBar* bar_;
    QLabel* activity_;
    QPushButton* cancelButton_;
    QTimer* refreshTimer_;
    bool cancellable_ = false;
    // The activity being timed for the remaining time, its count when timing began.
    std::string timedActivity_;
    std::uint64_t timedFrom_ = 0;
    QElapsedTimer activityClock_;
    WorkProgress* progress_ = nullptr;  // the running work's progress
};

template <typename Work>
auto ProgressPanel::run(Work&& work) -> std::invoke_result_t<Work&, WorkProgress&> {
    using Result = std::invoke_result_t<Work&, WorkProgress&>;
    if constexpr (std::is_void_v<Result>) {
        runOnWorkerThread(work);
    } else {
        std::optional<Result> result;
        runOnWorkerThread([&](WorkProgress& progress) { result.emplace(work(progress)); });
        return std::move(*result);
    }
}

}  // namespace quorvex
