// The entropy dialog driven through the window system with scripted counter, cursor and
// random integers: what the text records, when the cursor moves, the log and the failures.
#include "entropy_dialog/entropy_form.h"

#include <QLabel>
#include <QScreen>
#include <QTest>
#include <deque>
#include <filesystem>
#include <limits>
#include <memory>
#include <numeric>

#include "common/error_texts.h"
#include "common/io_error.h"
#include "common/product.h"
#include "entropy/entropy_log.h"
#include "entropy_dialog_driver.h"
#include "modal_watcher.h"
#include "scripted_platform_services.h"
#include "tests/support/temp_folder.h"
#include "under_wine.h"
#include "widgets/error_display.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

const std::string ZerosOnly(EntropyNumbersInText, '0');  // a collection where nothing moves

// One main window, one dialog, one program folder, one scripted machine.
struct Session {
    ScriptedPlatformServices platform;
    TempFolder folder;
    QWidget mainWindow;
    std::unique_ptr<TEntropyForm> form;
    int completions = 0;

    Session() {
        mainWindow.move(100, 200);
        mainWindow.resize(600, 400);
        mainWindow.show();
    }

    TEntropyForm& create(const std::string& programFolder) {
        form = std::make_unique<TEntropyForm>(platform, programFolder, &mainWindow);
        QObject::connect(form.get(), &TEntropyForm::collectionComplete, [this] { ++completions; });
        return *form;
    }
    TEntropyForm& create() { return create(folder.str()); }
    TEntropyForm& shown() {
        create().show();
        return *form;
    }
    // Shown and started; the random integers (the first target first) come from `randomValues`.
    TEntropyForm& started(std::deque<std::int32_t> randomValues) {
        shown();
        platform.randomValues = std::move(randomValues);
        clickStart(*form);
        return *form;
    }

    EntropyGrid& grid() { return entropyGrid(*form); }
    std::string logPath() const { return folder.file(std::string(EntropyLogFileName)); }
    std::vector<GridCell> red() { return redCells(grid()); }
    // Where the cursor is thrown after a hit, for the given random offsets.
    ScreenPoint thrownTo(int ry, int rx) const {
        return {platform.width / 2 + rx, form->frameGeometry().top() + 3 + 158 + 30 + ry};
    }
};

GridCell cellOfSquare(int square) { return {square % 3, square / 3}; }

}  // namespace

namespace quorvex {
static bool operator==(ScreenPoint a, ScreenPoint b) { return a.x == b.x && a.y == b.y; }
}  // namespace quorvex

namespace QTest {
template <>
char* toString(const GridCell& cell) {
    return qstrdup(QByteArray("col ") + QByteArray::number(cell.col) + " row " +
                   QByteArray::number(cell.row));
}
template <>
char* toString(const ScreenPoint& p) {
    return qstrdup(QByteArray::number(p.x) + "," + QByteArray::number(p.y));
}
}  // namespace QTest

class EntropyFormTest : public QObject {
    Q_OBJECT
private slots:
    void looksAndStartsAsADirectorSeesIt();
    void minimisingComesBackWithTheMainWindow();
    void textOfAScriptedCollectionAndTheCursorThrows();
    void twelveStillHitsGiveExactly39Numbers();
    void missesRecordNothingAndKeepTheTarget();
    void hitSquareTurnsBlueUntilTheClickChoosesTheNext();
    void keysNeverSelectATarget();
    void doubleClickCountsAsOneClick();
    void onlyTheTwelfthHitClosesTheDialog();
    void modalShowingEndsAfterTheTwelfthHit();
    void logIsCreatedWithOneLineThenAppended();
    void secondShowingStartsAfresh();
    void logWriteFailureStillCompletes_data();
    void logWriteFailureStillCompletes();
    void overflowingTicksAreReportedNotWrapped();
    void counterWithoutFrequencyIsRefused_data();
    void counterWithoutFrequencyIsRefused();
};

