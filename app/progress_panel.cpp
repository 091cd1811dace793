#include "app/progress_panel.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <limits>
#include <memory>

#include "app/duration_text.h"

namespace quorvex {
namespace {

constexpr int RefreshMilliseconds = 50;

// A progress bar counts in int; larger totals are shown scaled.
int barUnits(std::uint64_t count, std::uint64_t total) {
    constexpr std::uint64_t Limit = std::numeric_limits<int>::max();
    return static_cast<int>(total <= Limit ? count : count / (total / Limit + 1));
}

QString describe(const WorkProgress::Snapshot& state, std::optional<std::chrono::seconds> remaining) {
    QString text =
        QString::fromStdString(state.activity) + QStringLiteral(": ") + QString::number(state.done);
    if (state.total > 0) text += QStringLiteral(" of ") + QString::number(state.total);
    if (remaining) text += QStringLiteral(", ") + durationText(*remaining) + QStringLiteral(" left");
    return text;
}

}  // namespace

ProgressPanel::ProgressPanel(QWidget* parent)
    : QWidget(parent),
      bar_(new QProgressBar(this)),
      activity_(new QLabel(this)),
      cancelButton_(new QPushButton(tr("Cancel"), this)),
      refreshTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("ProgressPanel"));
    bar_->setObjectName(QStringLiteral("ProgressBar"));
    activity_->setObjectName(QStringLiteral("ProgressActivity"));
    cancelButton_->setObjectName(QStringLiteral("ProgressCancelBtn"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_, 1);
    layout->addWidget(activity_, 1);
    layout->addWidget(cancelButton_);
    cancelButton_->hide();
    connect(cancelButton_, &QPushButton::clicked, this, &ProgressPanel::cancel);
    // Its place in the layout is kept while it is hidden, so nothing moves when it appears.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    refreshTimer_->setInterval(RefreshMilliseconds);
    connect(refreshTimer_, &QTimer::timeout, this, &ProgressPanel::refresh);
    hide();
}

void ProgressPanel::cancel() {
    if (!progress_ || progress_->cancelRequested()) return;
    progress_->cancel();
    cancelButton_->setEnabled(false);
    emit cancelRequested();
}

void ProgressPanel::refresh() {
    if (!progress_) return;
    const WorkProgress::Snapshot state = progress_->snapshot();
    if (state.activity.empty()) return;
    if (state.total > 0) {
        bar_->setRange(0, barUnits(state.total, state.total));
        bar_->setValue(barUnits(state.done, state.total));
    } else {
        bar_->setRange(0, 0);  // busy, no known end
    }
    // Each activity is timed from its start: dealing and solving go at different speeds.
    if (state.activity != timedActivity_ || state.done < timedFrom_) {
        timedActivity_ = state.activity;
        timedFrom_ = state.done;
        activityClock_.start();
    }
    std::optional<std::chrono::seconds> remaining;
    if (state.total > state.done)
        remaining = remainingTime(std::chrono::milliseconds(activityClock_.elapsed()),
                                  state.done - timedFrom_, state.total - state.done);
    activity_->setText(describe(state, remaining));
}

void ProgressPanel::runOnWorkerThread(const std::function<void(WorkProgress&)>& work) {
    if (progress_) throw std::logic_error("The progress panel already runs work");
    WorkProgress progress;
    std::exception_ptr failure;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            work(progress);
        } catch (...) {
            failure = std::current_exception();
        }
    }));

    progress_ = &progress;
    timedActivity_.clear();
    bar_->reset();
    activity_->clear();
    cancelButton_->setEnabled(true);
    cancelButton_->setVisible(cancellable_);
    show();

    QEventLoop loop;
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    refreshTimer_->start();
    worker->start();
    loop.exec();
    // The loop also ends when the application quits; the work still has to finish, since
    // it uses the caller's objects.
    worker->wait();
    refreshTimer_->stop();

    progress_ = nullptr;
    hide();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace quorvex
