// The progress panel runs work on a worker thread while the event loop goes on: it shows the
// work's progress, hands back its result or its error, and its Cancel stops the work.
#include "app/progress_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>

using quorvex::EWorkCancelled;
using quorvex::ProgressPanel;
using quorvex::WorkProgress;

namespace {

// Calls `step` every few milliseconds while `panel` is shown.
class WhileShown {
public:
    WhileShown(ProgressPanel& panel, std::function<void()> step) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [&panel, step] {
            if (panel.isVisible()) step();
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

void briefly() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

}  // namespace

class ProgressPanelTest : public QObject {
    Q_OBJECT

private slots:
    // The work goes on to its next board only once the panel has shown the count so far.
    void showsTheProgressAndReturnsTheResult() {
        ProgressPanel panel;
        std::atomic<int> shown{0};
        const WhileShown watch(panel, [&] {
            const QString next = QString("Boards analysed: %1 of 3").arg(shown + 1);
            if (panel.findChild<QLabel*>("ProgressActivity")->text() == next) ++shown;
        });
        const int result = panel.run([&](WorkProgress& progress) {
            progress.begin("Boards analysed", 3);
            for (int board = 1; board <= 3; ++board) {
                progress.advance(static_cast<std::uint64_t>(board));
                for (int wait = 0; shown < board && wait < 5000; ++wait) briefly();
            }
            return 42;
        });
        QCOMPARE(result, 42);
        QCOMPARE(shown.load(), 3);
        QVERIFY(panel.isHidden());
        QVERIFY(!panel.busy());
    }

    void anErrorOfTheWorkIsRaisedByRun() {
        ProgressPanel panel;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 panel.run([](WorkProgress&) { throw std::runtime_error("Disk full"); }));
        QVERIFY(panel.isHidden());
    }

    void cancelStopsTheWorkAtItsNextStep() {
        ProgressPanel panel;
        panel.setCancellable(true);
        QSignalSpy cancelled(&panel, &ProgressPanel::cancelRequested);
        auto* cancel = panel.findChild<QPushButton*>("ProgressCancelBtn");
        const WhileShown watch(panel, [&] {
            if (cancel->isVisible() && cancel->isEnabled()) QTest::mouseClick(cancel, Qt::LeftButton);
        });
        std::uint64_t steps = 0;
        QVERIFY_THROWS_EXCEPTION(EWorkCancelled, panel.run([&](WorkProgress& progress) {
            progress.begin("Boards analysed", 0);
            for (;;) {
                progress.advance(++steps);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }));
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(steps > 0);
        QVERIFY(panel.isHidden());
    }
};

QTEST_MAIN(ProgressPanelTest)
#include "progress_panel_test.moc"