void EntropyFormTest::looksAndStartsAsADirectorSeesIt() {
    Session s;
    s.platform.counterReadings = {7, 1'000, 1'250};
    TEntropyForm& form = s.create();
    QCOMPARE(s.platform.seeds, std::vector<std::uint64_t>{7});
    QVERIFY(form.counterUsable());

    QCOMPARE(form.windowTitle(), QString("Entropy Generation"));
    QCOMPARE(form.size(), QSize(379, 251));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint) && !flags.testFlag(Qt::WindowSystemMenuHint));
    QCOMPARE(entropyStartButton(form).text(), QString("Start"));
    auto* instruction = form.findChild<QLabel*>();
    QVERIFY(instruction);
    QCOMPARE(instruction->text(), QString("Click Start, click each red square until the window closes."));
    QVERIFY(instruction->font().bold());
    QCOMPARE(s.grid().geometry(), QRect(53, 3, 266, 158));
    QCOMPARE(s.grid().cellRect(2, 2).size(), QSize(86, 50));
    QVERIFY(s.grid().rect().contains(s.grid().cellRect(2, 2)));

    form.show();
    QCOMPARE(form.frameGeometry().top(), s.mainWindow.frameGeometry().top() + 30);
    const QRect screen = s.mainWindow.screen()->geometry();
    QCOMPARE(form.frameGeometry().left(), screen.x() + (screen.width() - form.frameGeometry().width()) / 2);
    QCOMPARE(form.EntropyText(), std::string("250"));
    QVERIFY(entropyStartButton(form).isEnabled());
    QCOMPARE(form.focusWidget(), &entropyStartButton(form));
    QVERIFY(!s.grid().isEnabled());
    QVERIFY(s.red().empty());

    // Before Start the grid takes no clicks.
    clickCell(s.grid(), {0, 0});
    QCOMPARE(form.EntropyText(), std::string("250"));
    QVERIFY(s.platform.cursorMoves.empty());
}

// Window managers that offer minimise on any window take the main window down with the modal
// dialog; both come back, and the collection carries on where it was.
void EntropyFormTest::minimisingComesBackWithTheMainWindow() {
    Session s;
    TEntropyForm& form = s.started({0, 0, 0});
    hitRedSquares(form, 2);
    const std::string collected = form.EntropyText();

    s.mainWindow.setWindowState(Qt::WindowMinimized);
    form.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(!(form.windowState() & Qt::WindowMinimized));
    QVERIFY(!(s.mainWindow.windowState() & Qt::WindowMinimized));
    QVERIFY(form.isVisible());
    QCOMPARE(form.EntropyText(), collected);
    QCOMPARE(s.red().size(), std::size_t{1});
}

