// The real platform services: a nanosecond counter, the Qt cursor and screen, and random
// integers that repeat for the same seed and stay inside their range.
#include "entropy_dialog/qt_platform_services.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <stdexcept>
#include <vector>

using namespace quorvex;

class QtPlatformServicesTest : public QObject {
    Q_OBJECT
private slots:
    void counterCountsNanosecondsForward() {
        QtPlatformServices platform;
        QCOMPARE(platform.counterFrequency(), std::int64_t{1'000'000'000});
        const std::int64_t first = platform.counter();
        QVERIFY(platform.counter() >= first);
    }

    void randomIntegersRepeatForTheSameSeedAndStayInRange() {
        QtPlatformServices a;
        QtPlatformServices b;
        a.seedRandom(0x1234'5678'9abc'def0);
        b.seedRandom(0x1234'5678'9abc'def0);
        std::vector<std::int32_t> first;
        std::vector<std::int32_t> second;
        for (int i = 0; i < 200; ++i) {
            first.push_back(a.randomInt(9));
            second.push_back(b.randomInt(9));
        }
        QCOMPARE(first, second);
        for (const std::int32_t value : first) QVERIFY(value >= 0 && value < 9);
        QVERIFY(std::count(first.begin(), first.end(), 8) > 0);
        QCOMPARE(a.randomInt(1), 0);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, a.randomInt(0));
    }

    void seedsDifferingOnlyInTheHighHalfGiveDifferentSequences() {
        QtPlatformServices a;
        QtPlatformServices b;
        a.seedRandom(42);
        b.seedRandom(42 + (std::uint64_t{1} << 32));
        std::vector<std::int32_t> first;
        std::vector<std::int32_t> second;
        for (int i = 0; i < 20; ++i) {
            first.push_back(a.randomInt(100));
            second.push_back(b.randomInt(100));
        }
        QVERIFY(first != second);
    }

    void cursorAndScreenAreTheRealOnes() {
        QtPlatformServices platform;
        platform.setCursorPos({123, 45});
        const ScreenPoint p = platform.cursorPos();
        QCOMPARE(p.x, 123);
        QCOMPARE(p.y, 45);
        QCOMPARE(platform.screenWidth(), QGuiApplication::primaryScreen()->geometry().width());
    }
};

QTEST_MAIN(QtPlatformServicesTest)
#include "qt_platform_services_test.moc"