void EntropyFormTest::textOfAScriptedCollectionAndTheCursorThrows() {
    Session s;
    const std::int64_t created = 1'000;
    s.platform.counterReadings = {42, created};
    TEntropyForm& form = s.create();
    const std::int64_t activated = created + 2'500'000'000;  // 250 s at 10 MHz: item 1 in full
    s.platform.counterReadings = {activated};
    form.show();

    // 300 s after start-up is 3,000,000,000 ticks, which item 2 writes as its low 32 bits.
    const std::int64_t started = created + 3'000'000'000;
    s.platform.counterReadings = {started};
    s.platform.moveCursorTo({300, 700});
    s.platform.randomValues = {4};
    clickStart(form);

    struct Hit {
        std::int64_t interval;
        int dx, dy;      // where the mouse is at the hit, from the previous reference point
        int ry, rx;      // random offsets of the cursor throw, vertical first
        int nextSquare;  // the square chosen by the click after the hit
    };
    const Hit hits[EntropyHitsNeeded] = {
        {500'012'345, 50, -60, 7, 93, 0},  // measured from the activation, not from Start
        {4'294'967'296 + 77, -120, -300, 0, 0, 8},
        {3'000'000'000, 0, 0, 99, 99, 2},
        {7'654'321, 5, -7, 1, 2, 6},
        {1, -400, 250, 50, 25, 1},
        {0, 33, 44, 3, 4, 3},
        {2'147'483'647, -1, 1, 10, 20, 5},
        {2'147'483'648, 600, -150, 30, 40, 7},
        {9'999, 12, 21, 60, 70, 4},
        {123'456, -8, -9, 80, 90, 4},  // the same square again
        {65'536, 100, 200, 11, 22, 0},
        {42, -3, 4, 5, 6, -1},
    };
    const std::int64_t handling = 5'000'000'000;  // item 6 in full

    std::int64_t reading = started;
    ScreenPoint reference{300, 700};
    int square = 4;
    std::vector<ScreenPoint> expectedThrows;
    for (int k = 0; k < EntropyHitsNeeded; ++k) {
        const Hit& hit = hits[k];
        reading = (k == 0 ? activated : reading) + hit.interval;
        s.platform.counterReadings = {reading};
        if (k == EntropyHitsNeeded - 1) s.platform.counterReadings.push_back(reading + handling);
        s.platform.moveCursorTo({reference.x + hit.dx, reference.y + hit.dy});
        s.platform.randomValues = {hit.ry, hit.rx};
        if (hit.nextSquare >= 0) s.platform.randomValues.push_back(hit.nextSquare);

        QCOMPARE(s.red(), std::vector<GridCell>{cellOfSquare(square)});
        clickCell(s.grid(), cellOfSquare(square));
        reference = s.thrownTo(hit.ry, hit.rx);
        expectedThrows.push_back(reference);
        square = hit.nextSquare;
    }

    const std::vector<std::string> numbers = {
        "2500000000", "-1294967296", "500012345",  "60", "50", "77",          "300", "120", "-1294967296",
        "0",          "0",           "7654321",    "7",  "5",  "1",           "250", "400", "0",
        "44",         "33",          "2147483647", "1",  "1",  "-2147483648", "150", "600", "9999",
        "21",         "12",          "123456",     "9",  "8",  "65536",       "200", "100", "42",
        "4",          "3",           "5000000000"};
    QCOMPARE(numbers.size(), std::size_t{EntropyNumbersInText});
    QCOMPARE(form.EntropyText(), std::accumulate(numbers.begin(), numbers.end(), std::string()));

    QCOMPARE(s.platform.cursorMoves, expectedThrows);
    std::vector<std::int32_t> ranges{9};
    for (int k = 0; k < EntropyHitsNeeded; ++k) {
        ranges.insert(ranges.end(), {100, 100});
        if (k < EntropyHitsNeeded - 1) ranges.push_back(9);
    }
    QCOMPARE(s.platform.randomRanges, ranges);
    // Seed, creation, activation, Start, twelve hits, the end reading: nothing else is read.
    QCOMPARE(s.platform.counterReads, 2 + 1 + 1 + EntropyHitsNeeded + 1);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(s.completions, 1);
}

void EntropyFormTest::twelveStillHitsGiveExactly39Numbers() {
    // A clock that stands still and a mouse that never moves: every number is a single 0.
    Session s;
    TEntropyForm& form = s.shown();
    collectEntropy(form);
    QCOMPARE(form.EntropyText(), ZerosOnly);
}

void EntropyFormTest::missesRecordNothingAndKeepTheTarget() {
    Session s;
    TEntropyForm& form = s.started({4});
    QCOMPARE(s.red(), (std::vector<GridCell>{{1, 1}}));
    const std::string before = form.EntropyText();
    const int readsBefore = s.platform.counterReads;
    const std::size_t randomsBefore = s.platform.randomRanges.size();

    clickCell(s.grid(), {0, 0});
    clickCell(s.grid(), {2, 2});
    QCOMPARE(form.EntropyText(), before);
    QVERIFY(s.platform.cursorMoves.empty());
    QCOMPARE(s.red(), (std::vector<GridCell>{{1, 1}}));
    QCOMPARE(s.platform.counterReads, readsBefore);
    QCOMPARE(s.platform.randomRanges.size(), randomsBefore);

    // The red square then counts normally, its interval still measured from the activation.
    s.platform.setCounter(777);
    s.platform.moveCursorTo({3, 4});
    clickCell(s.grid(), {1, 1});
    QCOMPARE(form.EntropyText(), before + "777" + "4" + "3");
    QCOMPARE(s.platform.cursorMoves.size(), std::size_t{1});
}

void EntropyFormTest::hitSquareTurnsBlueUntilTheClickChoosesTheNext() {
    Session s;
    s.started({8, 0, 0, 3});
    const QImage collecting = s.grid().grab().toImage();
    QCOMPARE(collecting.pixelColor(s.grid().cellRect(2, 2).center()), QColor(Qt::red));
    QCOMPARE(collecting.pixelColor(s.grid().cellRect(0, 0).center()), QColor(Qt::blue));
    QCOMPARE(collecting.pixelColor(s.grid().cellRect(1, 2).center()), QColor(Qt::blue));

    pressCell(s.grid(), {2, 2});
    const QImage afterPress = s.grid().grab().toImage();
    QVERIFY(s.red().empty());
    QCOMPARE(afterPress.pixelColor(s.grid().cellRect(2, 2).center()), QColor(Qt::blue));
    releaseCell(s.grid(), {2, 2});
    QCOMPARE(s.red(), (std::vector<GridCell>{{0, 1}}));
}

void EntropyFormTest::keysNeverSelectATarget() {
    Session s;
    TEntropyForm& form = s.started({4});
    clickCell(s.grid(), {1, 0});  // a miss that gives the grid the keyboard focus
    QCOMPARE(form.focusWidget(), &s.grid());
    const std::string before = form.EntropyText();

    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Space,
                              Qt::Key_Return, Qt::Key_Enter, Qt::Key_Home, Qt::Key_End})
        QTest::keyClick(&windowOf(form), key);
    QCOMPARE(form.EntropyText(), before);
    QVERIFY(s.platform.cursorMoves.empty());
    QCOMPARE(s.red(), (std::vector<GridCell>{{1, 1}}));

    // The mouse still goes on collecting.
    hitRedSquares(form, 1);
    QCOMPARE(s.platform.cursorMoves.size(), std::size_t{1});
}

void EntropyFormTest::doubleClickCountsAsOneClick() {
    Session s;
    TEntropyForm& form = s.started({4, 0, 0, 4});  // the next target is the same square
    const QRect target = s.grid().cellRect(1, 1);
    QTest::mouseDClick(&windowOf(form), Qt::LeftButton, {}, windowPoint(s.grid(), target.center()));

    QCOMPARE(s.platform.cursorMoves.size(), std::size_t{1});
    QCOMPARE(s.platform.randomRanges, (std::vector<std::int32_t>{9, 100, 100, 9}));
    QCOMPARE(form.EntropyText(), std::string("00") + "000");
    QCOMPARE(s.red(), (std::vector<GridCell>{{1, 1}}));
}

void EntropyFormTest::onlyTheTwelfthHitClosesTheDialog() {
    Session s;
    TEntropyForm& form = s.started({});
    hitRedSquares(form, EntropyHitsNeeded - 1);
    QVERIFY(form.isVisible());
    QTest::keyClick(&windowOf(form), Qt::Key_Escape);
    form.close();
    QVERIFY(form.isVisible());
    QCOMPARE(s.completions, 0);

    bool visibleAtCompletion = false;
    bool logWrittenAtCompletion = false;
    connect(&form, &TEntropyForm::collectionComplete, this, [&] {
        visibleAtCompletion = form.isVisible();
        logWrittenAtCompletion = std::filesystem::exists(s.logPath());
    });
    hitRedSquares(form, 1);
    QVERIFY(!form.isVisible());
    QCOMPARE(s.completions, 1);
    QVERIFY(visibleAtCompletion);
    QVERIFY(logWrittenAtCompletion);
    QVERIFY(!s.grid().isEnabled());
}

void EntropyFormTest::modalShowingEndsAfterTheTwelfthHit() {
    // Under Wine the offscreen platform's modal loop returns at once; the real window's session
    // under Wine (tests/windows/window_session.sh) plays the modal dialog to its end there.
    if (testing::underWine()) QSKIP("the offscreen platform's modal loop does not run under Wine");
    Session s;
    TEntropyForm& form = s.create();
    QTimer::singleShot(0, &form, [&form] { collectEntropy(form); });
    // Ends a showing that failed to close by itself, so the test reports instead of hanging.
    QTimer::singleShot(20'000, &form, [&form] { form.done(-1); });
    QCOMPARE(form.exec(), int(QDialog::Accepted));
    QCOMPARE(form.EntropyText(), ZerosOnly);
}

void EntropyFormTest::logIsCreatedWithOneLineThenAppended() {
    Session s;
    TEntropyForm& form = s.shown();
    collectEntropy(form);
    QCOMPARE(readFile(s.logPath()), ZerosOnly + "\r\n");

    const std::string earlier = "earlier line\r\nsecond earlier line\r\n";
    writeFile(s.logPath(), earlier);
    s.platform.counterReadings = {12'345};
    form.show();
    collectEntropy(form);
    QCOMPARE(readFile(s.logPath()), earlier + form.EntropyText() + "\r\n");
}

void EntropyFormTest::secondShowingStartsAfresh() {
    Session s;
    TEntropyForm& form = s.shown();  // created at tick 0
    collectEntropy(form);

    s.platform.counterReadings = {600};
    form.show();
    QCOMPARE(form.EntropyText(), std::string("600"));
    QVERIFY(entropyStartButton(form).isEnabled());
    QVERIFY(!s.grid().isEnabled());
    QVERIFY(s.red().empty());

    // Twelve new hits are needed, with intervals measured from the new activation.
    clickStart(form);
    hitRedSquares(form, EntropyHitsNeeded - 1);
    QVERIFY(form.isVisible());
    hitRedSquares(form, 1);
    QVERIFY(!form.isVisible());
    // The Start reading is still measured from the creation; everything after it is 0 again.
    QCOMPARE(form.EntropyText(), "600" + std::string("600") + std::string(EntropyNumbersInText - 2, '0'));
    QCOMPARE(s.completions, 2);
}

void EntropyFormTest::logWriteFailureStillCompletes_data() {
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("program folder missing") << false;
    QTest::newRow("program folder is a file") << true;
}

void EntropyFormTest::logWriteFailureStillCompletes() {
    QFETCH(bool, folderIsAFile);
    Session s;
    const std::string programFolder = s.folder.file("program");
    if (folderIsAFile) writeFile(programFolder, "not a folder");
    std::string expectedError;
    try {
        appendEntropyLog(programFolder, "probe");
        QFAIL("the log was expected to fail");
    } catch (const EInOutError& error) {
        expectedError = displayedErrorText(error.what()) + '\n' + error.path();
    }

    TEntropyForm& form = s.create(programFolder);
    form.show();
    ModalWatcher watcher;
    collectEntropy(form);

    QCOMPARE(watcher.messages().size(), 1);
    const SeenMessage& shown = watcher.messages().front();
    QCOMPARE(shown.title, QString(ApplicationTitle));
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(shown.text, QString::fromStdString(expectedError));  // the text, then the log's path
    // A missing program folder is named itself; otherwise the log file is.
#ifndef _WIN32  // Windows reports a file on the way as a missing folder, which the line above checks
    QVERIFY(shown.text.endsWith(folderIsAFile ? "Int160.qvs" : "program"));
#endif
    QVERIFY(!form.isVisible());
    QCOMPARE(s.completions, 1);
    QCOMPARE(form.EntropyText(), ZerosOnly);
}

void EntropyFormTest::overflowingTicksAreReportedNotWrapped() {
    Session s;
    s.platform.counterReadings = {0, 0};
    TEntropyForm& form = s.create();
    const std::int64_t activated = std::numeric_limits<std::int64_t>::min() + 10;
    s.platform.counterReadings = {activated, activated};
    form.show();
    s.platform.randomValues = {4, 4};
    clickStart(form);
    const std::string before = form.EntropyText();

    // The hit's distance from the activation does not fit in 64 bits.
    s.platform.setCounter(std::numeric_limits<std::int64_t>::max());
    ModalWatcher watcher;
    clickCell(s.grid(), {1, 1});
    QCOMPARE(watcher.messages().size(), 1);
    QCOMPARE(watcher.messages().front().text, QString("Integer overflow."));
    QCOMPARE(form.EntropyText(), before);
    QVERIFY(s.platform.cursorMoves.empty());
    QVERIFY(form.isVisible());
}

void EntropyFormTest::counterWithoutFrequencyIsRefused_data() {
    QTest::addColumn<qint64>("frequency");
    QTest::addColumn<bool>("answeredWithOk");
    QTest::newRow("zero, answered with OK") << qint64{0} << true;
    QTest::newRow("zero, box closed") << qint64{0} << false;
    QTest::newRow("negative") << qint64{-1} << true;
}

void EntropyFormTest::counterWithoutFrequencyIsRefused() {
    QFETCH(qint64, frequency);
    QFETCH(bool, answeredWithOk);
    Session s;
    s.platform.frequency = frequency;
    QMessageBox::StandardButtons buttons;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        buttons = box->standardButtons();
        if (answeredWithOk)
            box->button(QMessageBox::Ok)->click();
        else
            box->close();
        return true;
    });
    const TEntropyForm& form = s.create();

    QCOMPARE(watcher.messages().size(), 1);
    const SeenMessage& shown = watcher.messages().front();
    QCOMPARE(shown.title, QString(ApplicationTitle));
    QCOMPARE(shown.text, QString("Sorry, this computer is not suitable to generate Random Bridge Hands"));
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!form.counterUsable());
}

QTEST_MAIN(EntropyFormTest)
#include "entropy_form_test.moc"
